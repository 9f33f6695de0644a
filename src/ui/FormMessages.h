// SPDX-License-Identifier: MIT
// Every message the main window shows, with its icon, in one table: the digit filter, the input
// checks, the numbers that do not convert, the place look-up, and the clock readings that a
// named zone skips or repeats. Texts with %1 ... take the values of the moment in that order.
#pragma once

#include "platform/Platform.h"

#include <QtGlobal>

#include <cstddef>
#include <iterator>

enum class FormMessage {
    OnlyNumbers,
    EnterName,
    EnterZone,
    EnterLonDeg,
    EnterLonMin,
    EnterLatDeg,
    EnterLatMin,
    WrongFebruary,
    WrongThirtyFirst,
    InvalidLonDeg,
    InvalidLonMin,
    InvalidLatDeg,
    InvalidLatMin,
    InvalidZoneHour,
    InvalidZoneMinute,
    EnterCity,
    EnterState,
    EnterCountry,
    ClockSkipsTime,
    ClockRepeatsTime,
};

// The translation context of the messages.
inline constexpr char FormMessagesContext[] = "FormMessages";

struct FormMessageRow {
    FormMessage message;
    Platform::MessageIcon icon;
    const char* text;
};

// One row per message, in the order of the enumeration. The two texts of a wrong day differ in
// a blank before the "!": the one of February has none.
inline constexpr FormMessageRow FormMessages[] = {
    {FormMessage::OnlyNumbers, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Only Numbers Are Accepted")},
    {FormMessage::EnterName, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter Name")},
    {FormMessage::EnterZone, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter Hour and Minute of Time Zone")},
    {FormMessage::EnterLonDeg, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter Degree of Longitude")},
    {FormMessage::EnterLonMin, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter Minute of Longitude")},
    {FormMessage::EnterLatDeg, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter Degree of Latitude")},
    {FormMessage::EnterLatMin, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter Minute of Latitude")},
    {FormMessage::WrongFebruary, Platform::MessageIcon::Information,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter Correct Date Or Month!")},
    {FormMessage::WrongThirtyFirst, Platform::MessageIcon::Information,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter Correct Date Or Month !")},
    {FormMessage::InvalidLonDeg, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter a Valid Degree of Longitude")},
    {FormMessage::InvalidLonMin, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter a Valid Minute of Longitude")},
    {FormMessage::InvalidLatDeg, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter a Valid Degree of Latitude")},
    {FormMessage::InvalidLatMin, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter a Valid Minute of Latitude")},
    {FormMessage::InvalidZoneHour, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter a Valid Hour of Time Zone")},
    {FormMessage::InvalidZoneMinute, Platform::MessageIcon::Critical,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter a Valid Minute of Time Zone")},
    {FormMessage::EnterCity, Platform::MessageIcon::Information,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter City")},
    {FormMessage::EnterState, Platform::MessageIcon::Information,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter State")},
    {FormMessage::EnterCountry, Platform::MessageIcon::Information,
     QT_TRANSLATE_NOOP("FormMessages", "Please Enter Country")},
    // The entered time, the date, the zone, the clock's readings before and after the change.
    {FormMessage::ClockSkipsTime, Platform::MessageIcon::Information,
     QT_TRANSLATE_NOOP("FormMessages",
                       "%1 does not exist on %2 in %3: the clocks went forward from %4 to %5.")},
    // The same, then the offsets of the first and the second occurrence; a Yes/No question.
    {FormMessage::ClockRepeatsTime, Platform::MessageIcon::Information,
     QT_TRANSLATE_NOOP("FormMessages",
                       "%1 occurs twice on %2 in %3: the clocks went back from %4 to %5.\n\n"
                       "Use the first %1, at %6? No uses the second, at %7.")},
};

constexpr bool FormMessagesInOrder() {
    for (std::size_t k = 0; k < std::size(FormMessages); ++k) {
        if (static_cast<std::size_t>(FormMessages[k].message) != k)
            return false;
    }
    return std::size(FormMessages) == static_cast<std::size_t>(FormMessage::ClockRepeatsTime) + 1;
}
static_assert(FormMessagesInOrder(), "one row per message, in the order of FormMessage");

constexpr const FormMessageRow& FormMessageOf(FormMessage message) {
    return FormMessages[static_cast<std::size_t>(message)];
}
