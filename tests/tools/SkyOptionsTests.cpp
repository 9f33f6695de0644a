// SPDX-License-Identifier: MIT
// Tests of kestrava-tithi's choices of the sky and of decimal coordinates: --ephemeris and
// --ayanamsa on a moment, a batch and its lines; --lon and --lat in decimal degrees.
#include "ToolRuns.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A field of a one-object JSON output: a number as written, a string without its quotes.
std::string Field(const std::string& json, const std::string& name) {
    const std::string key = "\"" + name + "\":";
    const auto at = json.find(key);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << name << " in " << json;
        return "0";
    }
    const auto start = at + key.size();
    if (json[start] == '"')
        return json.substr(start + 1, json.find('"', start + 1) - start - 1);
    return json.substr(start, json.find_first_of(",}", start) - start);
}

constexpr const char* Delhi = "2024-01-11 12:00 --zone 5:30 --lon 77:13E --lat 28:36N";

// Decimal degrees that fall on whole minutes give what the degrees and minutes give, byte for
// byte, in every hemisphere and with a letter or a sign.
TEST(DecimalDegrees, GiveWhatTheSameDegreesAndMinutesGive) {
    const std::pair<const char*, const char*> cases[] = {
        {"--lon 77.5E --lat 28.25N", "--lon 77:30E --lat 28:15N"},
        {"--lon 77.5e --lat 28.25n", "--lon 77:30E --lat 28:15N"},
        {"--lon +77.5 --lat +28.25", "--lon 77:30E --lat 28:15N"},
        {"--lon -74.25 --lat 40.75N", "--lon 74:15W --lat 40:45N"},
        {"--lon 74.25W --lat -33.75", "--lon 74:15W --lat 33:45S"},
        {"--lon 151.2 --lat -33.85", "--lon 151:12E --lat 33:51S"},
    };
    for (const auto& [decimal, minutes] : cases) {
        const std::string base = "2024-06-21 06:00 --zone 5 --format json ";
        const ToolRun run = RunInProcess(base + decimal), expected = RunInProcess(base + minutes);
        EXPECT_EQ(run.Status, 0) << decimal << ": " << run.Err;
        EXPECT_EQ(run.Out, expected.Out) << decimal;
    }
}

// Full precision reaches the sunrise: New York's 74.006 W against 74 W is 0.006 degree, 1.44
// seconds of time, later by that much (the sunrise is given to the second).
TEST(DecimalDegrees, KeepTheirFullPrecisionForThePlace) {
    const std::string base = "2024-06-21 12:00 --tz America/New_York --lat 40.7128N --format json ";
    const ToolRun exact = RunInProcess(base + "--lon -74.006"),
                  whole = RunInProcess(base + "--lon 74W");
    ASSERT_EQ(exact.Status, 0) << exact.Err;
    const std::string a = Field(exact.Out, "sunrise"), b = Field(whole.Out, "sunrise");
    // 05:25:xx: the seconds differ by one or two.
    ASSERT_EQ(a.substr(0, 17), b.substr(0, 17));
    const int later = std::stoi(a.substr(17, 2)) - std::stoi(b.substr(17, 2));
    EXPECT_GE(later, 1) << a << " " << b;
    EXPECT_LE(later, 2) << a << " " << b;
}

