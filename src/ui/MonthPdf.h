// SPDX-License-Identifier: MIT
// The printable months: a PDF with one page for each month, laid out as a wall calendar.
#pragma once

#include "ui/CalendarPlace.h"

#include <QByteArray>
#include <QDate>

enum class PaperSize { A4, Letter };

// MonthsPdf: the months from the first to the last (any day of each), one landscape page each,
// reckoned at the place; today marked where it falls. Returns the whole file.
QByteArray MonthsPdf(const QDate& firstMonth, const QDate& lastMonth, PaperSize paper,
                     const CalendarPlace& place, const QDate& today);
