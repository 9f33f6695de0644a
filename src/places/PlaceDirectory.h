// SPDX-License-Identifier: MIT
// The place directory: the places of 15,000 or more inhabitants from GeoNames, with their
// coordinates, country, first-level division, population and time zone, built into the program
// and searched by name as the user types.
#pragma once

#include "engine/base/Place.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The credit for the directory's data, as the About box shows it (in the chosen language).
inline constexpr char PlaceDataCredit[] = QT_TRANSLATE_NOOP(
    "frmAbout", "Place names and coordinates: GeoNames (geonames.org), CC BY 4.0");
inline constexpr char PlaceDataLicenceAddress[] = "https://creativecommons.org/licenses/by/4.0/";

// One place of the directory.
struct DirectoryPlace {
    int Id{-1};          // its row in the directory, for PlaceDirectory::PlaceAt
    QString Name;        // "São Paulo"
    QString AsciiName;   // "Sao Paulo"
    QString Division;    // the first-level division ("Maharashtra"); empty when unknown
    QString Country;     // "India"
    QString CountryCode; // ISO 3166 code, "IN"
    QString ZoneName;    // IANA zone as the list gives it ("Asia/Kolkata"); see NamedZoneClock
    double Latitude{};   // degrees, north positive
    double Longitude{};  // degrees, east positive
    qint64 Population{};

    Place Position() const { return {Longitude, Latitude}; }
    // "Pune, Maharashtra, India"; "Name, Country" where the division is unknown.
    QString DisplayText() const;
};

// What the user has typed into the City, State and Country boxes.
struct PlaceQuery {
    QString City{};
    QString State{};   // narrows by the division's name (any word's start) or, in the United
                       // States and elsewhere where it is made of letters, its code ("CA")
    QString Country{}; // narrows by the country's name (any word's start) or code ("IN", "IND")
};

class PlaceDirectory {
public:
    // The directory built into the program, opened on first use from any thread: its tables
    // are read and checked in about a millisecond, its strings read where they lie.
    static const PlaceDirectory& BuiltIn();

    // A directory read from a data file's bytes; none when they are not a whole, consistent
    // file of the layout in PlaceData.h.
    static std::optional<PlaceDirectory> FromData(const QByteArray& data);

    int Count() const;
    // The place of a row, 0 <= id < Count().
    DirectoryPlace PlaceAt(int id) const;

    // Complete: the places whose names begin with the typed city, best first.
    //   query  the typed texts; case, accents and punctuation do not matter ("sao paulo" finds
    //          São Paulo), and other names count ("Bombay" finds Mumbai)
    //   limit  how many at most
    // First the places whose own name begins with the text (or any of whose names is the
    // text), then those where only another name begins with it ("Canton" of Guangzhou for
    // "Can"), then those where only a later word of the name does ("York" of New York City);
    // within each, the more populous first. Text ending in a space asks for a further word.
    // An empty city gives none.
    std::vector<DirectoryPlace> Complete(const PlaceQuery& query, int limit = 10) const;

    // FindExact: the places called exactly so (case, accents and punctuation aside), narrowed
    // by the division and country texts as Complete narrows, the most populous first. Where
    // some places bear the name as their own, places that bear it only as another name
    // ("Delhi" of New Delhi) are left out.
    std::vector<DirectoryPlace> FindExact(const PlaceQuery& query) const;

    // FindByPlaceText: the places a text "NAME[, DIVISION][, COUNTRY]" names, as FindExact
    // finds them. A second part alone narrows by division or by country ("Hyderabad,
    // Pakistan", "Springfield, IL"); a name with a comma of its own ("Washington, D.C.") is
    // tried whole first.
    std::vector<DirectoryPlace> FindByPlaceText(const QString& text) const;

private:
    struct Tables;
    struct Narrowing;
    struct KeyOrder;
    explicit PlaceDirectory(std::shared_ptr<const Tables> tables);
    Narrowing NarrowingOf(const QString& state, const QString& country, bool either) const;
    std::vector<DirectoryPlace> FindExact(const QString& name, const Narrowing& narrowing) const;

    std::shared_ptr<const Tables> tables_;
};
