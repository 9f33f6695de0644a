// SPDX-License-Identifier: MIT
// Helpers for driving the windows as a user does: acting on a modal window once it is shown and
// active, and choosing a menu entry with the mouse. They wait for what they need, for as long as a
// loaded machine may take, and never for a fixed time.
#pragma once

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

// Milliseconds to wait for a window or a menu to appear; reached only when it never does.
inline constexpr int ShowTimeout = 30000;

namespace detail {

inline void WhenModal(std::function<void(QWidget*)> act, bool waitUntilActive) {
    auto* timer = new QTimer;
    const QDeadlineTimer deadline(ShowTimeout);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, act, waitUntilActive] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (modal && waitUntilActive) {
            // Not QTest::qWaitForWindowActive: it counts a dialog active while its parent is.
            const bool active = QTest::qWaitFor(
                [&modal] { return !modal || QApplication::activeWindow() == modal; }, ShowTimeout);
            if (modal && !active) {
                ADD_FAILURE() << "the modal window " << modal->objectName().toStdString()
                              << " was shown but never became the active window";
                modal->close();
                return;
            }
        }
        if (modal)
            act(modal);
    });
    timer->start(10);
}

} // namespace detail

// Acts on the modal window as soon as it is shown: enough for clicks and keys sent to its
// controls, which need no focus. Gives up when no modal window shows, so that one that never
// opens fails the test instead of hanging it.
inline void WhenModalShown(std::function<void(QWidget*)> act) {
    detail::WhenModal(std::move(act), false);
}

// Acts on the modal window once it is shown and has become the application's active window, for
// a test that follows the focus or moves it with Tab: the window system activates a window some
// time after showing it, and on a busy machine that time is long.
inline void WhenModalActive(std::function<void(QWidget*)> act) {
    detail::WhenModal(std::move(act), true);
}

// Opens a menu of the window's menu bar with a click and clicks one of its entries.
inline bool ChooseFromMenu(QMainWindow& window, const char* menuName, const char* actionName) {
    auto* menu = window.findChild<QMenu*>(QLatin1String(menuName));
    auto* action = window.findChild<QAction*>(QLatin1String(actionName));
    if (!menu || !action)
        return false;
    QMenuBar* bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, ShowTimeout))
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    return true;
}
