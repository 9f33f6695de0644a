// SPDX-License-Identifier: MIT
// The channel from a later start of Kestrava to the instance that runs: the later start, refused,
// asks the running one to bring its window forward. A local socket (a Unix domain socket, a
// named pipe on Windows) on which the running instance listens.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // The channel's name that goes with a single-instance lock's folder: one for each user and
    // folder, as the lock is. On Unix a socket in the user's runtime folder.
    static QString NameFor(const QString& lockFolder);

    explicit InstanceChannel(QString name, QObject* parent = nullptr);
    ~InstanceChannel() override;

    // Listens for later starts; only the holder of the single-instance lock may. What a holder
    // that crashed left in the channel's place is removed first. False when no channel could be
    // made: later starts then cannot reach this one.
    bool listen();

    // Asks the instance that listens on the named channel to come forward, and waits for it to
    // confirm, at most the milliseconds given. False when none listens or none answered in time.
    static bool requestActivation(const QString& name, int timeoutMs);

Q_SIGNALS:
    // A later start asked this instance to bring its window forward.
    void activationRequested();

private:
    void acceptRequests();
    void readRequest(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_{};
};
