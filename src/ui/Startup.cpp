// SPDX-License-Identifier: MIT
// The start-up sequence: refuse a second instance (and bring the running one forward), remind of
// updates, show the main window and run until the shutdown routine ends the program.
#include "ui/Startup.h"

#include "engine/report/CalculationRecord.h"
#include "platform/Platform.h"
#include "ui/AppIcon.h"
#include "ui/Language.h"
#include "ui/frmMain.h"
#include "ui/modHelp.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QTimer>

namespace {

// The window that should end up active: one open over the main window (the about box, a
// message), else the main window.
QWidget* Foremost(QWidget* mainWindow) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : mainWindow;
}

// Makes the foremost window active, asking again a few times until it is. On X11 the request
// carries the time of the last event the program saw, and one older than the last change of
// focus is ignored; asked again once the window system has answered the first, it carries a time
// that counts.
void Activate(const QPointer<QWidget>& mainWindow, int attempts) {
    constexpr int RetryMs = 100;
    QWidget* window = Foremost(mainWindow);
    if (!window || window->isActiveWindow())
        return;
    window->activateWindow();
    if (attempts > 1)
        QTimer::singleShot(RetryMs, qApp,
                           [mainWindow, attempts] { Activate(mainWindow, attempts - 1); });
}

// Brings the running window forward when a later start asks: restored if minimised, raised and
// made active; a window open over it comes up with it.
void BringForward(QWidget* mainWindow) {
    constexpr int ActivationAttempts = 5;
    if (mainWindow) {
        mainWindow->setWindowState(mainWindow->windowState() & ~Qt::WindowMinimized);
        mainWindow->raise();
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->raise();
    Activate(mainWindow, ActivationAttempts);
}

} // namespace

int RunKestrava(QApplication& app, Platform& platform, const StartupOptions& options) {
    QApplication::setWindowIcon(KestravaIcon());
    // The language the user chose last, or the system's, from the first message on.
    SetLanguage(StartLanguage(platform, QLocale::system()));
    const QString AlreadyRunningMessage =
        QCoreApplication::translate("Startup", "Application is already running");

    if (platform.isPreviousInstanceRunning()) {
        // Once the user has read the message, the running instance comes forward.
        platform.showMessage(nullptr, AlreadyRunningMessage, Platform::MessageIcon::Information);
        platform.notifyRunningInstance();
        EndProgram(platform);
        return 0;
    }

    // From now on a later start brings this instance forward; before the main window is shown,
    // the reminder's message.
    QPointer<QWidget> mainWindow;
    platform.setActivationHandler([&mainWindow] { BringForward(mainWindow); });
    struct HandlerReset {
        Platform& platform;
        ~HandlerReset() { platform.setActivationHandler({}); }
    } handlerReset{platform};

    // The reminder must not keep the window from opening, whatever goes wrong in it.
    if (options.remindOfUpdates) {
        try {
            RemindOfUpdate(platform);
        } catch (...) {
        }
    }

    CalculationRecord record;
    frmMain window(record, platform);
    mainWindow = &window;
    window.show();
    return app.exec();
}
