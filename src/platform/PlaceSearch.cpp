// SPDX-License-Identifier: MIT
// The place search: a web search for the place's search text, opened in the user's browser.
#include "platform/PlaceSearch.h"

#include <QUrl>
#include <utility>

PlaceSearch::PlaceSearch(AddressOpener openAddress, QString searchAddress)
    : openAddress_(std::move(openAddress)), searchAddress_(std::move(searchAddress)) {}

QString PlaceSearch::DefaultSearchAddress() {
    return QStringLiteral(KESTRAVA_PLACE_SEARCH);
}

QString PlaceSearch::SearchAddressFor(const QString& searchText) const {
    // Blanks become %20 rather than "+", and "&", "#", "+" and "%" are encoded too, so that the
    // search engine receives the text exactly as it was built.
    return searchAddress_ + QString::fromLatin1(QUrl::toPercentEncoding(searchText));
}

bool PlaceSearch::Search(const QString& searchText, const QString& siteAddress) const {
    Q_UNUSED(siteAddress);
    if (!openAddress_)
        return false;
    return openAddress_(SearchAddressFor(searchText));
}
