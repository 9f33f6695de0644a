// The web pages of the software and its maker, and the shutdown routine.
#include "links/modHelp.h"

#include "app/Platform.h"

#include <QApplication>
#include <QWidget>

QString OnlineHelpAddress() {
    return QStringLiteral(KESTRAVA_SOFTWARE_HOST "/kestrava-help.html");
}

QString DownloadPageAddress() {
    return QStringLiteral(KESTRAVA_SOFTWARE_HOST "/download-kestrava.html");
}

QString HomePageAddress() { return QStringLiteral(KESTRAVA_MAKER_HOME); }

void OpenOnlineHelp(Platform& platform) { platform.openAddress(OnlineHelpAddress()); }

void OpenDownloadPage(Platform& platform) { platform.openAddress(DownloadPageAddress()); }

void OpenHomePage(Platform& platform) { platform.openAddress(HomePageAddress()); }

void EndProgram(Platform& platform) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            window->close();
    }
    platform.endProcess();
}
