// The web pages of the software and its maker, the update reminder and the shutdown routine.
#pragma once

#include <QString>

class Platform;

// The addresses of the pages: the help and download pages on the software's web host,
// and the maker's home page.
QString OnlineHelpAddress();
QString DownloadPageAddress();
QString HomePageAddress();

// Each opens its page in the user's browser; a page that cannot be opened is not reported.
void OpenOnlineHelp(Platform& platform);
void OpenDownloadPage(Platform& platform);
void OpenHomePage(Platform& platform);

// Closes every top-level window in turn, then ends the process.
void EndProgram(Platform& platform);
