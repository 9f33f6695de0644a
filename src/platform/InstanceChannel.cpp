// SPDX-License-Identifier: MIT
// The channel from a later start to the running instance: one request line, "activate", and the
// running instance's answer, "ok", once it has been asked to come forward. Whatever else arrives
// is dropped, and a caller that says nothing is let go after a while.
#include "platform/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <utility>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

constexpr char ActivationRequest[] = "activate";
constexpr char Confirmation[] = "ok";
constexpr qint64 LongestRequest = 64;       // bytes; a longer line is no request of ours
constexpr int SilentCallerTimeoutMs = 5000; // a caller that sends nothing is let go then

} // namespace

QString InstanceChannel::NameFor(const QString& lockFolder) {
    QString folder = QDir(lockFolder).absolutePath();
#ifdef Q_OS_WIN
    folder = folder.toLower(); // as the lock names its mutex
#endif
    const QString name =
        QStringLiteral("kestrava-") +
        QString::fromLatin1(
            QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
#ifdef Q_OS_WIN
    return name; // a named pipe; the folder's path makes it the user's own
#else
    // A socket in the user's own runtime folder (mode 0700), with a short path, as sockets need.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(name);
#endif
}

InstanceChannel::InstanceChannel(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::listen() {
    if (server_)
        return server_->isListening();
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // The caller holds the lock: no other instance runs, so whatever lies in the channel's place
    // was left by one that crashed.
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_))
        return false;
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::acceptRequests);
    return true;
}

void InstanceChannel::acceptRequests() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        QTimer::singleShot(SilentCallerTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    }
}

void InstanceChannel::readRequest(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > LongestRequest) {
            socket->abort();
            socket->deleteLater();
        }
        return; // the rest of the line is yet to come
    }
    const QByteArray request = socket->readLine(LongestRequest + 1).trimmed();
    if (request == ActivationRequest) {
        socket->write(Confirmation);
        socket->write("\n");
        socket->flush();
        Q_EMIT activationRequested();
    }
    socket->disconnectFromServer();
}

bool InstanceChannel::requestActivation(const QString& name, int timeoutMs) {
#ifdef Q_OS_WIN
    // Windows lets a program take the foreground only when the one in front allows it: this
    // start, which the user just made, lets the running instance come forward.
    ::AllowSetForegroundWindow(ASFW_ANY);
#endif
    const QDeadlineTimer deadline(timeoutMs);
    auto remaining = [&deadline] { return static_cast<int>(deadline.remainingTime()); };
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(remaining()))
        return false;
    socket.write(ActivationRequest);
    socket.write("\n");
    if (!socket.waitForBytesWritten(remaining()))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(remaining()))
            return false;
    }
    return socket.readLine(LongestRequest + 1).trimmed() == Confirmation;
}
