// SPDX-License-Identifier: MIT
// The pages and the controls that open them, the about box, the place look-up and the place
// search, driven with real clicks on the main window and the about box.
#include "platform/PlaceSearch.h"
#include "support/MainWindowTest.h"
#include "support/WindowDriving.h"
#include "ui/frmAbout.h"
#include "ui/modHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// On a web host the pages keep their paths on it; with none, the help is the page installed with
// the program, the download page its part on updates, and without a maker's home page the home
// page is its part on Kestrava and its makers. A folder's name with a blank, "#" or "%" stays
// part of the path.
TEST(Pages, OnAHostOrInstalledWithTheProgram) {
    const struct {
        const char *host, *home, *installed;
        const char *help, *download, *homePage;
    } cases[] = {
        {"https://kestrava.org", "https://maker.example/", "/usr/share/kestrava/help/x.html",
         "https://kestrava.org/kestrava-help.html", "https://kestrava.org/download-kestrava.html",
         "https://maker.example/"},
        {"https://kestrava.org/", "", "/usr/share/kestrava/help/x.html",
         "https://kestrava.org/kestrava-help.html", "https://kestrava.org/download-kestrava.html",
         "https://kestrava.org/kestrava-help.html#about"},
        {"", "", "/usr/share/kestrava/help/kestrava-help.html",
         "file:///usr/share/kestrava/help/kestrava-help.html",
         "file:///usr/share/kestrava/help/kestrava-help.html#updates",
         "file:///usr/share/kestrava/help/kestrava-help.html#about"},
        {"", "https://maker.example/", "/opt/Kestrava C#/50%/kestrava-help.html",
         "file:///opt/Kestrava%20C%23/50%25/kestrava-help.html",
         "file:///opt/Kestrava%20C%23/50%25/kestrava-help.html#updates", "https://maker.example/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.host) + " | " + c.home + " | " + c.installed);
        const PageAddresses pages =
            PagesOf(QLatin1String(c.host), QLatin1String(c.home), QString::fromUtf8(c.installed));
        EXPECT_EQ(pages.help, QLatin1String(c.help));
        EXPECT_EQ(pages.download, QLatin1String(c.download));
        EXPECT_EQ(pages.home, QLatin1String(c.homePage));
        // The browser is handed an address that reads back as the same file.
        if (!*c.host) {
            EXPECT_EQ(QUrl(pages.download).toLocalFile(), QString::fromUtf8(c.installed));
            EXPECT_EQ(QUrl(pages.download).fragment(), QStringLiteral("updates"));
        }
    }
}

// The help page is found where the installation puts it relative to the program, which the
// build tree repeats; elsewhere, in the system's data folders.
TEST(Pages, TheInstalledHelpIsFoundFromTheProgramsFolder) {
    const QString beside = InstalledHelpPage(QCoreApplication::applicationDirPath());
    EXPECT_TRUE(QFile::exists(beside)) << beside.toStdString();
    QFile page(beside);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    for (const char* part : {"id=\"updates\"", "id=\"about\"", "<title>Kestrava Help</title>"})
        EXPECT_TRUE(html.contains(part)) << part;

    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("kestrava/help")));
    const QString inData = data.filePath(QStringLiteral("kestrava/help/kestrava-help.html"));
    ASSERT_TRUE(QFile::copy(beside, inData));
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", data.path().toLocal8Bit());
    const QString elsewhere = InstalledHelpPage(data.filePath(QStringLiteral("no/bin")));
    // Where only the English page is installed, it opens in Hindi too.
    const QString inHindi =
        InstalledHelpPage(data.filePath(QStringLiteral("no/bin")), Language::Hindi);
    qputenv("XDG_DATA_DIRS", dataDirs);
    EXPECT_EQ(elsewhere, inData);
    EXPECT_EQ(inHindi, inData);
}

