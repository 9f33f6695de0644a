// SPDX-License-Identifier: MIT
// The main window's Calculate flow: the input checks, the copy of the inputs into the record,
// the calculation on the typed zone or on a named one, and the results it shows.
#include "ui/frmMain.h"

#include "ui/frmMain.h"

#include "engine/day/Panchanga.h"
#include "engine/input/NumericText.h"
#include "engine/input/PlaceReading.h"
#include "engine/report/CalculationRecord.h"
#include "engine/report/PrepareMoment.h"
#include "engine/report/Tithi.h"
#include "engine/report/TithiDay.h"
#include "places/NamedZoneClock.h"
#include "places/ZoneText.h"
#include "platform/Platform.h"
#include "ui/CalendarPlace.h"
#include "ui/DayPanel.h"
#include "ui/DayPeriodTexts.h"
#include "ui/TraditionChoice.h"
#include "ui/FormMessages.h"
#include "ui/InputPanel.h"
#include "ui/Languages.h"
#include "ui/NamedZoneInput.h"
#include "ui/PanchangaTexts.h"
#include "ui/ReportTexts.h"
#include "ui/ResultPanel.h"
#include "ui/SkyMenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTime>
#include <limits>
#include <optional>

namespace {

QString Trimmed(const QLineEdit* box) {
    return box->text().trimmed();
}

} // namespace

bool frmMain::ValidateInputs() {
    auto refuse = [this](FormMessage message, QWidget* focus) {
        Say(message);
        if (focus)
            focus->setFocus();
        return false;
    };
    const InputPanel& in = *fraMain;

    if (Trimmed(in.txtName).isEmpty())
        return refuse(FormMessage::EnterName, in.txtName);
    if (Trimmed(in.txtZoneHour).isEmpty() || Trimmed(in.txtZoneMinute).isEmpty())
        return refuse(FormMessage::EnterZone, in.txtZoneHour);
    if (Trimmed(in.txtLonD).isEmpty())
        return refuse(FormMessage::EnterLonDeg, in.txtLonD);
    if (Trimmed(in.txtLonM).isEmpty())
        return refuse(FormMessage::EnterLonMin, in.txtLonM);
    if (Trimmed(in.txtLatD).isEmpty())
        return refuse(FormMessage::EnterLatDeg, in.txtLatD);
    if (Trimmed(in.txtLatM).isEmpty())
        return refuse(FormMessage::EnterLatMin, in.txtLatM);

    // Every fourth year is a leap year: no century rule is needed within 1901 ... 2050.
    const int month = in.cboMonth->currentIndex(); // 0 = January
    const int day = in.cboDate->currentIndex();    // 0 = the 1st
    const bool leapYear = in.cboYear->currentText().toInt() % 4 == 0;
    const int firstMissingFebruaryDay = leapYear ? 29 : 28;
    if (month == 1 && day >= firstMissingFebruaryDay)
        return refuse(FormMessage::WrongFebruary, nullptr);
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30)
        return refuse(FormMessage::WrongThirtyFirst, nullptr);
    return true;
}

