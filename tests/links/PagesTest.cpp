// The pages and the controls that open them, the about box, the place look-up and the place
// search, driven with real clicks on the main window and the about box.
#include "app/CalculationRecord.h"
#include "app/frmMain.h"
#include "links/PlaceSearch.h"
#include "links/WindowDriving.h"
#include "links/frmAbout.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// The pages on the hosts this build was configured with.
const QString HelpPage = QStringLiteral(KESTRAVA_SOFTWARE_HOST "/kestrava-help.html");
const QString DownloadPage = QStringLiteral(KESTRAVA_SOFTWARE_HOST "/download-kestrava.html");
const QString HomePage = QStringLiteral(KESTRAVA_MAKER_HOME);

class PagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    template <typename W = QWidget> W* find(const char* name) {
        W* widget = window.findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << "no control named " << name;
        return widget;
    }
    QString focusName() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    FakePlatform platform;
    CalculationRecord record;
    frmMain window{record, platform};
};

TEST_F(PagesTest, EachMenuEntryAndTheBannerOpenTheirPage) {
    const struct {
        const char* action;
        QString page;
    } entries[] = {
        {"mnuOnline", HelpPage},
        {"mnuUpdate", DownloadPage},
        {"mnuVisit", HomePage},
    };
    for (const auto& entry : entries) {
        platform.openedAddresses.clear();
        ASSERT_TRUE(ChooseFromMenu(window, "mnuHelp", entry.action)) << entry.action;
        EXPECT_EQ(platform.openedAddresses, QStringList{entry.page}) << entry.action;
    }

    platform.openedAddresses.clear();
    QTest::mouseClick(find<QLabel>("Label10"), Qt::LeftButton);
    EXPECT_EQ(platform.openedAddresses, QStringList{HomePage});
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(PagesTest, AboutBoxShowsModallyOpensTheHomePageAndClosesWithOK) {
    QStringList shown; // the about boxes seen, one per opening
    for (int opening = 0; opening < 2; ++opening) {
        platform.openedAddresses.clear();
        WhenModalShown([&](QWidget* modal) {
            auto* about = qobject_cast<frmAbout*>(modal);
            if (!about) {
                modal->close();
                return;
            }
            shown << QString::number(reinterpret_cast<quintptr>(about), 16);
            EXPECT_TRUE(about->isModal());
            EXPECT_EQ(about->windowTitle(), QStringLiteral("Kestrava v1.15"));
            QStringList texts;
            for (const QLabel* label : about->findChildren<QLabel*>())
                texts << label->text();
            EXPECT_TRUE(texts.contains(QStringLiteral("Kestrava v1.15")))
                << texts.join('|').toStdString();
            EXPECT_TRUE(texts.contains(QStringLiteral(
                "Kestrava calculates the Lunar Day based on Vedic Astrology. Tithis are said to "
                "be good or bad and are important in timing of events.")));
            const auto frames = about->findChildren<QFrame*>();
            EXPECT_TRUE(std::any_of(frames.begin(), frames.end(), [](const QFrame* frame) {
                return frame->frameShape() == QFrame::HLine;
            })) << "no separating line";

            auto* lblHomePage = about->findChild<QLabel*>(QStringLiteral("lblHomePage"));
            ASSERT_NE(lblHomePage, nullptr);
            EXPECT_TRUE(lblHomePage->text().contains(HomePage))
                << lblHomePage->text().toStdString();
            EXPECT_EQ(lblHomePage->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(lblHomePage, Qt::LeftButton);
            EXPECT_EQ(platform.openedAddresses, QStringList{HomePage});
            EXPECT_TRUE(about->isVisible()) << "the link closed the box";

            auto* cmdOK = about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
            ASSERT_NE(cmdOK, nullptr);
            EXPECT_EQ(cmdOK->text(), QStringLiteral("OK"));
            QTest::mouseClick(cmdOK, Qt::LeftButton);
        });
        ASSERT_TRUE(ChooseFromMenu(window, "mnuHelp", "mnuAbout"));
        EXPECT_EQ(shown.size(), opening + 1) << "the about box did not open";
        EXPECT_EQ(window.findChild<frmAbout*>(), nullptr) << "the about box outlived its closing";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST(AboutBox, TheHomePageLinkWorksFromTheKeyboard) {
    FakePlatform platform;
    frmAbout about(platform);
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("lblHomePage"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(platform.openedAddresses, QStringList{HomePage});
    EXPECT_TRUE(about.isVisible());
}

TEST_F(PagesTest, LookUpAsksForEachMissingNameInTurnAndHandsOnTheTextUntrimmed) {
    const struct {
        const char* city;
        const char* state;
        const char* country;
        const char* message; // nullptr: the search goes ahead
        const char* focus;
        const char* searchText;
    } cases[] = {
        {"", "", "", "Please Enter City", "txtMCity", nullptr},
        {"", "Maharashtra", "India", "Please Enter City", "txtMCity", nullptr},
        {"Pune", "", "", "Please Enter State", "txtMState", nullptr},
        {"Pune", "", "India", "Please Enter State", "txtMState", nullptr},
        {"Pune", "Maharashtra", "", "Please Enter Country", "txtMCountry", nullptr},
        {"Pune", "Maharashtra", "India", nullptr, nullptr,
         "Pune Maharashtra India Latitude Longitude"},
        // Only an empty text is missing; blanks are handed on as they stand.
        {"  ", "Maharashtra", "India", nullptr, nullptr, "   Maharashtra India Latitude Longitude"},
        {" Pune ", " ", "India ", nullptr, nullptr, " Pune    India  Latitude Longitude"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("city \"") + c.city + "\", state \"" + c.state + "\", country \"" +
                     c.country + '"');
        platform.messages.clear();
        platform.placeSearches.clear();
        find<QLineEdit>("txtMCity")->setText(QString::fromUtf8(c.city));
        find<QLineEdit>("txtMState")->setText(QString::fromUtf8(c.state));
        find<QLineEdit>("txtMCountry")->setText(QString::fromUtf8(c.country));
        find<QLineEdit>("txtName")->setFocus();

        QTest::mouseClick(find<QPushButton>("cmdBrowser"), Qt::LeftButton);

        if (c.message) {
            ASSERT_EQ(platform.messageTexts(), QStringList{QString::fromUtf8(c.message)});
            EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Information);
            EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::Ok);
            EXPECT_EQ(focusName(), QLatin1String(c.focus));
            EXPECT_TRUE(platform.placeSearches.isEmpty());
        } else {
            EXPECT_TRUE(platform.messages.isEmpty());
            ASSERT_EQ(platform.placeSearches.size(), 1);
            EXPECT_EQ(platform.placeSearches[0].first, QString::fromUtf8(c.searchText));
            EXPECT_EQ(platform.placeSearches[0].second, HomePage);
        }
        // The look-up fills in nothing.
        for (const char* box : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"})
            EXPECT_TRUE(find<QLineEdit>(box)->text().isEmpty()) << box;
    }
    EXPECT_TRUE(platform.openedAddresses.isEmpty());
}

TEST(PlaceSearch, OpensAWebSearchForTheTextPercentEncoded) {
    const struct {
        const char* text;
        const char* encoded;
    } cases[] = {
        {"Pune Maharashtra India Latitude Longitude",
         "Pune%20Maharashtra%20India%20Latitude%20Longitude"},
        {"   Maharashtra India Latitude Longitude",
         "%20%20%20Maharashtra%20India%20Latitude%20Longitude"},
        {"S\xC3\xA3o Paulo SP Brasil Latitude Longitude",
         "S%C3%A3o%20Paulo%20SP%20Brasil%20Latitude%20Longitude"},
        // Characters that would end or change the query, and the escape character itself.
        {"A&B=C #1 50%+ x/y? Latitude Longitude",
         "A%26B%3DC%20%231%2050%25%2B%20x%2Fy%3F%20Latitude%20Longitude"},
        {"Saint-Jean_d'Arc~ Latitude Longitude", "Saint-Jean_d%27Arc~%20Latitude%20Longitude"},
    };
    for (const auto& c : cases) {
        QStringList opened;
        const PlaceSearch search([&opened](const QString& address) {
            opened << address;
            return true;
        });
        EXPECT_TRUE(search.Search(QString::fromUtf8(c.text), HomePage));
        const QString expected = QStringLiteral(KESTRAVA_PLACE_SEARCH) + QLatin1String(c.encoded);
        ASSERT_EQ(opened, QStringList{expected}) << c.text;
        const QUrl url(opened[0], QUrl::StrictMode);
        EXPECT_TRUE(url.isValid()) << c.text;
        // The browser is handed the address exactly as built.
        EXPECT_EQ(url.toString(QUrl::FullyEncoded), expected) << c.text;
    }
}

} // namespace