// The sections of a help page, by their ids, which the addresses of the pages point into.
QStringList SectionIds(const QString& path) {
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression id(QStringLiteral("\\bid=\"([^\"]+)\""));
    QStringList ids;
    for (const QRegularExpressionMatch& match : id.globalMatch(QString::fromUtf8(page.readAll())))
        ids << match.captured(1);
    return ids;
}

// In Hindi the help opens in Hindi: a page of the same sections as the English one, so that the
// download and about addresses find their part.
TEST(Pages, TheHelpOpensInTheWindowsLanguage) {
    const QString folder = QCoreApplication::applicationDirPath();
    const QString english = InstalledHelpPage(folder, Language::English);
    const QString hindi = InstalledHelpPage(folder, Language::Hindi);
    EXPECT_TRUE(hindi.endsWith(QStringLiteral("/kestrava-help.hi.html"))) << hindi.toStdString();
    QFile page(hindi);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"hi\">")));
    EXPECT_TRUE(html.contains(QStringLiteral("<title>Kestrava सहायता</title>")));
    EXPECT_GT(SectionIds(english).size(), 10);
    EXPECT_EQ(SectionIds(hindi), SectionIds(english));
    // Both take their look from the stylesheet beside them.
    EXPECT_TRUE(
        QFileInfo::exists(QFileInfo(hindi).dir().filePath(QStringLiteral("kestrava-help.css"))));

    // The addresses follow the windows' language where no web host is configured.
    const QString englishAddress = OnlineHelpAddress();
    SetLanguage(Language::Hindi);
    const QString hindiAddress = OnlineHelpAddress();
    const QString hindiDownload = DownloadPageAddress();
    SetLanguage(Language::English);
    if (englishAddress.startsWith(QStringLiteral("file:"))) {
        EXPECT_EQ(QUrl(hindiAddress).toLocalFile(), hindi);
        EXPECT_EQ(QUrl(hindiDownload).fragment(), QStringLiteral("updates"));
        EXPECT_EQ(QUrl(englishAddress).toLocalFile(), english);
    } else {
        EXPECT_EQ(hindiAddress, englishAddress);
    }
}

using PagesTest = MainWindowTest;

TEST_F(PagesTest, EachMenuEntryAndTheBannerOpenTheirPage) {
    const std::pair<const char*, QString> entries[] = {{"mnuOnline", OnlineHelpAddress()},
                                                       {"mnuUpdate", DownloadPageAddress()},
                                                       {"mnuVisit", HomePageAddress()}};
    for (const auto& [action, page] : entries) {
        platform.openedAddresses.clear();
        ASSERT_TRUE(ChooseFromMenu(window, "mnuHelp", action)) << action;
        EXPECT_EQ(platform.openedAddresses, QStringList{page}) << action;
    }
    platform.openedAddresses.clear();
    click("Label10");
    EXPECT_EQ(platform.openedAddresses, QStringList{HomePageAddress()});
    EXPECT_TRUE(platform.messages.isEmpty());
}

