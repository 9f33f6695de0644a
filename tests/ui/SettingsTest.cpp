// SPDX-License-Identifier: MIT
// What Kestrava remembers: the settings file edited a line at a time, so that the user's own text
// stays (comments, quoting, a symlink, the file's mode); what Qt's reader reads back from every
// value written; the record's migration from the first layout, and nothing written at a first
// start.
#include "platform/IniText.h"
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"
#include "ui/Settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A file as a user may have left it: a comment, a value with commas and quotes that Qt's reader
// takes as a list, odd spacing, and a section of someone else's.
const char* const UsersFile = "; kept by hand\n"
                              "[Settings]\n"
                              "Duration=2026-01-01T08:00:00\n"
                              "Colours = a,b,\"c\"   ; mine\n"
                              "\n"
                              "[Other]\n"
                              "# another comment\n"
                              "x=1\n";

TEST(IniText, EditsOnlyTheLinesOfTheKeyOrSection) {
    struct Case {
        const char* what;
        std::function<QString(const QString&)> edit;
        const char* expected;
    };
    const Case cases[] = {
        {"a key's value replaced in its line",
         [](const QString& t) { return WithIniValue(t, "Settings", "Duration", "2026-02-01T09:00:00"); },
         "; kept by hand\n[Settings]\nDuration=2026-02-01T09:00:00\nColours = a,b,\"c\"   ; mine\n\n"
         "[Other]\n# another comment\nx=1\n"},
        {"a new key after the section's last key, before its blank line",
         [](const QString& t) { return WithIniValue(t, "Settings", "Language", "hi"); },
         "; kept by hand\n[Settings]\nDuration=2026-01-01T08:00:00\nColours = a,b,\"c\"   ; mine\n"
         "Language=hi\n\n[Other]\n# another comment\nx=1\n"},
        {"a new section at the end",
         [](const QString& t) { return WithIniValue(t, "Preferences", "Language", "en"); },
         "; kept by hand\n[Settings]\nDuration=2026-01-01T08:00:00\nColours = a,b,\"c\"   ; mine\n\n"
         "[Other]\n# another comment\nx=1\n\n[Preferences]\nLanguage=en\n"},
        {"a section replaced in its place",
         [](const QString& t) { return WithIniSection(t, "Settings", {{"Duration", "d"}}); },
         "; kept by hand\n[Settings]\nDuration=d\n\n[Other]\n# another comment\nx=1\n"},
        {"a section removed with its header",
         [](const QString& t) { return WithIniSection(t, "Settings", {}); },
         "; kept by hand\n\n[Other]\n# another comment\nx=1\n"},
        {"an absent section removed: nothing changes",
         [](const QString& t) { return WithIniSection(t, "HomePlace", {}); }, UsersFile},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.edit(QString::fromUtf8(UsersFile)).toStdString(), c.expected) << c.what;
    EXPECT_EQ(WithIniValue({}, "S", "k", "v").toStdString(), "[S]\nk=v\n");
}

// Every value written comes back the same through Qt's own reader of the file.
TEST(IniText, QtsReaderReadsBackEveryValueWritten) {
    const QString values[] = {
        "plain", "", " leading and trailing ", "a,b,c", "quote \" and back\\slash", "semi;colon",
        "=equals", "#hash", "line\nbreak\ttab", QString::fromUtf8("S\xC3\xA3o Paulo"),
        QString::fromUtf8("\xE0\xA4\xA6\xE0\xA4\xBF\xE0\xA4\xB2\xE0\xA5\x8D\xE0\xA4\xB2\xE0\xA5\x80"),
        "C:\\Users\\Asha\\Documents", "2026-01-15T09:30:15"};
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    int n = 0;
    for (const QString& value : values) {
        const QString path = folder.filePath(QStringLiteral("f%1.ini").arg(n++));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WithIniValue({}, "Section", "Key", value).toUtf8());
        file.close();
        QSettings read(path, QSettings::IniFormat);
        EXPECT_EQ(read.value("Section/Key").toString(), value) << value.toStdString();
    }
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
        path = home.filePath(QStringLiteral("ui_tests/ui_tests.ini"));
    }
    void put(const QString& where, const char* text) {
        QDir().mkpath(QFileInfo(where).absolutePath());
        QFile file(where);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray read(const QString& where) {
        QFile file(where);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
    }
    QTemporaryDir home;
    QString path;
    QtPlatform platform;
};

// The first start writes the reminder's date; the rest of the user's file stays as it was, a
// value that changes nothing writes nothing, and the file keeps its mode and stays a link.
TEST_F(SettingsFile, AWriteKeepsTheUsersTextTheLinkAndTheMode) {
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("kestrava.ini"));
    put(target, "; mine\n[Other]\nkey=a,b,\"c\"\n");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_TRUE(QFile::link(target, path));

    platform.writeSetting("ui_tests", "Settings", "Duration", "2026-01-01T08:00:00");
    EXPECT_EQ(read(target).toStdString(),
              "; mine\n[Other]\nkey=a,b,\"c\"\n\n[Settings]\nDuration=2026-01-01T08:00:00\n");
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther |
                                      QFile::WriteOther;
    EXPECT_EQ(QFile::permissions(target) & (others | QFile::ReadOwner | QFile::WriteOwner),
              QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(platform.readSetting("ui_tests", "Other", "key"), "a, b, c");

    const QDateTime written = QFileInfo(target).lastModified();
    QFile::setPermissions(target, QFile::ReadOwner); // a write now would fail
    platform.writeSetting("ui_tests", "Settings", "Duration", "2026-01-01T08:00:00");
    EXPECT_EQ(QFileInfo(target).lastModified(), written);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

// The first layout kept the language beside the reminder's date: it moves to the preferences,
// the date stays, and the schema is marked; a store with nothing in it gets nothing.
TEST(SettingsRecord, MigratesTheFirstLayoutAndWritesNothingAtAFirstStart) {
    const QString app = SettingsApplicationName() + QLatin1Char('/');
    FakePlatform first;
    EXPECT_EQ(ReadSettings(first), Settings{});
    EXPECT_TRUE(first.settings.isEmpty());

    FakePlatform old;
    old.settings[app + "Settings/Duration"] = "2026-01-01T08:00:00";
    old.settings[app + "Settings/Language"] = "hi";
    const Settings read = ReadSettings(old);
    EXPECT_EQ(read.language, "hi");
    EXPECT_EQ(read.reminderDate, "2026-01-01T08:00:00");
    EXPECT_EQ(old.settings.keys(),
              (QStringList{app + "Preferences/Language", app + "Preferences/SchemaVersion",
                           app + "Settings/Duration"}));
    EXPECT_EQ(old.settings.value(app + "Preferences/SchemaVersion"), "2");

    // Only what changed is written.
    FakePlatform now;
    now.settings = old.settings;
    now.settings[app + "Calendar/Paper"] = "Letter";
    ASSERT_TRUE(UpdateSettings(now, [](Settings& s) { s.tradition = "vaishnava"; }));
    old.settings[app + "Calendar/Paper"] = "Letter";
    old.settings[app + "Preferences/Tradition"] = "vaishnava";
    EXPECT_EQ(now.settings, old.settings);
}

} // namespace
