// SPDX-License-Identifier: MIT
// The export dialog: the choices of each format, the save dialog and the writing through the
// platform seam.
#include "ui/frmExport.h"

#include "engine/calendar/CalendarExport.h"
#include "platform/AppInfo.h"
#include "platform/Platform.h"
#include "ui/CalendarFileTexts.h"
#include "ui/CalendarTexts.h"
#include "ui/Controls.h"
#include "ui/Languages.h"
#include "ui/MonthPdf.h"
#include "ui/Settings.h"
#include "ui/TraditionChoice.h"
#include "ui/WindowFit.h"
#include "ui/frmMonth.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// The longest ranges: ten years of days, ten years of pages.
constexpr int MostCalendarDays = 3653;
constexpr int MostPdfMonths = 120;

QDateEdit* DateBox(const char* objectName, const QString& accessibleName, const QString& format) {
    auto* box = Named(new QDateEdit, objectName, accessibleName);
    box->setDisplayFormat(format);
    box->setCalendarPopup(true);
    box->setDateRange(QDate(1901, 1, 1), QDate(2050, 12, 31));
    return box;
}

double JulianDayOf(const QDateTime& moment) {
    return moment.toMSecsSinceEpoch() / 86400000.0 + 2440587.5;
}

} // namespace

frmExport::frmExport(Platform& platform, const CalendarPlace& place, Format format,
                     const QDate& around, QWidget* parent)
    : QDialog(parent), platform_(platform), place_(place) {
    setObjectName(QStringLiteral("frmExport"));
    ShowFocusFromStart(this);
    setWindowTitle(tr("Export - %1").arg(AppTitle()));
    createWidgets();
    createLayout();
    const QDate date = around.isValid() ? around : QDate(2000, 1, 1);
    dteFrom->setDate(QDate(date.year(), 1, 1));
    dteTo->setDate(QDate(date.year(), 12, 31));
    dteFirstMonth->setDate(QDate(date.year(), date.month(), 1));
    dteLastMonth->setDate(QDate(date.year(), date.month(), 1));
    (format == Format::Pdf ? optPdf : optCalendar)->setChecked(true);
    formatChosen();
    cmdSave->setFocus();
}

