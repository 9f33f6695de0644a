// SPDX-License-Identifier: MIT
// Export of the calendar: an iCalendar file of a range of dates (each day's tithi at sunrise, each
// tithi's span, or the vrata days) for calendar programs, or a PDF with a printable month on each
// page; saved through the platform seam, whole or not at all.
#pragma once

#include "ui/CalendarPlace.h"

#include <QDate>
#include <QDialog>

class Platform;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class frmExport : public QDialog {
    Q_OBJECT
public:
    enum class Format { Calendar, Pdf };

    // Opens with one format chosen; the ranges start from the date given (its year for the
    // calendar file, its month for the PDF).
    frmExport(Platform& platform, const CalendarPlace& place, Format format, const QDate& around,
              QWidget* parent = nullptr);

    // Asks where to save the chosen file, makes it and writes it; a file that cannot be written
    // is said so, and the dialog stays open to try another place.
    void save();

private:
    void createWidgets();
    void createLayout();
    void formatChosen();
    // The file's name, in the folder of the last export or the user's documents.
    QString suggestedPath() const;

    Platform& platform_;
    CalendarPlace place_;

    QRadioButton* optCalendar{};
    QRadioButton* optPdf{};
    QGroupBox* fraCalendar{};
    QDateEdit* dteFrom{};
    QDateEdit* dteTo{};
    QRadioButton* optDays{};
    QRadioButton* optSpans{};
    QRadioButton* optVrata{};
    QComboBox* cboReckoning{};
    QGroupBox* fraPdf{};
    QDateEdit* dteFirstMonth{};
    QDateEdit* dteLastMonth{};
    QRadioButton* optA4{};
    QRadioButton* optLetter{};
    QLabel* lblPlace{};
    QPushButton* cmdSave{};
    QPushButton* cmdCancel{};
};
