// The start-up sequence: refuse a second instance, remind of updates, show the main window and
// run until the shutdown routine ends the program.
#include "ui/Startup.h"

#include "engine/CalculationRecord.h"
#include "platform/Platform.h"
#include "ui/AppIcon.h"
#include "ui/Language.h"
#include "ui/frmMain.h"
#include "ui/modHelp.h"

#include <QApplication>
#include <QLocale>

int RunKestrava(QApplication& app, Platform& platform) {
    QApplication::setWindowIcon(KestravaIcon());
    // The language the user chose last, or the system's, from the first message on.
    SetLanguage(StartLanguage(platform, QLocale::system()));
    const QString AlreadyRunningMessage =
        QCoreApplication::translate("Startup", "Application is already running");

    if (platform.isPreviousInstanceRunning()) {
        // The running instance is left as it is: not activated, not signalled.
        platform.showMessage(nullptr, AlreadyRunningMessage, Platform::MessageIcon::Information);
        EndProgram(platform);
        return 0;
    }

    // The reminder must not keep the window from opening, whatever goes wrong in it.
    try {
        RemindOfUpdate(platform);
    } catch (...) {
    }

    CalculationRecord record;
    frmMain window(record, platform);
    window.show();
    return app.exec();
}