// Copies the inputs into the calculation record. A box whose text is not a whole number that
// fits (such as "99999", or "abc" pasted in) is named in a message and nothing is copied, so
// that no calculation runs on what the previous one left behind.
bool frmMain::CopyInputsToRecord() {
    struct NumericInput {
        QLineEdit* box;
        std::int16_t* field;
        bool magnitude; // the zone's sign is dropped: its direction follows the longitude
        FormMessage invalid;
    };
    const InputPanel& in = *fraMain;
    CalculationRecord inputs = record_;
    const NumericInput numericInputs[] = {
        {in.txtLonD, &inputs.LonDeg, false, FormMessage::InvalidLonDeg},
        {in.txtLonM, &inputs.LonMin, false, FormMessage::InvalidLonMin},
        {in.txtLatD, &inputs.LatDeg, false, FormMessage::InvalidLatDeg},
        {in.txtLatM, &inputs.LatMin, false, FormMessage::InvalidLatMin},
        {in.txtZoneHour, &inputs.ZoneHour, true, FormMessage::InvalidZoneHour},
        {in.txtZoneMinute, &inputs.ZoneMinute, true, FormMessage::InvalidZoneMinute},
    };
    auto listNumber = [](const QComboBox* list) {
        return TextToInteger16(list->currentText().toStdString()).value_or(0);
    };

    inputs.PersonName = Trimmed(in.txtName).toStdString();
    inputs.BirthMonth = static_cast<std::int16_t>(in.cboMonth->currentIndex() + 1);
    inputs.BirthDay = listNumber(in.cboDate);
    inputs.BirthYear = listNumber(in.cboYear);
    inputs.BirthHour = listNumber(in.cboHH);
    inputs.BirthMinute = listNumber(in.cboMM);
    for (const NumericInput& input : numericInputs) {
        std::optional<std::int16_t> value = TextToInteger16(Trimmed(input.box).toStdString());
        if (value && input.magnitude) {
            if (*value == std::numeric_limits<std::int16_t>::min())
                value.reset(); // its magnitude does not fit in 16 bits
            else
                value = static_cast<std::int16_t>(*value < 0 ? -*value : *value);
        }
        if (!value) {
            Say(input.invalid);
            input.box->setFocus();
            return false;
        }
        *input.field = *value;
    }
    inputs.DstFlag = ToFlag(in.chkDST->isChecked());
    inputs.LonEast = ToFlag(in.optLong[0]->isChecked());
    inputs.LatSouth = ToFlag(in.optLat[1]->isChecked());
    record_ = std::move(inputs);
    return true;
}

void frmMain::cmdCalculate_Click() {
    if (!ValidateInputs())
        return;
    // A named zone reads the entered time with the offset in force then, its sign the zone's
    // own; a time the clocks skip goes no further, and nothing is copied.
    const NamedZoneClock* zone = namedZone->clock();
    std::optional<ZoneReading> reading;
    if (zone && !(reading = ResolveEnteredReading(*zone)))
        return;
    if (!CopyInputsToRecord())
        return;
    PrepareMoment(record_);
    // The place of the directory that filled the boxes keeps its full precision; the report
    // itself reads the record's degrees and minutes, whatever they are.
    exactPlace_ = namedZone->exactPlace();
    // What was asked, the place described as the calendar's windows describe it.
    const Place where = placeOfRecord();
    std::shared_ptr<const CivilClock> clock =
        zone ? std::shared_ptr<const CivilClock>(std::make_shared<NamedZoneClock>(*zone))
             : std::make_shared<FixedOffsetClock>(ClockOfRecord(record_));
    const QString city = Trimmed(fraMain->txtMCity);
    shownQuery_ = Query{QString::fromStdString(record_.PersonName),
                        record_.BirthYear,
                        record_.BirthMonth,
                        record_.BirthDay,
                        record_.BirthHour,
                        record_.BirthMinute,
                        [where, clock, city] { return DescribePlace(where, *clock, city); }};
    showQueryLine();
    if (zone) {
        ComputeOnNamedZone(*zone, *reading);
    } else {
        ComputeTithi(record_);
        shownZone_.reset();
        ShowTithiReport();
        ShowTithiDay();
        ShowDayPanchanga(EvaluateTithiMoment(record_).JulianDayUT, where, ClockOfRecord(record_));
    }
    showPanel(fraResult);
    fraResult->cmdBack->setFocus();
}

