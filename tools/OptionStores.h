// SPDX-License-Identifier: MIT
// The readers of kestrava-tithi's option values: each reads one value (empty for a switch)
// into the invocation, or gives the message that names a value it rejects. The rows of the
// options table point at them.
#pragma once

#include "OptionTable.h"

#include <optional>
#include <string_view>

namespace tithi_cli {

std::optional<ParseError> StoreDate(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreTime(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreZone(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreZoneMagnitude(std::string_view value, Reader where,
                                             Invocation& into);
std::optional<ParseError> StoreZoneName(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StorePlace(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreLimb(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreLater(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StorePlacesQuery(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreLongitude(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreLatitude(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreDst(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreFormat(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreLanguage(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreFrom(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreTo(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreMonth(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreFind(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreMasa(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StorePurnimanta(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreAdhika(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StorePrevious(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreCount(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreCalendarFile(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreEvents(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreTradition(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreEphemeris(std::string_view value, Reader where, Invocation& into);
std::optional<ParseError> StoreAyanamsa(std::string_view value, Reader where, Invocation& into);

} // namespace tithi_cli
