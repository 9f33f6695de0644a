// SPDX-License-Identifier: MIT
// The place search: shows the user a web search for a place, to find its latitude and longitude.
#pragma once

#include <QString>
#include <functional>

class PlaceSearch {
public:
    // Opens an address in the user's browser; false when that failed.
    using AddressOpener = std::function<bool(const QString& address)>;

    // The search address is the web search the text is appended to, percent-encoded; by default
    // the one chosen when the program was built.
    explicit PlaceSearch(AddressOpener openAddress, QString searchAddress = DefaultSearchAddress());

    // Opens a web search for the search text in the user's browser. The site address names the
    // site the look-up belongs to; it is not sent to the search engine. False when the browser
    // could not be asked; the caller stays silent either way.
    bool Search(const QString& searchText, const QString& siteAddress) const;

    // The full address of the search for a text: every character of the text other than the
    // unreserved ones (letters, digits, "-", ".", "_", "~") percent-encoded as UTF-8.
    QString SearchAddressFor(const QString& searchText) const;

    static QString DefaultSearchAddress();

private:
    AddressOpener openAddress_;
    QString searchAddress_;
};
