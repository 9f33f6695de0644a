// Helpers for driving the windows as a user does: acting on a modal window once it shows, and
// choosing a menu entry with the mouse.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Acts on the modal window as soon as it is shown; gives up after a few seconds, so that a
// window that never opens fails the test instead of hanging it.
inline void WhenModalShown(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal || ++*ticks > 500) {
            timer->stop();
            timer->deleteLater();
            if (modal)
                act(modal);
        }
    });
    timer->start(10);
}

// Opens a menu of the window's menu bar with a click and clicks one of its entries.
inline bool ChooseFromMenu(QMainWindow& window, const char* menuName, const char* actionName) {
    auto* menu = window.findChild<QMenu*>(QLatin1String(menuName));
    auto* action = window.findChild<QAction*>(QLatin1String(actionName));
    if (!menu || !action)
        return false;
    QMenuBar* bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    return true;
}
