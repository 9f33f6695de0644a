// The about box: the program's picture, title, description and the maker's home page.
#pragma once

#include <QDialog>

class Platform;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);

private:
    Platform& platform_;
};
