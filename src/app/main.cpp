// Kestrava, the tithi calculator: the program's entry.
#include "platform/QtPlatform.h"
#include "ui/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtPlatform platform;
    return RunKestrava(app, platform);
}
