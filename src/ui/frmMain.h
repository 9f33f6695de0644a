// The main window: the banner, the menus, the input and results panels in one place, the input
// checks and the Calculate flow.
#pragma once

#include "platform/Platform.h"

#include <QMainWindow>
#include <QStringList>
#include <optional>

class CalendarMenu;
class CivilClock;
class DayPanel;
class ValueLabel;
struct Place;
class InputPanel;
class LinkLabel;
class NamedZoneClock;
class NamedZoneInput;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QStackedLayout;
class ResultPanel;
enum class FormMessage;
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

private:
    void createWidgets();
    void createMenus();
    void createLayout();
    void createConnections();
    void createHomeMenuEntries(QMenu* mnuFile);
    void Form_Load();
    // Fills the place fields from the saved home place, if there is one.
    void restoreHomePlace();

    bool ValidateInputs();
    bool CopyInputsToRecord();
    // The offset in force at the entered reading of a named zone: for a reading the clocks
    // skip, none (the user is told); for one they repeat, the occurrence the user chooses.
    struct ZoneReading {
        double OffsetHours{};
        QString Occurrence; // "the first 1:30", "the second 1:30"; empty where there is one
    };
    std::optional<ZoneReading> ResolveEnteredReading(const NamedZoneClock& zone);
    // The tithi of the moment on a named zone: the report, and the day's lines with each
    // instant read with the offset in force then.
    void ComputeOnNamedZone(const NamedZoneClock& zone, const ZoneReading& reading);
    // Shows one of the form's messages with its icon, its values put in.
    Platform::MessageAnswer Say(FormMessage message, const QStringList& values = {},
                                Platform::MessageButtons buttons = Platform::MessageButtons::Ok);

    CalculationRecord& record_;
    Platform& platform_;

    QAction* mnuCalculate{};
    QAction* mnuNow{};
    QAction* mnuSaveHome{};
    QAction* mnuClearHome{};
    QAction* mnuOnline{};
    QAction* mnuVisit{};
    QAction* mnuUpdate{};
    QAction* mnuAbout{};

    CalendarMenu* calendar_{}; // the Calendar menu and its windows

    LinkLabel* Label10{};
    // The two panels share one place; one of them is in front.
    QStackedLayout* panels{};
    InputPanel* fraMain{};
    ResultPanel* fraResult{};
    // The zone the results were read on, when it is a named zone.
    ValueLabel* lblResultZone{};
    NamedZoneInput* namedZone{};
    DayPanel* dayPanel{}; // the day's panchanga
};