// The about box opens modally from the menu; its links open the home page and the help with a
// click and from the keyboard, and leave the box open; OK closes it, and it is gone.
TEST_F(PagesTest, TheAboutBoxOpensTheHomePageAndClosesWithOK) {
    bool shown = false;
    WhenModalActive([&](QWidget* modal) {
        auto* about = qobject_cast<frmAbout*>(modal);
        if (!about) {
            modal->close();
            return;
        }
        shown = true;
        auto* lblHomePage = about->findChild<QLabel*>(QStringLiteral("lblHomePage"));
        auto* lblHelp = about->findChild<QLabel*>(QStringLiteral("lblHelp"));
        ASSERT_NE(lblHomePage, nullptr);
        ASSERT_NE(lblHelp, nullptr);
        QTest::mouseClick(lblHomePage, Qt::LeftButton);
        EXPECT_EQ(FocusName(), QStringLiteral("cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(FocusName(), QStringLiteral("lblHomePage"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(FocusName(), QStringLiteral("lblHelp"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::mouseClick(lblHelp, Qt::LeftButton);
        EXPECT_EQ(platform.openedAddresses,
                  (QStringList{HomePageAddress(), HomePageAddress(), OnlineHelpAddress(),
                               OnlineHelpAddress()}));
        EXPECT_TRUE(about->isVisible()) << "the link closed the box";
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    ASSERT_TRUE(ChooseFromMenu(window, "mnuHelp", "mnuAbout"));
    EXPECT_TRUE(shown) << "the about box did not open";
    EXPECT_EQ(window.findChild<frmAbout*>(), nullptr) << "the about box outlived its closing";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Only an empty text is missing: blanks are handed on as they stand. The look-up fills in
// nothing.
TEST_F(PagesTest, LookUpAsksForEachMissingNameInTurnAndHandsOnTheTextUntrimmed) {
    const struct {
        const char *city, *state, *country;
        const char* message; // or the search text when there is none
        const char* focus = nullptr;
    } cases[] = {
        {"", "", "", "Please Enter City", "txtMCity"},
        {"", "Maharashtra", "India", "Please Enter City", "txtMCity"},
        {"Pune", "", "", "Please Enter State", "txtMState"},
        {"Pune", "", "India", "Please Enter State", "txtMState"},
        {"Pune", "Maharashtra", "", "Please Enter Country", "txtMCountry"},
        {"Pune", "Maharashtra", "India", "Pune Maharashtra India Latitude Longitude"},
        {"  ", "Maharashtra", "India", "   Maharashtra India Latitude Longitude"},
        {" Pune ", " ", "India ", " Pune    India  Latitude Longitude"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.city) + '|' + c.state + '|' + c.country);
        platform.placeSearches.clear();
        set({{"txtMCity", c.city}, {"txtMState", c.state}, {"txtMCountry", c.country}});
        box("txtName")->setFocus();
        if (c.focus) {
            expectMessage("cmdBrowser", QLatin1String(c.message),
                          Platform::MessageIcon::Information, c.focus);
            EXPECT_TRUE(platform.placeSearches.isEmpty());
        } else {
            platform.messages.clear();
            click("cmdBrowser");
            EXPECT_TRUE(platform.messages.isEmpty());
            EXPECT_EQ(platform.placeSearches, (QVector<QPair<QString, QString>>{
                                                  {QLatin1String(c.message), HomePageAddress()}}));
        }
        for (const char* name : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"})
            EXPECT_EQ(box(name)->text(), QString()) << name;
    }
    EXPECT_TRUE(platform.openedAddresses.isEmpty());
}

// Characters that would end or change the query, and the escape character itself, are encoded;
// the browser is handed the address exactly as built.
TEST(PlaceSearch, OpensAWebSearchForTheTextPercentEncoded) {
    const std::pair<const char*, const char*> cases[] = {
        {"Pune Maharashtra India", "Pune%20Maharashtra%20India"},
        {"   Maharashtra", "%20%20%20Maharashtra"},
        {"S\xC3\xA3o Paulo", "S%C3%A3o%20Paulo"},
        {"A&B=C #1 50%+ x/y?", "A%26B%3DC%20%231%2050%25%2B%20x%2Fy%3F"},
        {"Saint-Jean_d'Arc~", "Saint-Jean_d%27Arc~"},
    };
    for (const auto& [text, encoded] : cases) {
        QStringList opened;
        const PlaceSearch search([&opened](const QString& address) {
            opened << address;
            return true;
        });
        EXPECT_TRUE(search.Search(QString::fromUtf8(text), HomePageAddress()));
        const QString expected = QStringLiteral(KESTRAVA_PLACE_SEARCH) + QLatin1String(encoded);
        ASSERT_EQ(opened, QStringList{expected}) << text;
        EXPECT_EQ(QUrl(expected, QUrl::StrictMode).toString(QUrl::FullyEncoded), expected) << text;
    }
}

} // namespace
