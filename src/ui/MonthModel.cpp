// SPDX-License-Identifier: MIT
// The month view's model and the painting of its cells.
#include "ui/MonthModel.h"

#include "ui/CalendarTexts.h"
#include "ui/MonthPainting.h"

#include <QApplication>
#include <QLocale>
#include <QPainter>

#include <algorithm>

MonthModel::MonthModel(QObject* parent) : QAbstractTableModel(parent) {}

void MonthModel::setMonth(int year, int month, std::vector<CalendarDay> days, const QDate& today) {
    beginResetModel();
    year_ = year;
    month_ = month;
    days_ = std::move(days);
    today_ = today;
    firstColumn_ = QDate(year, month, 1).dayOfWeek() % 7;
    endResetModel();
}

void MonthModel::languageChanged() {
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 6);
    Q_EMIT dataChanged(index(0, 0), index(Weeks - 1, 6));
}

int MonthModel::dayIndex(const QModelIndex& index) const {
    if (!index.isValid())
        return -1;
    // The cell's date, and its day among the days: a date the place's clock skipped (Apia on
    // 30 December 2011) has none, and its cell stays empty.
    const int dayOfMonth = index.row() * 7 + index.column() - firstColumn_ + 1;
    const auto found = std::find_if(days_.begin(), days_.end(), [&](const CalendarDay& day) {
        return day.Date.Day == dayOfMonth;
    });
    return found == days_.end() ? -1 : static_cast<int>(found - days_.begin());
}

QModelIndex MonthModel::indexOfDate(const QDate& date) const {
    if (date.year() != year_ || date.month() != month_)
        return {};
    const int slot = firstColumn_ + date.day() - 1;
    return index(slot / 7, slot % 7);
}

const CalendarDay* MonthModel::dayAt(const QModelIndex& index) const {
    const int k = dayIndex(index);
    return k < 0 ? nullptr : &days_[static_cast<std::size_t>(k)];
}

QDate MonthModel::dateAt(const QModelIndex& index) const {
    const int k = dayIndex(index);
    return k < 0 ? QDate() : QDate(year_, month_, days_[static_cast<std::size_t>(k)].Date.Day);
}

bool MonthModel::isToday(const QModelIndex& index) const {
    return today_.isValid() && dateAt(index) == today_;
}

int MonthModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Weeks;
}

int MonthModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 7;
}

QVariant MonthModel::data(const QModelIndex& index, int role) const {
    const CalendarDay* day = dayAt(index);
    if (!day)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // The day's number: typing it finds the day.
        return QString::number(day->Date.Day);
    case Qt::AccessibleTextRole:
    case Qt::AccessibleDescriptionRole:
        return DayAccessibleText(*day, isToday(index));
    case Qt::ToolTipRole: {
        QString tip = LongDateText(day->Date) + QLatin1Char('\n') + DaySentence(*day);
        for (const QString& note : DayNotes(*day, isToday(index)))
            tip += QLatin1Char('\n') + note;
        return tip;
    }
    default:
        break;
    }
    return {};
}

QVariant MonthModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= 7)
        return {};
    // Sunday first: Qt counts Monday 1 ... Sunday 7.
    const int weekday = section == 0 ? 7 : section;
    switch (role) {
    case Qt::DisplayRole:
        return QLocale().standaloneDayName(weekday, QLocale::ShortFormat);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return QLocale().standaloneDayName(weekday);
    default:
        break;
    }
    return {};
}

Qt::ItemFlags MonthModel::flags(const QModelIndex& index) const {
    // The cells outside the month are blanks that the keyboard passes over.
    return dayAt(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void MonthDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const auto* model = qobject_cast<const MonthModel*>(index.model());
    const CalendarDay* day = model ? model->dayAt(index) : nullptr;
    if (!day)
        return;
    const QPalette& palette = option.palette;
    painter->save();
    painter->setFont(option.font);
    DayCellTexts texts = DayCellTextsOf(*day, model->isToday(index));
    texts.MoonSouthern = model->southern();
    PaintDayCell(*painter, option.rect, texts, ScreenColours(palette));
    if (option.state & QStyle::State_Selected) {
        // The chosen day: a frame in the selection's colour, inside today's.
        const double line = 2;
        QColor frame = palette.color(QPalette::Highlight);
        painter->setPen(QPen(
            frame, line, (option.state & QStyle::State_HasFocus) ? Qt::SolidLine : Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option.rect).adjusted(3.5, 3.5, -3.5, -3.5));
    }
    painter->restore();
}

QSize MonthDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    // Room for the longest note of a tithi's name, "Chaturdashi kshaya" in English, and five lines
    // below the day's number.
    const QFontMetrics metrics(option.font);
    int widest = 0;
    for (int tithi = 0; tithi < 30; ++tithi) {
        widest = std::max(
            widest, metrics.horizontalAdvance(KshayaNoteText(QStringList{TithiNameText(tithi)})));
    }
    return {widest, metrics.height() * 7};
}
