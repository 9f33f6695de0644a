// SPDX-License-Identifier: MIT
// The channel through which a refused start reaches the running instance, in one process: the
// request arrives and is confirmed, a channel that a crashed instance left behind is taken over,
// and nothing but the request itself brings the window forward.
#include "platform/InstanceChannel.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <memory>
#include <string>

#ifndef Q_OS_WIN
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

constexpr int AnswerTimeoutMs = 30000; // generous for builds with sanitizers

// The running instance's side, listening on a channel in a folder of the test's own.
class InstanceChannelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
#ifdef Q_OS_WIN
        name = QStringLiteral("kestrava-test-") + QFileInfo(folder.path()).fileName();
#else
        name = folder.filePath(QStringLiteral("channel"));
#endif
    }

    // The running instance starts listening; it counts the requests that arrive.
    bool listen() {
        listening = std::make_unique<InstanceChannel>(name);
        QObject::connect(listening.get(), &InstanceChannel::activationRequested,
                         [this] { ++activations; });
        return listening->listen();
    }

    // What the later start sees, asked from another thread (it is another process in the
    // program), while this one answers.
    bool requestFromAnotherStart() {
        std::future<bool> answered = std::async(std::launch::async, [this] {
            return InstanceChannel::requestActivation(name, AnswerTimeoutMs);
        });
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            AnswerTimeoutMs + 5000));
        return answered.get();
    }

    QTemporaryDir folder;
    QString name;
    std::unique_ptr<InstanceChannel> listening;
    int activations = 0;
};

TEST_F(InstanceChannelTest, ARequestArrivesAndIsConfirmed) {
    ASSERT_TRUE(listen());
    EXPECT_TRUE(requestFromAnotherStart());
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(requestFromAnotherStart());
    EXPECT_EQ(activations, 2);
}

TEST_F(InstanceChannelTest, NobodyListeningIsToldAtOnce) {
    EXPECT_FALSE(InstanceChannel::requestActivation(name, AnswerTimeoutMs));
}

#ifndef Q_OS_WIN
// A socket that a crashed instance left behind: bound, never listened on again, still on disk.
TEST_F(InstanceChannelTest, AChannelLeftByACrashedInstanceIsTakenOver) {
    const QByteArray path = QFile::encodeName(name);
    const int left = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(left, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof(address.sun_path));
    std::copy(path.begin(), path.end(), address.sun_path);
    ASSERT_EQ(::bind(left, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(left);
    ASSERT_TRUE(QFile::exists(name));
    EXPECT_FALSE(InstanceChannel::requestActivation(name, AnswerTimeoutMs));

    ASSERT_TRUE(listen());
    EXPECT_TRUE(requestFromAnotherStart());
    EXPECT_EQ(activations, 1);
}
#endif

// Only the request itself brings the window forward: another line, a line too long, or bytes
// without an end of line are dropped, and the channel still answers the next request.
TEST_F(InstanceChannelTest, WhateverElseArrivesIsDropped) {
    ASSERT_TRUE(listen());
    const QByteArray others[] = {"hello\n", "activate please\n", "\n",
                                 QByteArray(100000, 'a') + "activate\n", "activ"};
    for (const QByteArray& other : others) {
        SCOPED_TRACE(other.left(20).toStdString());
        std::future<QByteArray> answered = std::async(std::launch::async, [this, other] {
            QLocalSocket socket;
            socket.connectToServer(name);
            if (!socket.waitForConnected(AnswerTimeoutMs))
                return QByteArray("(not connected)");
            socket.write(other);
            socket.waitForBytesWritten(AnswerTimeoutMs);
            // The running instance answers nothing and lets go (after a while, for bytes without
            // an end of line).
            socket.waitForDisconnected(AnswerTimeoutMs);
            return socket.readAll();
        });
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            AnswerTimeoutMs + 5000));
        EXPECT_EQ(answered.get(), QByteArray());
        EXPECT_EQ(activations, 0);
    }
    EXPECT_TRUE(requestFromAnotherStart());
    EXPECT_EQ(activations, 1);
}

} // namespace
