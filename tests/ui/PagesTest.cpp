// The pages and the controls that open them, the about box, the place look-up and the place
// search, driven with real clicks on the main window and the about box.
#include "platform/PlaceSearch.h"
#include "ui/frmAbout.h"
#include "support/MainWindowTest.h"
#include "support/WindowDriving.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

// The pages on the hosts this build was configured with.
const QString HelpPage = QStringLiteral(KESTRAVA_SOFTWARE_HOST "/kestrava-help.html");
const QString DownloadPage = QStringLiteral(KESTRAVA_SOFTWARE_HOST "/download-kestrava.html");
const QString HomePage = QStringLiteral(KESTRAVA_MAKER_HOME);

using PagesTest = MainWindowTest;

TEST_F(PagesTest, EachMenuEntryAndTheBannerOpenTheirPage) {
    const std::pair<const char*, QString> entries[] = {
        {"mnuOnline", HelpPage}, {"mnuUpdate", DownloadPage}, {"mnuVisit", HomePage}};
    for (const auto& [action, page] : entries) {
        platform.openedAddresses.clear();
        ASSERT_TRUE(ChooseFromMenu(window, "mnuHelp", action)) << action;
        EXPECT_EQ(platform.openedAddresses, QStringList{page}) << action;
    }
    platform.openedAddresses.clear();
    click("Label10");
    EXPECT_EQ(platform.openedAddresses, QStringList{HomePage});
    EXPECT_TRUE(platform.messages.isEmpty());
}

// The about box opens modally from the menu; its link opens the home page with a click and from
// the keyboard, and leaves the box open; OK closes it, and it is gone.
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
        ASSERT_NE(lblHomePage, nullptr);
        QTest::mouseClick(lblHomePage, Qt::LeftButton);
        EXPECT_EQ(FocusName(), QStringLiteral("cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(FocusName(), QStringLiteral("lblHomePage"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_EQ(platform.openedAddresses, (QStringList{HomePage, HomePage}));
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
            EXPECT_EQ(platform.placeSearches,
                      (QVector<QPair<QString, QString>>{{QLatin1String(c.message), HomePage}}));
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
        EXPECT_TRUE(search.Search(QString::fromUtf8(text), HomePage));
        const QString expected = QStringLiteral(KESTRAVA_PLACE_SEARCH) + QLatin1String(encoded);
        ASSERT_EQ(opened, QStringList{expected}) << text;
        EXPECT_EQ(QUrl(expected, QUrl::StrictMode).toString(QUrl::FullyEncoded), expected) << text;
    }
}

} // namespace
