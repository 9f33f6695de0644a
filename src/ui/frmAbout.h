// The about box: the program's picture, title, description, the maker's home page and the help.
#pragma once

#include <QDialog>

class LinkLabel;
class Platform;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Created for each opening; the home-page link opens through the platform seam.
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);

    void lblHomePage_Click();
    void lblHelp_Click();
    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LinkLabel* makeLink(const QString& text, const QString& objectName,
                        const QString& accessibleName, const QString& address);

    Platform& platform_;
    LinkLabel* lblHomePage{};
    LinkLabel* lblHelp{};
    QPushButton* cmdOK{};
};
