// SPDX-License-Identifier: MIT
// The single-instance lock: a claim that the operating system holds for the life of the process
// and lets go of when it ends, however it ends.
#pragma once

#include <QString>

class InstanceLock {
public:
    enum class Claim {
        Taken,       // this process holds the lock now
        HeldByOther, // a running process holds it
        Unavailable, // no lock can be made here (no folder, an unwritable one, a file system
                     // without locks): nothing is known of other instances
    };

    // A lock kept in the folder given, created when needed. Nothing is claimed yet.
    explicit InstanceLock(QString folder);
    ~InstanceLock(); // lets go of a claim taken
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Claims the lock unless a running process holds it. Only a live holder counts: what a
    // crashed or ended process left behind, and whatever happens to lie in the lock's place
    // (an empty or garbled file, a symbolic link, a folder), never stands in the way.
    Claim tryClaim();

private:
    QString folder_;
#ifdef Q_OS_WIN
    void* mutex_ = nullptr; // a named mutex of the session
#else
    int descriptor_ = -1; // an open lock file, with its lock
#endif
};
