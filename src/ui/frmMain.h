// The main window: the input panel, the results panel, the input checks and the Calculate flow.
#pragma once

#include <QMainWindow>
#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedLayout;
class LinkLabel;
class Platform;
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

    // Shows the report of the record's tithi index in the nine value labels.
    void ShowTithiReport();

    // Shows when the tithi began and ends, the tithi at sunrise and the karana below the report;
    // the lines stay empty when the moment has no tithi.
    void ShowTithiDay();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createWidgets();
    void createInputPanel();
    void createResultPanel();
    void createMenus();
    void createLayout();
    void createTabOrder();
    void createConnections();
    void Form_Load();

    bool ValidateInputs();
    bool CopyInputsToRecord();
    bool IsNumericBox(QObject* object) const;

    CalculationRecord& record_;
    Platform& platform_;

    // Menus.
    QAction* mnuCalculate{};
    QAction* mnuOnline{};
    QAction* mnuVisit{};
    QAction* mnuUpdate{};
    QAction* mnuAbout{};

    LinkLabel* Label10{};
    QStackedLayout* panels{};

    // The input panel.
    QFrame* fraMain{};
    QLineEdit* txtName{};
    QComboBox* cboMonth{};
    QComboBox* cboDate{};
    QComboBox* cboYear{};
    QComboBox* cboHH{};
    QComboBox* cboMM{};
    QComboBox* cboSS{};
    QGroupBox* fraLongitude{};
    QLineEdit* txtLonD{};
    QLineEdit* txtLonM{};
    std::array<QRadioButton*, 2> optLong{};
    QGroupBox* fraLatitude{};
    QLineEdit* txtLatD{};
    QLineEdit* txtLatM{};
    std::array<QRadioButton*, 2> optLat{};
    QGroupBox* fraLookUp{};
    QLineEdit* txtMCity{};
    QLineEdit* txtMState{};
    QLineEdit* txtMCountry{};
    QPushButton* cmdBrowser{};
    QPushButton* cmdCalculate{};
    QGroupBox* fraZone{};
    QLineEdit* txtZoneHour{};
    QLineEdit* txtZoneMinute{};
    QCheckBox* chkDST{};
    LinkLabel* lblTZHelp{};

    // The results panel.
    QGroupBox* fraResult{};
    QPushButton* cmdBack{};
    std::array<QLabel*, 8> lblLabel{};
    std::array<QLabel*, 9> lblResult{};
    QLabel* lblTithiTimes{};
    QLabel* lblSunrise{};
    QLabel* lblKarana{};
};
