// SPDX-License-Identifier: MIT
// The windows' texts for the tests of languages: every text a window shows or gives a screen
// reader, the check that none is left in English, a change of language for the life of a test,
// and the main window filled with a known moment at Delhi.
#pragma once

#include "support/MainWindowTest.h"
#include "ui/CalendarTexts.h"
#include "ui/Language.h"
#include "ui/MonthModel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocumentFragment>

// Brings the windows back to English at the end of a test, whatever happens in it.
struct BackToEnglish {
    ~BackToEnglish() { SetLanguage(Language::English); }
};

// Switches the windows to a language for the life of a test.
struct InLanguage : BackToEnglish {
    explicit InLanguage(Language language) { SetLanguage(language); }
};
struct InHindi : InLanguage {
    InHindi() : InLanguage(Language::Hindi) {}
};

// A text a user reads, and where.
struct ShownText {
    QString where;
    QString text;
};

inline QString PlainText(const QLabel* label) {
    return label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())
               ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
               : label->text();
}

// Every text a window shows or gives a screen reader: captions, buttons, titles, menus, lists,
// tool tips, accessible names and descriptions, the cells of a list or a table. What the user
// typed is not among them, nor the zone picker's rows, which are data.
inline QVector<ShownText> ShownTexts(QWidget* window) {
    QVector<ShownText> shown;
    auto add = [&shown](const QObject* where, const QString& text) {
        if (!text.trimmed().isEmpty())
            shown.push_back({where->objectName().isEmpty()
                                 ? QString::fromUtf8(where->metaObject()->className())
                                 : where->objectName(),
                             text});
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        // The menu bar's overflow menu repeats the entries that do not fit the bar.
        if (qobject_cast<QMenu*>(w) && w->objectName().isEmpty() &&
            qobject_cast<QMenuBar*>(w->parent()))
            continue;
        if (w->isWindow())
            add(w, w->windowTitle());
        add(w, w->toolTip());
        add(w, w->accessibleName());
        add(w, w->accessibleDescription());
        if (const auto* label = qobject_cast<QLabel*>(w))
            add(w, PlainText(label));
        if (const auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, button->text());
        if (const auto* group = qobject_cast<QGroupBox*>(w))
            add(w, group->title());
        if (const auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            add(w, spin->text());
        if (const auto* menu = qobject_cast<QMenu*>(w))
            add(w, menu->title());
        for (const QAction* action : w->actions())
            add(w, action->text());
        if (const auto* list = qobject_cast<QComboBox*>(w)) {
            for (int k = 0; k < list->count(); ++k)
                add(w, list->itemText(k));
        }
        const auto* view = qobject_cast<QAbstractItemView*>(w);
        if (!view || !view->model() || w->objectName() == QLatin1String("lstTimeZone"))
            continue;
        const QAbstractItemModel* model = view->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            add(w, model->headerData(column, Qt::Horizontal).toString());
            add(w, model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString());
        }
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                for (const int role :
                     {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)})
                    add(w, index.data(role).toString());
                // The lines painted in a day's cell of the month view.
                if (const auto* month = qobject_cast<const MonthModel*>(model)) {
                    if (const CalendarDay* day = month->dayAt(index)) {
                        const DayCellTexts cell = DayCellTextsOf(*day, false);
                        for (const QString& line : {cell.Paksha, cell.Name, cell.Until, cell.Then,
                                                    cell.Kshaya, cell.Vriddhi, cell.Masa})
                            add(w, line);
                    }
                }
            }
        }
    }
    return shown;
}

// What may stay in Latin letters in every language: names of the program, of formats, standards,
// keys and zones, addresses, the keys for Alt and a menu entry's shortcut, the Language menu's
// own names, and what the test typed.
inline QString WithoutLatinThatStays(QString text) {
    static const QRegularExpression stays(QStringLiteral(
        "\\t.*$|(https?|file)://\\S+|\\b[A-Z][A-Za-z_]+/[A-Za-z_/"
        "+-]+\\b|\\(&\\w\\)|\\bKestrava\\b|\\bv1\\.15\\b|"
        "\\bUTC\\b|\\bGeoNames\\b|\\bgeonames\\.org\\b|\\bCC BY\\b|\\biCalendar\\b|\\.ics\\b|"
        "\\bPDF\\b|\\.pdf\\b|\\bA4\\b|\\bCtrl\\b|\\bPage (Up|Down)\\b|\\bHome\\b|\\bEnter\\b|"
        "\\bMIT\\b|\\bLanguage\\b|\\bEnglish\\b|\\bHindi\\b|\\bMarathi\\b|\\bGujarati\\b|"
        "\\bBengali\\b|\\bTamil\\b|\\bTe&?lugu\\b|\\bKannada\\b|\\bAsha\\b|\\bNew York City\\b"));
    return text.remove(stays);
}

inline void ExpectNoEnglish(QWidget* window) {
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    const QVector<ShownText> shown = ShownTexts(window);
    EXPECT_GT(shown.size(), 3) << window->objectName().toStdString();
    for (const ShownText& s : shown) {
        EXPECT_FALSE(WithoutLatinThatStays(s.text).contains(latin))
            << window->objectName().toStdString() << " / " << s.where.toStdString() << ": "
            << s.text.toStdString();
    }
}

class LanguageTest : public MainWindowTest {
protected:
    QString text(const char* label) { return find<QLabel>(label)->text(); }

    // Delhi (77 E 13, 28 N 36, zone 5:30), 11 January 2024 at 17:00: the new moon of 11:57 UT
    // is half an hour away, the Moon and the Sun in Purva Ashadha (253°20′ ... 266°40′ sidereal).
    void fillDelhi() {
        typeDelhiDay();
        set({{"txtMCity", "Delhi"}});
    }

    // Every text of the main window with the place it stands, inputs included: a snapshot to
    // compare before and after a change of language.
    QStringList snapshot() {
        QStringList texts;
        for (const ShownText& s : ShownTexts(&window))
            texts << s.where + QStringLiteral(": ") + s.text;
        for (QLineEdit* box : window.findChildren<QLineEdit*>())
            texts << box->objectName() + QStringLiteral(" = ") + box->text();
        for (QComboBox* list : window.findChildren<QComboBox*>())
            texts << list->objectName() + QStringLiteral(" # ") +
                         QString::number(list->currentIndex());
        texts << (inFront("fraResult") ? QStringLiteral("results") : QStringLiteral("form"));
        return texts;
    }
};