void frmExport::createWidgets() {
    optCalendar = Named(new QRadioButton(tr("&iCalendar file, for calendar programs (.ics)")),
                        "optCalendar", tr("iCalendar file"));
    optPdf =
        Named(new QRadioButton(tr("&PDF, a printable month on each page")), "optPdf", tr("PDF"));
    auto* formats = new QButtonGroup(this);
    formats->addButton(optCalendar);
    formats->addButton(optPdf);
    connect(optCalendar, &QRadioButton::toggled, this, &frmExport::formatChosen);

    fraCalendar = Named(new QGroupBox(tr("iCalendar file")), "fraCalendar", tr("iCalendar file"));
    dteFrom = DateBox("dteFrom", tr("From"), QLatin1String(DateFormat));
    dteTo = DateBox("dteTo", tr("To"), QLatin1String(DateFormat));
    optDays = Named(new QRadioButton(tr("Each &day's tithi at sunrise (all-day events)")),
                    "optDays", tr("Each day's tithi at sunrise"));
    optSpans = Named(new QRadioButton(tr("Each tithi from its &begin to its end (timed events)")),
                     "optSpans", tr("Each tithi from its begin to its end"));
    optVrata = Named(new QRadioButton(tr("The &vrata days: Ekadashi, Purnima and Amavasya")),
                     "optVrata", tr("The vrata days"));
    optFestivals = Named(new QRadioButton(tr("The festivals, each on its day by its r&ule")),
                         "optFestivals", tr("The festivals"));
    optDays->setChecked(true);
    cboReckoning = Named(new QComboBox, "cboReckoning", tr("Months named"));
    cboReckoning->addItem(tr("Amanta (new moon to new moon)"));
    cboReckoning->addItem(tr("Purnimanta (full moon to full moon)"));

    fraPdf = Named(new QGroupBox(tr("PDF")), "fraPdf", tr("PDF"));
    dteFirstMonth = DateBox("dteFirstMonth", tr("First Month"), QStringLiteral("MMMM yyyy"));
    dteLastMonth = DateBox("dteLastMonth", tr("Last Month"), QStringLiteral("MMMM yyyy"));
    optA4 = Named(new QRadioButton(tr("A&4")), "optA4", tr("A4"));
    optLetter = Named(new QRadioButton(tr("&Letter")), "optLetter", tr("Letter"));
    auto* papers = new QButtonGroup(this);
    papers->addButton(optA4);
    papers->addButton(optLetter);
    const QString paper = ReadSettings(platform_).exportPaper;
    (paper == QLatin1String("Letter") ? optLetter : optA4)->setChecked(true);

    lblPlace = Named(new QLabel(tr("At %1").arg(place_.Description)), "lblPlace", tr("Place"));
    lblPlace->setWordWrap(true);
    cmdSave = Named(new QPushButton(tr("&Save...")), "cmdSave", tr("Save"));
    cmdSave->setDefault(true);
    cmdCancel = Named(new QPushButton(tr("Cancel")), "cmdCancel", tr("Cancel"));
    connect(cmdSave, &QPushButton::clicked, this, &frmExport::save);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmExport::createLayout() {
    auto* calendar = new QGridLayout(fraCalendar);
    calendar->addWidget(Caption(tr("&From"), dteFrom), 0, 0);
    calendar->addWidget(dteFrom, 0, 1);
    calendar->addWidget(Caption(tr("&To"), dteTo), 0, 2);
    calendar->addWidget(dteTo, 0, 3);
    calendar->addWidget(optDays, 1, 0, 1, 4);
    calendar->addWidget(optSpans, 2, 0, 1, 4);
    calendar->addWidget(optVrata, 3, 0, 1, 4);
    calendar->addWidget(optFestivals, 4, 0, 1, 4);
    calendar->addWidget(Caption(tr("&Months named"), cboReckoning), 5, 0);
    calendar->addWidget(cboReckoning, 5, 1, 1, 3);
    calendar->setColumnStretch(3, 1);

    auto* pdf = new QGridLayout(fraPdf);
    pdf->addWidget(Caption(tr("Fi&rst month"), dteFirstMonth), 0, 0);
    pdf->addWidget(dteFirstMonth, 0, 1);
    pdf->addWidget(Caption(tr("Las&t month"), dteLastMonth), 0, 2);
    pdf->addWidget(dteLastMonth, 0, 3);
    pdf->addWidget(new QLabel(tr("Paper:")), 1, 0);
    pdf->addWidget(optA4, 1, 1);
    pdf->addWidget(optLetter, 1, 2);
    pdf->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    // The controls scroll where the screen is too small for them (a large scale).
    QWidget* contents = ScrollingContents(this);
    auto* window = new QVBoxLayout(contents);
    window->addWidget(optCalendar);
    window->addWidget(fraCalendar);
    window->addWidget(optPdf);
    window->addWidget(fraPdf);
    window->addWidget(lblPlace);
    window->addLayout(buttons);
    const QSize natural = ContentsSize(contents);
    ResizeWithinScreen(this, QSize(std::max(natural.width(), 560), natural.height()));
}

void frmExport::formatChosen() {
    fraCalendar->setEnabled(optCalendar->isChecked());
    fraPdf->setEnabled(optPdf->isChecked());
}

QString frmExport::suggestedPath() const {
    // The folder last saved to, else the documents folder, else the home folder: one that
    // exists, so that the file dialog opens where it says.
    const QString remembered = ReadSettings(platform_).exportFolder;
    QString folder = QDir::homePath();
    for (const QString& candidate :
         {remembered, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir()) {
            folder = candidate;
            break;
        }
    }
    QString name;
    if (optPdf->isChecked()) {
        const QDate first = dteFirstMonth->date();
        const QDate last = dteLastMonth->date();
        const QString format = QStringLiteral("MMMM yyyy");
        name = first.year() == last.year() && first.month() == last.month()
                   ? tr("Kestrava %1.pdf").arg(LocalDateText(first, format))
                   : tr("Kestrava %1 to %2.pdf")
                         .arg(LocalDateText(first, format), LocalDateText(last, format));
    } else {
        const QString what = optDays->isChecked()    ? tr("tithis at sunrise")
                             : optSpans->isChecked() ? tr("tithis")
                                                     : tr("vrata days");
        const int first = dteFrom->date().year(), last = dteTo->date().year();
        name = first == last ? tr("Kestrava %1 %2.ics").arg(what).arg(first)
                             : tr("Kestrava %1 %2-%3.ics").arg(what).arg(first).arg(last);
    }
    return QDir(folder).filePath(name);
}

void frmExport::save() {
    const bool pdf = optPdf->isChecked();
    auto refuse = [this](const QString& message, QWidget* focus) {
        platform_.showMessage(this, message, Platform::MessageIcon::Information);
        focus->setFocus();
    };
    if (pdf) {
        const QDate first = dteFirstMonth->date(), last = dteLastMonth->date();
        const int months = (last.year() - first.year()) * 12 + last.month() - first.month() + 1;
        if (months < 1)
            return refuse(tr("The last month comes before the first."), dteLastMonth);
        if (months > MostPdfMonths)
            return refuse(tr("Please choose at most %1 months.").arg(MostPdfMonths), dteLastMonth);
    } else {
        const qint64 days = dteFrom->date().daysTo(dteTo->date()) + 1;
        if (days < 1)
            return refuse(tr("The last date comes before the first."), dteTo);
        if (days > MostCalendarDays)
            return refuse(tr("Please choose at most ten years."), dteTo);
    }

    const QString path = platform_.saveFileName(
        this, pdf ? tr("Save the Months as PDF") : tr("Save the Calendar"), suggestedPath(),
        pdf ? tr("PDF files (*.pdf)") : tr("iCalendar files (*.ics)"));
    if (path.isEmpty())
        return;

    QByteArray bytes;
    QString done;
    if (pdf) {
        const QDate first = dteFirstMonth->date(), last = dteLastMonth->date();
        bytes = MonthsPdf(first, last, optLetter->isChecked() ? PaperSize::Letter : PaperSize::A4,
                          place_, TodayAt(platform_.currentDateTime(), *place_.Clock),
                          frmMonth::RememberedMonthNames(platform_), RememberedTradition(platform_));
        const int months = (last.year() - first.year()) * 12 + last.month() - first.month() + 1;
        done = (months == 1 ? tr("The month was saved to %1: 1 page.")
                            : tr("The months were saved to %1: %2 pages.").arg(months))
                   .arg(QDir::toNativeSeparators(path));
        const bool letter = optLetter->isChecked();
        UpdateSettings(platform_, [letter](Settings& settings) {
            settings.exportPaper = letter ? QStringLiteral("Letter") : QStringLiteral("A4");
        });
    } else {
        CalendarExportRequest request;
        request.First = CivilDateOf(dteFrom->date());
        request.Last = CivilDateOf(dteTo->date());
        request.Kind = optDays->isChecked()    ? CalendarEventKind::Days
                       : optSpans->isChecked() ? CalendarEventKind::Spans
                       : optVrata->isChecked() ? CalendarEventKind::Vrata
                                               : CalendarEventKind::Festivals;
        request.Keeper = RememberedTradition(platform_);
        request.Reckoning =
            cboReckoning->currentIndex() == 1 ? MonthReckoning::Purnimanta : MonthReckoning::Amanta;
        request.PlaceName = place_.Name.toStdString();
        const TranslatedCalendarWording words;
        request.Wording = &words;
        request.Sky = place_.Sky;
        const std::string file = CalendarFileOf(request, place_.Where, *place_.Clock,
                                                JulianDayOf(platform_.currentDateTime()));
        bytes = QByteArray::fromStdString(file);
        const int events = static_cast<int>(bytes.count("BEGIN:VEVENT"));
        done = (events == 1 ? tr("The calendar was saved to %1: 1 event.")
                            : tr("The calendar was saved to %2: %1 events.").arg(events))
                   .arg(QDir::toNativeSeparators(path));
    }

    const QString error = platform_.writeFileAtomically(path, bytes);
    if (!error.isEmpty()) {
        platform_.showMessage(this,
                              tr("Kestrava could not save %1.\n%2\nNothing was written; please "
                                 "choose another folder or name.")
                                  .arg(QDir::toNativeSeparators(path), error),
                              Platform::MessageIcon::Critical);
        return;
    }
    UpdateSettings(platform_, [&path](Settings& settings) {
        settings.exportFolder = QFileInfo(path).absolutePath();
    });
    platform_.showMessage(this, done, Platform::MessageIcon::Information);
    accept();
}
