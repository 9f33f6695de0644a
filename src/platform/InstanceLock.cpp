// SPDX-License-Identifier: MIT
// The single-instance lock. On Windows, a named mutex of the session; elsewhere, an exclusive lock
// on a file of the lock's folder (flock). Either is the kernel's: it ends with the process that
// holds it, so that a crash or a power cut leaves nothing that blocks the next start.
#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <utility>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <QCryptographicHash>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

InstanceLock::InstanceLock(QString folder) : folder_(std::move(folder)) {}

#ifdef Q_OS_WIN

InstanceLock::~InstanceLock() {
    if (mutex_)
        ::CloseHandle(static_cast<HANDLE>(mutex_));
}

InstanceLock::Claim InstanceLock::tryClaim() {
    if (mutex_)
        return Claim::Taken;
    // One name for the user's folder, among the objects of the session. Nothing is written to
    // disk, so nothing can be left behind.
    const QByteArray folderHash = QCryptographicHash::hash(
        QDir(folder_).absolutePath().toLower().toUtf8(), QCryptographicHash::Sha256);
    const QString name =
        QStringLiteral("Local\\Kestrava-") + QString::fromLatin1(folderHash.toHex().left(32));
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(name.utf16()));
    if (!mutex) // one that another account made, and that this one may not open, is held too
        return ::GetLastError() == ERROR_ACCESS_DENIED ? Claim::HeldByOther : Claim::Unavailable;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return Claim::HeldByOther;
    }
    mutex_ = mutex;
    return Claim::Taken;
}

#else

namespace {

// The lock file, and the names taken in turn when something unusable lies in its place. Every
// start tries them in the same order and takes the first that is a plain file it may open, or
// that it can create. An unusable entry stays unusable, for no start removes anything, so every
// start arrives at the same file.
const char* const LockFileNames[] = {"instance.lock", "instance-2.lock", "instance-3.lock",
                                     "instance-4.lock"};

// An error of open() that says the entry is no file this user may lock: a symbolic link (ELOOP,
// or EMLINK on the BSDs), a folder, a device or socket, a file of another account.
bool IsUnusableEntry(int error) {
    switch (error) {
    case ELOOP:
    case EMLINK:
    case EISDIR:
    case ENXIO:
    case EACCES:
    case EPERM:
    case ETXTBSY:
        return true;
    default:
        return false;
    }
}

} // namespace

InstanceLock::~InstanceLock() {
    if (descriptor_ >= 0)
        ::close(descriptor_); // and with it the lock; the file stays, empty of meaning
}

InstanceLock::Claim InstanceLock::tryClaim() {
    if (descriptor_ >= 0)
        return Claim::Taken;
    if (!QDir().mkpath(folder_))
        return Claim::Unavailable;
    for (const char* name : LockFileNames) {
        const QByteArray path = QFile::encodeName(QDir(folder_).filePath(QLatin1String(name)));
        struct stat entry {};
        if (::lstat(path.constData(), &entry) == 0 && !S_ISREG(entry.st_mode))
            continue; // a symbolic link, a folder, a pipe or a device: not even opened
        // Whatever the file holds means nothing: only the kernel's lock counts. O_NOFOLLOW: a
        // link put in its place since the look is not followed to a file elsewhere; O_CLOEXEC:
        // a program started from this one (the browser) does not inherit the lock.
        const int descriptor = ::open(
            path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK,
            S_IRUSR | S_IWUSR);
        if (descriptor < 0) {
            if (IsUnusableEntry(errno))
                continue;
            return Claim::Unavailable;
        }
        struct stat opened {};
        if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(descriptor);
            continue;
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            descriptor_ = descriptor;
            return Claim::Taken;
        }
        const int error = errno;
        ::close(descriptor);
        return error == EWOULDBLOCK || error == EAGAIN ? Claim::HeldByOther : Claim::Unavailable;
    }
    return Claim::Unavailable;
}

#endif
