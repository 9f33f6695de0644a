// SPDX-License-Identifier: MIT
// The windows at the edges: the export's file written through the platform seam (a link followed,
// a private file kept private, a failure that names the system's reason), and the month view of
// a month with a date the clock skipped.
#include "platform/FileWriting.h"
#include "support/FakePlatform.h"
#include "support/TestClocks.h"
#include "ui/MonthModel.h"
#include "ui/frmMonth.h"

#include <QFile>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifndef _WIN32
// The export writes what a link names and keeps a private file private; what it cannot write it
// says in the system's words (as a shell's `echo > /dev/full` says), never "Unknown error".
TEST(ExportFile, WritesWhereALinkPointsAndNamesWhatFailed) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("private.ics"));
    const QString link = folder.filePath(QStringLiteral("link.ics"));
    {
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("private.ics"), link));

    EXPECT_EQ(WriteWholeFile(link, "BEGIN:VCALENDAR\r\n"), QString());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), file);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("BEGIN:VCALENDAR\r\n"));
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(file).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);

    if (access("/dev/full", W_OK) == 0) {
        EXPECT_EQ(WriteWholeFile(QStringLiteral("/dev/full"), "BEGIN:VCALENDAR\r\n"),
                  QStringLiteral("It could not be written: No space left on device."));
    }
    const QString pipe = folder.filePath(QStringLiteral("pipe.ics"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(WriteWholeFile(pipe, "BEGIN:VCALENDAR\r\n"),
              QStringLiteral("%1 is a pipe that no program is reading.").arg(pipe));
}
#endif

// Samoa skipped 30 December 2011: its cell is empty and takes no selection, and 31 December keeps
// its own cell, a Saturday (the Gregorian calendar's weekday of the date).
TEST(MonthOfASkippedDate, LeavesTheSkippedDatesCellEmpty) {
    const Apia2011 apia;
    const Place place{-(171 + 45 / 60.0), -(13 + 50 / 60.0)};
    MonthModel model;
    model.setMonth(2011, 12, CalendarMonth(2011, 12, place, apia, SkyChoice{}), QDate());
    ASSERT_EQ(model.days().size(), 30u);
    const QModelIndex skipped = model.indexOfDate(QDate(2011, 12, 30));
    ASSERT_TRUE(skipped.isValid());
    EXPECT_EQ(model.dayAt(skipped), nullptr);
    EXPECT_EQ(model.flags(skipped), Qt::NoItemFlags);
    const QModelIndex last = model.indexOfDate(QDate(2011, 12, 31));
    ASSERT_NE(model.dayAt(last), nullptr);
    EXPECT_EQ(model.dayAt(last)->Date.Day, 31);
    EXPECT_EQ(model.dateAt(last), QDate(2011, 12, 31));
    EXPECT_EQ(last.column(), 6); // Saturday, Sunday first
    const QModelIndex before = model.indexOfDate(QDate(2011, 12, 29));
    EXPECT_EQ(model.dateAt(before), QDate(2011, 12, 29));
    EXPECT_EQ(before.column(), 4); // Thursday
}

// In the month view the arrows pass over the skipped date both ways, and a month opened at it
// chooses the day after.
TEST(MonthOfASkippedDate, TheArrowsPassOverIt) {
    FakePlatform platform;
    frmMonth month(platform);
    month.setPlace(
        {{-(171 + 45 / 60.0), -(13 + 50 / 60.0)}, std::make_shared<Apia2011>(), {}, {}, {}});
    month.showDate(QDate(2011, 12, 29));
    auto* grid = month.findChild<QTableView*>();
    ASSERT_NE(grid, nullptr);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(month.chosenDate(), QDate(2011, 12, 31));
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(month.chosenDate(), QDate(2011, 12, 29));
    month.showDate(QDate(2011, 12, 30));
    EXPECT_EQ(month.chosenDate(), QDate(2011, 12, 31));
}

} // namespace