std::optional<frmMain::ZoneReading> frmMain::ResolveEnteredReading(const NamedZoneClock& zone) {
    const EnteredReading entered = namedZone->reading();
    const ClockEntryReading read = ReadClockEntry(zone, entered);
    const ResolvedReading& resolved = read.Resolved;
    if (const std::optional<double> only = read.OffsetHours(ReadingTaken::Only))
        return ZoneReading{*only, ZoneReading::Occurrence::Only, {}};

    // The time, the date, the zone and the change, as the messages name them.
    const auto [before, after] = ChangeReadings(resolved);
    const QString date =
        LocalDateText(QDate(entered.Date.Year, entered.Date.Month, entered.Date.Day),
                      QLatin1String(DateFormat));
    const QStringList change = {entered.TimeText(), date, zone.Name(), before, after};
    if (read.Skipped()) {
        // The same moment on the clocks after the change: the reading taken with the offset
        // before it (02:30 where the clocks go from 02:00 to 03:00 reads 03:30 after).
        const ClockReading after = ReadingAfterSkip(read, entered);
        const QDate afterDate(after.Year, after.Month, after.Day);
        const QString afterTime = QStringLiteral("%1:%2")
                                      .arg(after.Hour, 2, 10, QLatin1Char('0'))
                                      .arg(after.Minute, 2, 10, QLatin1Char('0'));
        const QString offered =
            afterDate == QDate(entered.Date.Year, entered.Date.Month, entered.Date.Day)
                ? afterTime
                : TimeOnDateText(afterTime, afterDate);
        const bool take = Say(FormMessage::ClockSkipsTime, change + QStringList{offered},
                              Platform::MessageButtons::YesNo) == Platform::MessageAnswer::Yes;
        // Taken, the lists show the time after the change, and the calculation goes on with it.
        if (take && fraMain->setMoment(afterDate, QTime(after.Hour, after.Minute,
                                                        fraMain->cboSS->currentIndex()))) {
            const ClockEntryReading now = ReadClockEntry(zone, namedZone->reading());
            if (const std::optional<double> offset = now.OffsetHours(ReadingTaken::Only))
                return ZoneReading{*offset, ZoneReading::Occurrence::Only, {}};
        }
        fraMain->cboHH->setFocus();
        return std::nullopt;
    }
    const double first = *read.OffsetHours(ReadingTaken::First);
    const double second = *read.OffsetHours(ReadingTaken::Second);
    const QStringList offsets = {DisplayOffsetText(OffsetSecondsOfHours(first)),
                                 DisplayOffsetText(OffsetSecondsOfHours(second))};
    if (Say(FormMessage::ClockRepeatsTime, change + offsets, Platform::MessageButtons::YesNo) ==
        Platform::MessageAnswer::No)
        return ZoneReading{second, ZoneReading::Occurrence::Second, entered.TimeText()};
    return ZoneReading{first, ZoneReading::Occurrence::First, entered.TimeText()};
}

void frmMain::ComputeOnNamedZone(const NamedZoneClock& zone, const ZoneReading& reading) {
    const CivilDate date{record_.BirthYear, record_.BirthMonth, record_.BirthDay};
    const TithiMoment moment = EvaluateTithiMomentAt(date, record_.LocalHours, reading.OffsetHours);
    record_.TithiIndex = moment.Tithi.Index;
    record_.CalYear = moment.DateUT.Year;
    record_.CalMonth = moment.DateUT.Month;
    record_.CalDay = moment.DateUT.Day;
    ShowTithiReport();

    const Place where = placeOfRecord();
    impossible_ = ImpossibleCoordinate(where);
    shownDay_.reset();
    if (!impossible_)
        shownDay_ = ComputeTithiDay(moment, where, zone, /*withSunrise=*/true, sky_->choice());
    shownZone_ = ResultZone{std::make_shared<NamedZoneClock>(zone), moment.JulianDayUT, reading};
    showTithiDayLines();
    ShowDayPanchanga(moment.JulianDayUT, where, zone);
}

// The zone the times are read on; where the tithi began or ends on another offset (the clocks
// changed within it), those offsets too.
void frmMain::showResultZone() {
    if (!shownZone_) {
        lblResultZone->setText(QString());
        return;
    }
    const ResultZone& shown = *shownZone_;
    QString zoneLine = ZoneDescription(*shown.Zone, shown.MomentJd);
    switch (shown.Reading.Which) {
    case ZoneReading::Occurrence::Only:
        break;
    case ZoneReading::Occurrence::First:
        //: The zone's line and which of the two readings of a repeated time was taken
        zoneLine = tr("%1 (the first %2)").arg(zoneLine, shown.Reading.Time);
        break;
    case ZoneReading::Occurrence::Second:
        zoneLine = tr("%1 (the second %2)").arg(zoneLine, shown.Reading.Time);
        break;
    }
    if (shownDay_) {
        const int momentOffset = OffsetSecondsOfHours(shown.Reading.OffsetHours);
        const int beginOffset = OffsetSecondsOfHours(shownDay_->BeginOffsetHours);
        const int endOffset = OffsetSecondsOfHours(shownDay_->EndOffsetHours);
        if (beginOffset != momentOffset || endOffset != momentOffset) {
            zoneLine =
                tr("%1; began at %2, ends at %3")
                    .arg(zoneLine, DisplayOffsetText(beginOffset), DisplayOffsetText(endOffset));
        }
    }
    lblResultZone->setText(zoneLine);
}

