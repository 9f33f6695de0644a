// SPDX-License-Identifier: MIT
// The panchanga of a day, from the engine's day, its periods and facts, in the user's language.
#include "ui/frmDay.h"
#include "ui/Languages.h"

#include "engine/calendar/Calendar.h"
#include "engine/day/DayFacts.h"
#include "engine/day/Panchanga.h"
#include "engine/limbs/Karana.h"
#include "engine/present/PanchangaNames.h"
#include "platform/AppInfo.h"
#include "ui/CalendarTexts.h"
#include "ui/DayPeriodTexts.h"
#include "ui/MoonPainting.h"
#include "ui/PanchangaTexts.h"
#include "ui/WindowFit.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

// The texts of this file, in the catalogue's context "frmDay".
struct DayTexts {
    Q_DECLARE_TR_FUNCTIONS(frmDay)
};

// Whether a limb's span that holds no sunrise is called kshaya. A karana is half a tithi, so a
// day holds two or three of them as a rule: almanacs never call one kshaya.
enum class KshayaLabel { Shown, Omitted };

// A limb through the day, one span a line, each with its end: "Ashlesha until 22:14", "then
// Magha until 23:40 on 12 June".
//   name  a span's name, told which of the day's spans it is (0 the one at sunrise)
QString LimbLines(const DayLimb& limb, const CivilDate& date,
                  const std::function<QString(const DaySpan&, std::size_t)>& name,
                  KshayaLabel kshaya = KshayaLabel::Shown) {
    QStringList lines;
    for (std::size_t k = 0; k < limb.Spans.size(); ++k) {
        const DaySpan& span = limb.Spans[k];
        QString line =
            DayTexts::tr("%1 until %2").arg(name(span, k), ClockTimeTextFor(span.End, date));
        if (span.Kshaya && kshaya == KshayaLabel::Shown)
            line = DayTexts::tr("%1 (kshaya)").arg(line);
        lines << (k == 0 ? line : DayTexts::tr("then %1").arg(line));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

// A Julian day in Universal Time from a moment of the platform's clock.
double JulianDayOfMoment(const QDateTime& moment) {
    return 2440587.5 + static_cast<double>(moment.toMSecsSinceEpoch()) / 86400000.0;
}

frmDay::frmDay(const CalendarPlace& place, const QDate& date, QWidget* parent,
               Tradition tradition)
    : QDialog(parent), place_(place), tradition_(tradition) {
    setObjectName(QStringLiteral("frmDay"));
    ShowFocusFromStart(this);
    lblDate = new QLabel;
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setAccessibleName(tr("Date"));
    QFont titleFont = lblDate->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    lblDate->setFont(titleFont);
    picMoon = new MoonPhaseWidget(2.6);
    picMoon->setObjectName(QStringLiteral("picMoon"));

    auto* sections = new QGridLayout;
    sections->addWidget(
        addSection(QT_TR_NOOP("Sun and Moon"), "grpSunMoon",
                   {QT_TR_NOOP("Sunrise"), QT_TR_NOOP("Sunset"), QT_TR_NOOP("Moonrise"),
                    QT_TR_NOOP("Moonset"), QT_TR_NOOP("Moon Rashi"), QT_TR_NOOP("Sun Rashi"),
                    QT_TR_NOOP("Moon Phase")}),
        0, 0);
    sections->addWidget(addSection(QT_TR_NOOP("Panchanga"), "grpPanchanga",
                                   {QT_TR_NOOP("Vara"), QT_TR_NOOP("Tithi"), QT_TR_NOOP("Observed"),
                                    QT_TR_NOOP("Festivals"),
                                    QT_TR_NOOP("Nakshatra"), QT_TR_NOOP("Yoga"),
                                    QT_TR_NOOP("Karana"), QT_TR_NOOP("Month"),
                                    QT_TR_NOOP("Solar Dates"), QT_TR_NOOP("Samvat"),
                                    QT_TR_NOOP("Samvatsara"), QT_TR_NOOP("Kali Year"),
                                    QT_TR_NOOP("Ritu"), QT_TR_NOOP("Ayana"), QT_TR_NOOP("Place")}),
                        1, 0);
    sections->addWidget(addSection(QT_TR_NOOP("Auspicious"), "grpAuspicious",
                                   {QT_TR_NOOP("Abhijit Muhurta"), QT_TR_NOOP("Brahma Muhurta"),
                                    QT_TR_NOOP("Amrit Kalam"), QT_TR_NOOP("Pradosha"),
                                    QT_TR_NOOP("Nishita"), QT_TR_NOOP("Godhuli")}),
                        0, 1);
    sections->addWidget(
        addSection(QT_TR_NOOP("Inauspicious"), "grpInauspicious",
                   {QT_TR_NOOP("Rahu Kalam"), QT_TR_NOOP("Yamaganda"), QT_TR_NOOP("Gulika Kalam"),
                    QT_TR_NOOP("Durmuhurta"), QT_TR_NOOP("Varjyam")}),
        1, 1);
    auto* tables = new QHBoxLayout;
    tblChoghadiya = addTable(
        "tblChoghadiya", QT_TR_NOOP("Choghadiya"),
        {QT_TR_NOOP("Part"), QT_TR_NOOP("Choghadiya"), QT_TR_NOOP("Quality"), QT_TR_NOOP("Time")});
    tblHora = addTable("tblHora", QT_TR_NOOP("Hora"),
                       {QT_TR_NOOP("Part"), QT_TR_NOOP("Lord"), QT_TR_NOOP("Time")});
    for (QTableWidget* table : {tblChoghadiya, tblHora}) {
        auto* box = new QGroupBox(tr(table == tblHora ? "Hora" : "Choghadiya"));
        box->setObjectName(table == tblHora ? QStringLiteral("grpHora")
                                            : QStringLiteral("grpChoghadiya"));
        auto* inside = new QVBoxLayout(box);
        inside->addWidget(table);
        tables->addWidget(box);
    }
    sections->addLayout(tables, 2, 0, 1, 2);
    sections->setColumnStretch(0, 1);
    sections->setColumnStretch(1, 1);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("fraDaySections"));
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->addLayout(sections);
    contentLayout->addStretch(1);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrDay"));
    scroll->setAccessibleName(tr("Panchanga of the Day"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);

    cmdPreviousDay = new QPushButton(tr("‹ &Previous Day"));
    cmdPreviousDay->setObjectName(QStringLiteral("cmdPreviousDay"));
    cmdPreviousDay->setAccessibleName(tr("Previous Day"));
    cmdPreviousDay->setAutoDefault(false);
    cmdNextDay = new QPushButton(tr("&Next Day ›"));
    cmdNextDay->setObjectName(QStringLiteral("cmdNextDay"));
    cmdNextDay->setAccessibleName(tr("Next Day"));
    cmdNextDay->setAutoDefault(false);
    cmdClose = new QPushButton(tr("&Close"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleName(tr("Close"));
    cmdClose->setDefault(true);
    connect(cmdPreviousDay, &QPushButton::clicked, this, [this] { showDate(date_.addDays(-1)); });
    connect(cmdNextDay, &QPushButton::clicked, this, [this] { showDate(date_.addDays(1)); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* title = new QHBoxLayout;
    title->addWidget(lblDate, 1);
    title->addWidget(picMoon);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPreviousDay);
    buttons->addWidget(cmdNextDay);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* window = new QVBoxLayout(this);
    window->addLayout(title);
    window->addWidget(scroll, 1);
    window->addLayout(buttons);

    showDate(date);
    // A size in lines of the font, so that the window grows with the display's scale, and never
    // beyond the screen: the sections scroll within it.
    const int line = fontMetrics().height();
    ResizeWithinScreen(this, QSize(line * 76, line * 52));
    cmdClose->setFocus();
}

QGroupBox* frmDay::addSection(const char* title, const char* objectName,
                              std::initializer_list<const char*> captions) {
    auto* box = new QGroupBox(tr(title));
    box->setObjectName(QLatin1String(objectName));
    auto* rows = new QGridLayout(box);
    rows->setColumnStretch(1, 1);
    int row = 0;
    for (const char* caption : captions) {
        const QString text = tr(caption);
        auto* captionLabel = new QLabel(text);
        auto* value = new QLabel;
        value->setObjectName(QStringLiteral("lblDay") +
                             QString::fromLatin1(caption).remove(QLatin1Char(' ')));
        value->setAccessibleName(text);
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Each value takes the focus in turn, so that a screen reader reads it.
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setFocusPolicy(Qt::StrongFocus);
        captionLabel->setBuddy(value);
        QFont bold = captionLabel->font();
        bold.setBold(true);
        captionLabel->setFont(bold);
        rows->addWidget(captionLabel, row, 0, Qt::AlignTop);
        rows->addWidget(value, row, 1);
        values_.emplace_back(QLatin1String(caption), value);
        ++row;
    }
    // A section taller than its rows keeps them together at its top.
    rows->setRowStretch(row, 1);
    return box;
}

QTableWidget* frmDay::addTable(const char* objectName, const char* name,
                               std::initializer_list<const char*> headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
    table->setObjectName(QLatin1String(objectName));
    table->setAccessibleName(tr(name));
    QStringList labels;
    for (const char* header : headers)
        labels << tr(header);
    table->setHorizontalHeaderLabels(labels);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setMinimumHeight(fontMetrics().height() * 18);
    return table;
}

QLabel* frmDay::value(const QString& caption) const {
    for (const auto& [name, label] : values_) {
        if (name == caption)
            return label;
    }
    return nullptr;
}

void frmDay::setNow(const QDateTime& now) {
    if (now.isValid())
        nowJd_ = JulianDayOfMoment(now);
    else
        nowJd_.reset();
    showDate(date_);
}

void frmDay::showDate(const QDate& wanted) {
    // A date the place's clock skipped (Apia on 30 December 2011) is no day: paging passes over
    // it in the direction it went.
    QDate date = wanted;
    const int step = date_.isValid() && wanted < date_ ? -1 : 1;
    for (int tries = 0; tries < 3 && ClockSkipsDate(*place_.Clock, CivilDateOf(date)); ++tries)
        date = date.addDays(step);
    date_ = date;
    const CivilDate civil = CivilDateOf(date);
    const PanchangaDay day = PanchangaOfDay(civil, place_.Where, *place_.Clock, place_.Sky);
    const CalendarDay calendar =
        CalendarDays(civil, civil, place_.Where, *place_.Clock, place_.Sky).front();
    setWindowTitle(tr("Panchanga of %1 - %2").arg(LongDateText(civil), AppTitle()));
    lblDate->setText(LongDateText(civil));

    auto set = [this](const char* caption, const QString& text) {
        if (QLabel* label = value(QLatin1String(caption)))
            label->setText(text);
    };
    set("Vara",
        tr("%1, from sunrise to sunrise").arg(PanchangaName(NameKind::Vara, VaraName(day.Vara))));
    set("Sunrise", CrossingText(day.Sunrise, civil));
    set("Sunset", CrossingText(day.Sunset, civil));
    set("Moonrise", CrossingText(day.Moonrise, civil));
    set("Moonset", CrossingText(day.Moonset, civil));
    set("Tithi", LimbLines(day.Tithi, civil, [](const DaySpan& span, std::size_t) {
            return TithiTitleText(span.Index);
        }));
    QStringList observed;
    for (const int tithi : calendar.Observed)
        observed << TithiTitleText(tithi);
    set("Observed", observed.isEmpty()
                        ? tr("nothing new: the tithi at sunrise was observed the day before "
                             "(vriddhi)")
                        : observed.join(QStringLiteral(", ")));
    const int pada = day.NakshatraPada;
    set("Nakshatra", LimbLines(day.Nakshatra, civil, [pada](const DaySpan& span, std::size_t k) {
            const QString name = PanchangaName(NameKind::Nakshatra, NakshatraName(span.Index));
            return k == 0 && pada > 0 ? tr("%1 (pada %2 at sunrise)").arg(name, LocalNumber(pada))
                                      : name;
        }));
    set("Yoga", LimbLines(day.Yoga, civil, [](const DaySpan& span, std::size_t) {
            return PanchangaName(NameKind::Yoga, YogaName(span.Index));
        }));
    set("Karana", LimbLines(
                      day.Karana, civil,
                      [](const DaySpan& span, std::size_t) {
                          return PanchangaName(NameKind::Karana, KaranaName(span.Index));
                      },
                      KshayaLabel::Omitted));
    set("Month", BothMonthsText(day.Month));
    set("Samvat",
        tr("Vikram %1, Shaka %2").arg(LocalNumber(day.Month.Vikram), LocalNumber(day.Month.Shaka)));
    set("Place", place_.Description);
    std::vector<FestivalDay> festivals = FestivalsBetween(
        civil, civil, place_.Where, *place_.Clock, BuiltInFestivalTable(), {tradition_, place_.Sky});
    std::vector<const FestivalDay*> today;
    for (const FestivalDay& festival : festivals)
        today.push_back(&festival);
    set("Festivals", today.empty() ? tr("none") : FestivalsText(today));
    set("Solar Dates", SolarDatesText(civil, place_.Where, *place_.Clock, place_.Sky));
    showFacts(day);
    showPeriods(PeriodsOfPanchangaDay(day), civil);
}

void frmDay::showFacts(const PanchangaDay& day) {
    const CivilDate& civil = day.Date;
    auto set = [this](const char* caption, const QString& text) {
        if (QLabel* label = value(QLatin1String(caption)))
            label->setText(text);
    };
    const int shaka = day.Month.Shaka;
    set("Samvatsara", tr("%1 (the sixty-year cycle as South India counts it, from Chaitra)")
                          .arg(SamvatsaraText(SamvatsaraOfShaka(shaka))));
    set("Kali Year", QString::number(KaliYearOfShaka(shaka)));
    set("Ritu", tr("%1 (by the lunar month)").arg(RituText(RituOfMonth(day.Month.Amanta.Index))));
    // The Sun and the Moon at the day's start (its sunrise, or the midnight that stands in).
    const SkyFacts sky = SkyFactsAt(day.Begins.Jde, place_.Sky);
    set("Ayana", tr("%1 (by the sidereal Sun)").arg(AyanaText(AyanaOfSun(sky.SunSidereal))));
    const ClockInstant ends =
        InstantOfTerrestrial(*place_.Clock, sky.MoonRashiEnds, EphemerisOf(place_.Sky.Ephemeris));
    QString moon = MoonRashiText(sky.MoonRashi, ends, civil);
    if (ends.Jde < day.Ends.Jde)
        moon = tr("%1, then %2").arg(moon, RashiText((sky.MoonRashi + 1) % 12));
    set("Moon Rashi", moon);
    set("Sun Rashi", RashiText(sky.SunRashi));
    const MoonLook look{sky.MoonIllumination, sky.Waxing, place_.Where.Latitude < 0};
    set("Moon Phase", tr("at sunrise, %1").arg(MoonPhaseText(look)));
    picMoon->setMoon(look);
}
