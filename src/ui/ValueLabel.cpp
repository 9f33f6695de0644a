// SPDX-License-Identifier: MIT
// A label that shows a value beside its caption. Qt's own accessible label gives a label with an
// accessible name no text at all, so the value would be out of a screen reader's reach: this one
// gives its caption as the name and its value through the text interface (and as its value, which
// is what the Windows accessibility interfaces read).
#include "ui/ValueLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class AccessibleValueLabel : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleValueLabel(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return value();
        return QAccessibleWidget::text(kind); // the name is the caption
    }

    // The text interface: the value, which the user may select with the mouse.
    QString text(int startOffset, int endOffset) const override {
        return value().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(value().size()); }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && label()->hasSelectedText()) {
            *startOffset = label()->selectionStart();
            *endOffset = *startOffset + static_cast<int>(label()->selectedText().size());
        }
    }
    int selectionCount() const override { return label()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int) override { label()->setSelection(0, 0); }
    void setSelection(int, int startOffset, int endOffset) override {
        label()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    QString value() const { return label()->text(); }
};

QAccessibleInterface* ValueLabelAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ValueLabel::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new AccessibleValueLabel(static_cast<ValueLabel*>(object));
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(const QString& caption, QWidget* parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(ValueLabelAccessible);
        return true;
    }();
    static_cast<void>(factoryInstalled);
    setAccessibleName(caption);
    setTextFormat(Qt::PlainText);
}

void ValueLabel::setText(const QString& value) {
    const QString before = text();
    if (value == before)
        return;
    QLabel::setText(value);
    if (QAccessible::isActive()) { // a screen reader listens
        QAccessibleTextUpdateEvent changed(this, 0, before, value);
        QAccessible::updateAccessibility(&changed);
    }
}
