// Kestrava, the tithi calculator: the program's entry.
#include "app/CalculationRecord.h"
#include "app/QtPlatform.h"
#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtPlatform platform;
    CalculationRecord record;
    frmMain window(record, platform);
    window.show();
    return app.exec();
}
