// SPDX-License-Identifier: MIT
// Kestrava, the tithi calculator: the program's entry.
#include "platform/QtPlatform.h"
#include "ui/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtPlatform platform;
    StartupOptions options;
    options.remindOfUpdates = KESTRAVA_REMIND_OF_UPDATES;
    return RunKestrava(app, platform, options);
}
