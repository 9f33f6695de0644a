// SPDX-License-Identifier: MIT
// The about box: the program's picture, title, description, the maker's home page, the help, and
// the credit for the place data with its licence.
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
    // Opens the licence of the place data.
    void lblPlaceLicence_Click();
    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    LinkLabel* makeLink(const QString& text, const QString& objectName,
                        const QString& accessibleName, const QString& address);

    Platform& platform_;
    LinkLabel* lblHomePage{};
    LinkLabel* lblHelp{};
    LinkLabel* lblPlaceLicence{};
    QPushButton* cmdOK{};
};