void frmMain::showQueryLine() {
    if (!shownQuery_) {
        fraResult->lblQuery->setText(QString());
        return;
    }
    const Query& q = *shownQuery_;
    const QLocale locale;
    const QString when = locale.toString(QDate(q.Year, q.Month, q.Day), QLatin1String(DateFormat)) +
                         QLatin1Char(' ') +
                         locale.toString(QTime(q.Hour, q.Minute), QLatin1String(TimeFormat));
    //: What was asked, above the report: the name, the date and time, the place: "Asha · 11
    //: January 2024 17:00 · Delhi, 28°36′N 77°13′E, UTC+05:30"
    fraResult->lblQuery->setText(tr("%1 · %2 · %3").arg(q.Name, when, q.Place()));
}

void frmMain::showTithiDayLines() {
    if (impossible_) {
        // No place on the Earth has these coordinates: nothing is reckoned at it.
        fraResult->showTithiDay(*impossible_ == PlaceInput::LatDeg
                                    ? tr("The latitude on the form lies beyond 90 degrees, where "
                                         "no place is: the tithi's times, the sunrise and the "
                                         "day's panchanga are not computed.")
                                    : tr("The longitude on the form lies beyond 180 degrees, "
                                         "where no place is: the tithi's times, the sunrise and "
                                         "the day's panchanga are not computed."),
                                {}, {});
    } else if (shownDay_) {
        const TithiDayLines lines = TithiDayLinesOf(*shownDay_);
        fraResult->showTithiDay(lines.Times, lines.Sunrise, lines.Karana);
    } else {
        fraResult->showTithiDay({}, {}, {});
    }
    showResultZone();
}

void frmMain::ShowTithiReport() {
    if (const std::optional<ReportTexts> texts = ReportTextsOf(record_)) {
        fraResult->showReport(*texts);
        reportShown_ = true;
    }
}

Place frmMain::placeOfRecord() const {
    return PlaceOfBoxes(record_.LonDeg, record_.LonMin, record_.LonEast != FlagFalse,
                        record_.LatDeg, record_.LatMin, record_.LatSouth != FlagFalse, exactPlace_);
}

void frmMain::ShowTithiDay() {
    const Place where = placeOfRecord();
    impossible_ = ImpossibleCoordinate(where);
    shownDay_.reset();
    if (!impossible_) {
        shownDay_ = ComputeTithiDay(EvaluateTithiMoment(record_), where, ClockOfRecord(record_),
                                    /*withSunrise=*/true, sky_->choice());
    }
    showTithiDayLines();
}

void frmMain::ShowDayPanchanga(double jd, const Place& place, const CivilClock& clock) {
    if (ImpossibleCoordinate(place)) {
        // The lines above say why.
        dayPanel->clear();
        dayPanel->setVisible(false);
        return;
    }
    dayPanel->setVisible(true);
    // The tithi's span is the one the lines above show, so that the karana's ends agree with it.
    const SkyChoice& sky = sky_->choice();
    const PanchangaMoment moment = shownDay_
                                       ? PanchangaOfMoment(jd, shownDay_->Span, place, clock, sky)
                                       : PanchangaOfMoment(jd, place, clock, sky);
    dayPanel->showMoment(moment, MomentExtrasOf(moment, place, sky, clock));
    // The festivals of the day the moment falls in (sunrise to sunrise).
    const CivilDate day = moment.BeforeSunrise ? AddDays(moment.Date, -1) : moment.Date;
    dayPanel->showFestivals(FestivalsBetween(day, day, place, clock, BuiltInFestivalTable(),
                                             {RememberedTradition(platform_), sky}));
    // The panel's rows may want more height than the window has: grow it rather than cut them.
    const int wanted = sizeHint().height();
    if (height() < wanted)
        resize(width(), wanted);
}