TEST(DecimalDegrees, OutOfRangeOrMisshapenExitsTwo) {
    const std::pair<const char*, const char*> cases[] = {
        {"--lon 180.5E --lat 28N", "--lon '180.5E': at most 180 degrees"},
        {"--lon -180.0001 --lat 28N", "--lon '-180.0001': at most 180 degrees"},
        {"--lon 77E --lat 90.01N", "--lat '90.01N': at most 90 degrees"},
        {"--lon 77E --lat -91", "--lat '-91': at most 90 degrees"},
        {"--lon -74.006W --lat 28N", "--lon '-74.006W': expected degrees[:minutes]"},
        {"--lon 77.E --lat 28N", "--lon '77.E': expected degrees[:minutes]"},
        {"--lon .5E --lat 28N", "--lon '.5E': expected degrees[:minutes]"},
        {"--lon 77.2.1E --lat 28N", "--lon '77.2.1E': expected degrees[:minutes]"},
        {"--lon 1e2 --lat 28N", "--lon '1e2': expected degrees[:minutes]"},
        {"--lon 77 --lat 28N", "--lon '77': expected degrees[:minutes]"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun run = RunInProcess(std::string("2024-01-11 12:00 --zone 5:30 ") + args);
        EXPECT_EQ(run.Status, 2) << args;
        EXPECT_NE(run.Err.find(message), std::string::npos) << args << ": " << run.Err;
    }
}

TEST(SkyOptions, UnknownNamesExitTwoNamingTheChoices) {
    const std::pair<const char*, const char*> cases[] = {
        {" --ephemeris modem", "--ephemeris 'modem': expected modern or classical"},
        {" --ephemeris=", "--ephemeris '': expected modern or classical"},
        {" --ayanamsa fagan", "--ayanamsa 'fagan': expected lahiri, raman, kp or true-chitra"},
        {" --ayanamsa Lahiri", "--ayanamsa 'Lahiri': expected lahiri, raman, kp or true-chitra"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun run = RunInProcess(std::string(Delhi) + args);
        EXPECT_EQ(run.Status, 2) << args;
        EXPECT_NE(run.Err.find(message), std::string::npos) << args << ": " << run.Err;
    }
}

// The defaults are the modern ephemeris and Lahiri; naming them changes nothing.
TEST(SkyOptions, TheDefaultsNamedGiveTheSameOutput) {
    for (const char* format : {" --format text", " --format json", " --format csv"}) {
        const ToolRun plain = RunInProcess(std::string(Delhi) + format);
        const ToolRun named =
            RunInProcess(std::string(Delhi) + format + " --ayanamsa lahiri --ephemeris modern");
        EXPECT_EQ(plain.Status, 0) << plain.Err;
        EXPECT_EQ(plain.Out, named.Out) << format;
    }
    const ToolRun json = RunInProcess(std::string(Delhi) + " --format json");
    EXPECT_EQ(Field(json.Out, "ephemeris"), "modern");
    const ToolRun classical =
        RunInProcess(std::string(Delhi) + " --format json --ephemeris classical");
    EXPECT_EQ(Field(classical.Out, "ephemeris"), "classical");
}

// delta_t: TT - UT at the moment. The IERS's observed value for 2024 is 69.2 s; the classical
// reckoning's formula after 2010 runs about 20 s above it; either lies within 60 to 95 s.
TEST(SkyOptions, TheMomentCarriesItsDeltaT) {
    const ToolRun json = RunInProcess(std::string(Delhi) + " --format json");
    const double deltaT = std::stod(Field(json.Out, "delta_t"));
    EXPECT_GT(deltaT, 60);
    EXPECT_LT(deltaT, 95);
}

// The JSON's ayanamsa on each zodiac at 2024 January 1 0h UT (JDE 2460310.5 plus Delta T, which
// moves it by under a hundredth of a second of arc), against the Swiss Ephemeris 2.10
// (scripts/ayanamsa-reference.c): the mean values, and the true one for the true Chitrapaksha.
TEST(SkyOptions, TheAyanamsaIsTheChosenOne) {
    const std::pair<const char*, double> cases[] = {
        {"lahiri", 24.192343995}, // the Committee's value is 0.8" below the reference's
        {"raman", 22.746042709},
        {"kp", 24.095491709},
        {"true-chitra", 24.173432337},
    };
    for (const auto& [name, reference] : cases) {
        const ToolRun run =
            RunInProcess(std::string("2024-01-01 00:00 --zone 0 --lon 0:00E --lat 0:00N "
                                     "--format json --ayanamsa ") +
                         name);
        ASSERT_EQ(run.Status, 0) << name << ": " << run.Err;
        EXPECT_NEAR(std::stod(Field(run.Out, "ayanamsa")), reference, 1.0 / 3600) << name;
    }
}

// A batch's command line gives its lines their zodiac; a line may name another. The reference's
// Raman ayanamsa lies 1.44630 degrees below its Lahiri here (2024: 22.746043 and 24.192344).
TEST(SkyOptions, ABatchsLinesTakeTheCommandLinesChoiceOrTheirOwn) {
    const std::string line = std::string(Delhi) + '\n';
    const std::string raman = std::string(Delhi) + " --ayanamsa raman\n";
    const ToolRun alone = RunInProcess("--batch", raman);
    const ToolRun byCommand = RunInProcess("--batch --ayanamsa raman", line);
    const ToolRun overridden = RunInProcess("--batch --ayanamsa kp", raman);
    const ToolRun lahiri = RunInProcess("--batch", line);
    ASSERT_EQ(alone.Status, 0) << alone.Err;
    EXPECT_EQ(byCommand.Out, alone.Out);
    EXPECT_EQ(overridden.Out, alone.Out);
    EXPECT_NE(lahiri.Out, alone.Out);
    EXPECT_NEAR(std::stod(Field(lahiri.Out, "ayanamsa")) - std::stod(Field(alone.Out, "ayanamsa")),
                1.44630, 0.00002);
}

// A calendar file names what it was reckoned with; the month's days follow the choice.
TEST(SkyOptions, TheCalendarFileNamesTheEphemerisAndTheAyanamsa) {
    const ToolRun run = RunInProcess("--ics - --from 2024-01-01 --to 2024-01-02 --zone 5:30 "
                                     "--lon 77.2090E --lat 28.6139N --ephemeris classical "
                                     "--ayanamsa raman");
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Out.find("X-WR-CALDESC:Computed with the classical ephemeris and the Raman "
                           "ayanamsa."),
              std::string::npos)
        << run.Out.substr(0, 400);
    const ToolRun plain = RunInProcess("--ics - --from 2024-01-01 --to 2024-01-02 --zone 5:30 "
                                       "--lon 77:13E --lat 28:36N");
    EXPECT_NE(plain.Out.find("X-WR-CALDESC:Computed with the modern ephemeris and the Lahiri "
                             "ayanamsa."),
              std::string::npos);
    for (const char* option : {" --ephemeris old", " --ayanamsa none"}) {
        const ToolRun bad = RunInProcess(std::string("--month 2024-01 --zone 5:30 --lon 77:13E "
                                                     "--lat 28:36N") +
                                         option);
        EXPECT_EQ(bad.Status, 2) << option;
    }
}

} // namespace
