// SPDX-License-Identifier: MIT
// The scroll area around a window's controls and the size of a window within its screen.
#include "ui/WindowFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {

// Room for the title bar and borders of a window that has not been shown yet, whose frame is
// not known: a title bar of the common desktops at their usual sizes.
constexpr QSize UnknownFrame(16, 40);

// Marks its window as changed by the keyboard whenever it is shown or activated.
class FocusShown : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::WindowActivate:
        case QEvent::ActivationChange:
            static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void ShowFocusFromStart(QWidget* window) {
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    window->installEventFilter(new FocusShown(window));
}

QWidget* ScrollingContents(QWidget* window) {
    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("scrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // The controls inside take the focus, and the area follows it; the area takes none.
    area->setFocusPolicy(Qt::NoFocus);
    auto* contents = new QWidget;
    contents->setObjectName(QStringLiteral("scrollContents"));
    area->setWidget(contents);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return contents;
}

QSize ScreenRoom(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QSize available = screen->availableGeometry().size();
    QSize frame = UnknownFrame;
    if (window->isVisible() && window->frameGeometry() != window->geometry())
        frame = window->frameGeometry().size() - window->geometry().size();
    return available - frame;
}

void ResizeWithinScreen(QWidget* window, const QSize& wanted) {
    window->resize(wanted.boundedTo(ScreenRoom(window)));
}

QSize ContentsSize(const QWidget* contents) {
    QSize size = contents->sizeHint();
    if (const QLayout* layout = contents->layout(); layout && layout->hasHeightForWidth())
        size.setHeight(std::max(size.height(), layout->totalHeightForWidth(size.width())));
    return size;
}
