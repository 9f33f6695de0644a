// SPDX-License-Identifier: MIT
// The panchanga of a day, from the engine's day, in the user's language.
#include "ui/frmDay.h"

#include "engine/calendar/Calendar.h"
#include "engine/day/Panchanga.h"
#include "engine/limbs/Karana.h"
#include "engine/present/PanchangaNames.h"
#include "platform/AppInfo.h"
#include "ui/CalendarTexts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace {

// The captions of the rows, in order; each value's accessible name is its caption.
const char* const Captions[] = {
    QT_TRANSLATE_NOOP("frmDay", "Vara"),     QT_TRANSLATE_NOOP("frmDay", "Sunrise"),
    QT_TRANSLATE_NOOP("frmDay", "Sunset"),   QT_TRANSLATE_NOOP("frmDay", "Moonrise"),
    QT_TRANSLATE_NOOP("frmDay", "Moonset"),  QT_TRANSLATE_NOOP("frmDay", "Tithi"),
    QT_TRANSLATE_NOOP("frmDay", "Observed"), QT_TRANSLATE_NOOP("frmDay", "Nakshatra"),
    QT_TRANSLATE_NOOP("frmDay", "Yoga"),     QT_TRANSLATE_NOOP("frmDay", "Karana"),
    QT_TRANSLATE_NOOP("frmDay", "Month"),    QT_TRANSLATE_NOOP("frmDay", "Samvat"),
    QT_TRANSLATE_NOOP("frmDay", "Place"),
};

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

frmDay::frmDay(const CalendarPlace& place, const QDate& date, QWidget* parent)
    : QDialog(parent), place_(place) {
    setObjectName(QStringLiteral("frmDay"));
    lblDate = new QLabel;
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setAccessibleName(tr("Date"));
    QFont titleFont = lblDate->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    lblDate->setFont(titleFont);

    auto* rows = new QGridLayout;
    rows->setColumnStretch(1, 1);
    int row = 0;
    for (const char* caption : Captions) {
        const QString text = DayTexts::tr(caption);
        auto* captionLabel = new QLabel(text);
        auto* value = new QLabel;
        value->setObjectName(QStringLiteral("lblDay") + QLatin1String(caption));
        value->setAccessibleName(text);
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true);
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

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPreviousDay);
    buttons->addWidget(cmdNextDay);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* window = new QVBoxLayout(this);
    window->addWidget(lblDate);
    window->addLayout(rows);
    window->addStretch(1);
    window->addLayout(buttons);

    showDate(date);
    resize(std::max(sizeHint().width(), 560),
           heightForWidth(560) > 0 ? heightForWidth(560) : sizeHint().height());
    cmdClose->setFocus();
}

QLabel* frmDay::value(const QString& caption) const {
    for (const auto& [name, label] : values_) {
        if (name == caption)
            return label;
    }
    return nullptr;
}

void frmDay::showDate(const QDate& date) {
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
            return k == 0 && pada > 0 ? tr("%1 (pada %2 at sunrise)").arg(name).arg(pada) : name;
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
    set("Month", tr("%1 (amanta), %2 (purnimanta)")
                     .arg(MasaText(day.Month.Amanta), MasaText(day.Month.Purnimanta)));
    set("Samvat", tr("Vikram %1, Shaka %2").arg(day.Month.Vikram).arg(day.Month.Shaka));
    set("Place", place_.Description);
}
