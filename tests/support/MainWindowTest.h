// SPDX-License-Identifier: MIT
// The main window shown and active with a fake platform, and the helpers that find its controls
// and the focus.
#pragma once

#include "engine/report/CalculationRecord.h"
#include "support/FakePlatform.h"
#include "support/WindowDriving.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

inline QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

class MainWindowTest : public ::testing::Test {
protected:
    // The window is shown and waited for until it is active: the focus that the tests follow
    // is an active window's.
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &window; },
                                    ShowTimeout));
    }

    template <typename W = QWidget> W* find(const char* name) {
        W* widget = window.findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }
    QLineEdit* box(const char* name) { return find<QLineEdit>(name); }
    // Clicks a control, or chooses a menu entry, by its name.
    void click(const char* name) {
        if (auto* action = window.findChild<QAction*>(QLatin1String(name)))
            action->trigger();
        else
            QTest::mouseClick(find(name), Qt::LeftButton);
    }
    bool inFront(const char* panel) { return find(panel)->isVisible(); }

    // Clicks a control and expects the one message it brings, and where the focus then is.
    void expectMessage(const char* control, const QString& message, Platform::MessageIcon icon,
                       const char* focus) {
        platform.messages.clear();
        click(control);
        ASSERT_EQ(platform.messageTexts(), QStringList{message});
        EXPECT_EQ(platform.messages[0].icon, icon) << message.toStdString();
        EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::Ok);
        EXPECT_EQ(FocusName(), QLatin1String(focus)) << message.toStdString();
    }

    // Types into boxes and chooses from lists, by the controls' names.
    void set(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [name, text] : values) {
            if (auto* list = window.findChild<QComboBox*>(QLatin1String(name)))
                list->setCurrentText(QString::fromUtf8(text));
            else if (QLineEdit* edit = box(name))
                edit->setText(QString::fromUtf8(text));
        }
    }

    // New Delhi on the form: 77 E 13, 28 N 36, zone 5:30 (East and North as the form opens).
    void typeDelhi() {
        set({{"txtLonD", "77"},
             {"txtLonM", "13"},
             {"txtLatD", "28"},
             {"txtLatM", "36"},
             {"txtZoneHour", "5"},
             {"txtZoneMinute", "30"}});
    }

    // Asha at New Delhi on Thursday 11 January 2024 at a clock time (17:00 unless told): the day
    // of the new moon of 17:27 there, which the tests hold against published almanacs.
    void typeDelhiDay(const char* hour = "17", const char* minute = "0") {
        set({{"txtName", "Asha"},
             {"cboMonth", "January"},
             {"cboDate", "11"},
             {"cboYear", "2024"},
             {"cboHH", hour},
             {"cboMM", minute}});
        typeDelhi();
    }

    FakePlatform platform;
    CalculationRecord record;
    frmMain window{record, platform};
};
