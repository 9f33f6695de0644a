// SPDX-License-Identifier: MIT
// The main window: the banner, the menus, the input and results panels in one place, the input
// checks and the Calculate flow.
#pragma once

#include "engine/base/Place.h"
#include "engine/input/PlaceReading.h"
#include "engine/report/TithiDay.h"
#include "platform/Platform.h"
#include "ui/TranslatedTexts.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CalendarMenu;
class CivilClock;
class DayPanel;
class ValueLabel;
class InputPanel;
class LinkLabel;
class NamedZoneClock;
class NamedZoneInput;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QStackedLayout;
class ResultPanel;
class SkyMenu;
enum class FormMessage;
enum class Language;
struct CalculationRecord;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // The window works on the program's one calculation record and reaches the desktop only
    // through the platform seam.
    frmMain(CalculationRecord& record, Platform& platform, QWidget* parent = nullptr);

    // The event handlers of the window.
    void cmdCalculate_Click();
    void mnuCalculate_Click();
    void cmdBack_Click();
    void lblTZHelp_Click();
    void cmdBrowser_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void Label10_Click();
    // File: the date and time set to now, and the home place saved and cleared.
    void mnuNow_Click();
    void mnuSaveHome_Click();
    void mnuClearHome_Click();
    // Language: the windows change to the chosen language at once, and it is remembered.
    void mnuLanguage_Click(Language language);
    // Western digits: dates and times in 0–9 at once, remembered.
    void mnuWesternDigits_Click(bool western);
    // A numeric box refused a key that types no digit.
    void NumericBox_Refused(QLineEdit* box);

    // Shows the report of the record's tithi index in the nine value labels.
    void ShowTithiReport();

    // Shows when the tithi began and ends, the tithi at sunrise and the karana below the report;
    // the lines stay empty when the moment has no tithi.
    void ShowTithiDay();

    // Shows the day's panchanga at an instant (Julian day, Universal Time: the entered moment),
    // the place and its clock, below the tithi's lines.
    void ShowDayPanchanga(double jd, const Place& place, const CivilClock& clock);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createWidgets();
    void createMenus();
    void createLayout();
    void createConnections();
    void createHomeMenuEntries(QMenu* mnuFile);
    void Form_Load();
    // Brings a panel (fraMain or fraResult) to the front, scrolled to its top.
    void showPanel(QWidget* panel);
    bool isPanelInFront(const QWidget* panel) const;
    // Fills the place fields from the saved home place, if there is one.
    void restoreHomePlace();

    bool ValidateInputs();
    bool CopyInputsToRecord();
    // The offset in force at the entered reading of a named zone: for a reading the clocks
    // skip, none (the user is told); for one they repeat, the occurrence the user chooses.
    struct ZoneReading {
        double OffsetHours{};
        enum class Occurrence { Only, First, Second } Which{}; // of a reading the clocks repeat
        QString Time;                                          // "1:30", where repeated
    };
    std::optional<ZoneReading> ResolveEnteredReading(const NamedZoneClock& zone);
    // The tithi of the moment on a named zone: the report, and the day's lines with each
    // instant read with the offset in force then.
    void ComputeOnNamedZone(const NamedZoneClock& zone, const ZoneReading& reading);
    // The lines below the report and the zone's line, from the day and zone last computed.
    void showTithiDayLines();
    void showResultZone();
    // The place of the calculation: the record's degrees and minutes, or the place of the
    // directory that filled them, at its full precision.
    Place placeOfRecord() const;
    // The line above the report: the name, the date and time, the place, as last calculated.
    void showQueryLine();
    // Shows one of the form's messages with its icon, its values put in.
    Platform::MessageAnswer Say(FormMessage message, const QStringList& values = {},
                                Platform::MessageButtons buttons = Platform::MessageButtons::Ok);

    CalculationRecord& record_;
    Platform& platform_;

    QAction* mnuCalculate{};
    QAction* mnuQuit{};
    QAction* mnuNow{};
    QAction* mnuSaveHome{};
    QAction* mnuClearHome{};
    QAction* mnuOnline{};
    QAction* mnuVisit{};
    QAction* mnuUpdate{};
    QAction* mnuAbout{};
    std::vector<std::pair<Language, QAction*>> mnuLanguages; // the table's order, "mnuHindi"
    QAction* mnuWesternDigits{};

    CalendarMenu* calendar_{}; // the Calendar menu and its windows
    SkyMenu* sky_{};           // the Options menu: the ephemeris and the ayanamsa

    LinkLabel* Label10{};
    // The two panels share one place; one of them is in front.
    QStackedLayout* panels{};
    QScrollArea* scrollMain{}; // around each panel, for a window smaller than it needs
    QScrollArea* scrollResult{};
    InputPanel* fraMain{};
    ResultPanel* fraResult{};
    // The zone the results were read on, when it is a named zone.
    ValueLabel* lblResultZone{};
    NamedZoneInput* namedZone{};
    DayPanel* dayPanel{}; // the day's panchanga

    // What the results show, kept so that they can be told again in another language.
    bool reportShown_ = false;
    std::optional<TithiDay> shownDay_;
    std::optional<Place> exactPlace_;      // the directory's place of the last calculation
    std::optional<PlaceInput> impossible_; // the coordinate that no place on the Earth has
    struct ResultZone {
        std::shared_ptr<const NamedZoneClock> Zone; // the named zone the times were read on
        double MomentJd{};                          // the entered moment, Universal Time
        ZoneReading Reading;
    };
    std::optional<ResultZone> shownZone_;
    struct Query {
        QString Name;
        int Year{}, Month{}, Day{}, Hour{}, Minute{};
        std::function<QString()> Place; // described in the language of the moment
    };
    std::optional<Query> shownQuery_;
    TranslatedTexts texts_;
};
