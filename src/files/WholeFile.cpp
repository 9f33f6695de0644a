// SPDX-License-Identifier: MIT
// Saving a whole file or nothing: links followed, special files written in place, the old file's
// mode kept, and the temporary file removed on every way out, signals included.
#include "files/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <mutex>
#include <random>

#ifndef _WIN32
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <filesystem>
#include <fstream>
#endif

std::string SaveFailure::Reason() const {
    return Error ? std::strerror(Error) : std::string();
}

namespace {

// One save at a time: the signal handlers below know a single temporary file.
std::mutex OneSave;

// A name for the temporary file: short, whatever the target's length, and hidden.
std::string TemporaryName() {
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::string name = ".kestrava-";
    for (int k = 0; k < 10; ++k) {
        name += Letters[random() % (sizeof Letters - 1)];
    }
    return name + ".part";
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

#ifndef _WIN32

namespace {

// The temporary file a signal must remove, held where a handler may read it.
char PendingPath[PATH_MAX + 1];
volatile std::sig_atomic_t PendingSet = 0;

constexpr int EndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int FailingSignals[] = {SIGXFSZ, SIGPIPE};
struct sigaction Before[NSIG];

// Removes the temporary file, then lets the signal do what it did before the save began.
extern "C" void RemovePendingAndResignal(int signal) {
    if (PendingSet) {
        unlink(PendingPath);
        PendingSet = 0;
    }
    sigaction(signal, &Before[signal], nullptr);
    raise(signal); // delivered when this handler returns, the signal being blocked until then
}

// While it lives: the ending signals remove the temporary file first, and a write past the
// file-size limit or into a closed pipe fails with EFBIG or EPIPE instead of ending the program.
class SignalGuard {
public:
    SignalGuard() {
        struct sigaction remove {};
        remove.sa_handler = RemovePendingAndResignal;
        sigemptyset(&remove.sa_mask);
        for (int signal : EndingSignals) {
            sigaddset(&remove.sa_mask, signal);
        }
        for (int signal : EndingSignals) {
            sigaction(signal, nullptr, &Before[signal]);
            // A signal the program ignores (SIGHUP under nohup) stays ignored.
            if (Before[signal].sa_handler != SIG_IGN) {
                sigaction(signal, &remove, nullptr);
            }
        }
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        for (int signal : FailingSignals) {
            sigaction(signal, &ignore, &Before[signal]);
        }
    }
    ~SignalGuard() {
        Forget();
        for (int signal : EndingSignals) {
            sigaction(signal, &Before[signal], nullptr);
        }
        for (int signal : FailingSignals) {
            sigaction(signal, &Before[signal], nullptr);
        }
    }
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

    // Makes the temporary file, with its name known to the handlers before a signal can find
    // the file there.
    int Create(const std::string& path, mode_t mode) {
        if (path.size() > PATH_MAX) {
            errno = ENAMETOOLONG;
            return -1;
        }
        sigset_t ending, old;
        sigemptyset(&ending);
        for (int signal : EndingSignals) {
            sigaddset(&ending, signal);
        }
        pthread_sigmask(SIG_BLOCK, &ending, &old);
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        const int error = errno;
        if (fd >= 0) {
            std::memcpy(PendingPath, path.c_str(), path.size() + 1);
            PendingSet = 1;
        }
        pthread_sigmask(SIG_SETMASK, &old, nullptr);
        errno = error;
        return fd;
    }

    void Forget() { PendingSet = 0; }
};

std::optional<SaveFailure> Fail(SaveStep step, int error, std::string path) {
    return SaveFailure{step, error, std::move(path)};
}

// Writes all the bytes, through interruptions and short writes.
bool WriteAll(int fd, std::string_view bytes, const std::function<void()>& midway) {
    const std::size_t half = bytes.size() / 2;
    std::size_t done = 0;
    bool halfway = !midway;
    while (done < bytes.size()) {
        if (!halfway && done >= half) {
            midway();
            halfway = true;
        }
        const std::size_t chunk = halfway ? bytes.size() - done : half - done;
        const ssize_t wrote = write(fd, bytes.data() + done, chunk);
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (!halfway) {
        midway();
    }
    return true;
}

// The path with its symbolic links followed to the file they name, which need not exist yet.
std::optional<SaveFailure> FollowLinks(std::string& path, struct stat& status, bool& exists) {
    for (int hops = 0;; ++hops) {
        if (lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT) {
                exists = false;
                return std::nullopt;
            }
            return Fail(SaveStep::Inspect, errno, path);
        }
        if (!S_ISLNK(status.st_mode)) {
            exists = true;
            return std::nullopt;
        }
        if (hops == 40) {
            return Fail(SaveStep::Inspect, ELOOP, path);
        }
        char target[PATH_MAX + 1];
        const ssize_t length = readlink(path.c_str(), target, PATH_MAX);
        if (length < 0) {
            return Fail(SaveStep::Inspect, errno, path);
        }
        const std::string link(target, static_cast<std::size_t>(length));
        path = link.front() == '/' ? link : FolderOf(path) + '/' + link;
    }
}

// A character device (a terminal, /dev/null) or a pipe: written in place, as it stands. A pipe
// that no program reads is a failure at once, not a wait for a reader that may never come.
std::optional<SaveFailure> WriteInPlace(const std::string& path, std::string_view bytes,
                                        const std::function<void()>& midway) {
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return Fail(errno == ENXIO ? SaveStep::NoReader : SaveStep::Create, errno, path);
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const bool wrote = WriteAll(fd, bytes, midway);
    const int error = errno;
    if (close(fd) != 0 && wrote) {
        return Fail(SaveStep::Write, errno, path);
    }
    return wrote ? std::nullopt : Fail(SaveStep::Write, error, path);
}

} // namespace

std::optional<SaveFailure> SaveWholeFile(const std::string& path, std::string_view bytes,
                                         const std::function<void()>& midway) {
    if (path.empty()) {
        return Fail(SaveStep::NoName, 0, path);
    }
    const std::lock_guard<std::mutex> one(OneSave);
    SignalGuard guard;

    std::string target = path;
    struct stat status {};
    bool exists = false;
    if (auto failure = FollowLinks(target, status, exists)) {
        return failure;
    }
    if (exists && S_ISDIR(status.st_mode)) {
        return Fail(SaveStep::IsFolder, 0, target);
    }
    if (exists && (S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))) {
        return WriteInPlace(target, bytes, midway);
    }
    if (exists && !S_ISREG(status.st_mode)) {
        return Fail(SaveStep::NotAFile, 0, target);
    }
    const std::string folder = FolderOf(target);
    struct stat folderStatus {};
    if (stat(folder.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode)) {
        return Fail(SaveStep::NoFolder, 0, folder);
    }

    // A new file gets the mode the umask leaves of rw-rw-rw-; a file replaced keeps its own,
    // private until then.
    std::string temporary;
    int fd = -1;
    for (int tries = 0; fd < 0 && tries < 20; ++tries) {
        temporary = (folder == "/" ? "" : folder) + '/' + TemporaryName();
        fd = guard.Create(temporary, exists ? S_IRUSR | S_IWUSR : 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return Fail(SaveStep::Create, errno, folder);
    }
    auto abandon = [&](SaveStep step, int error, const std::string& concerned) {
        close(fd);
        unlink(temporary.c_str());
        guard.Forget();
        return Fail(step, error, concerned);
    };
    if (exists) {
        // The owner first: a change of owner may clear the set-id bits that the mode then sets.
        // Only root may give a file away; anyone else's file becomes theirs, as any editor's.
        if (fchown(fd, status.st_uid, status.st_gid) != 0) {
            (void)fchown(fd, static_cast<uid_t>(-1), status.st_gid);
        }
        if (fchmod(fd, status.st_mode & 07777) != 0) {
            return abandon(SaveStep::Create, errno, temporary);
        }
    }
    if (!WriteAll(fd, bytes, midway) || fsync(fd) != 0) {
        return abandon(SaveStep::Write, errno, target);
    }
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        guard.Forget();
        return Fail(SaveStep::Write, error, target);
    }
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        guard.Forget();
        return Fail(SaveStep::Replace, error, target);
    }
    guard.Forget();
    return std::nullopt;
}

#else // _WIN32: no links, devices or signals to mind; the same temporary file and its rename.

std::optional<SaveFailure> SaveWholeFile(const std::string& path, std::string_view bytes,
                                         const std::function<void()>& midway) {
    namespace fs = std::filesystem;
    if (path.empty()) {
        return SaveFailure{SaveStep::NoName, 0, path};
    }
    const std::lock_guard<std::mutex> one(OneSave);
    std::error_code error;
    const fs::path target = fs::u8path(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, error)) {
        return SaveFailure{SaveStep::NoFolder, 0, folder.u8string()};
    }
    if (fs::is_directory(target, error)) {
        return SaveFailure{SaveStep::IsFolder, 0, path};
    }
    const fs::path temporary = folder / TemporaryName();
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return SaveFailure{SaveStep::Create, errno, folder.u8string()};
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
        if (midway) {
            midway();
        }
        out.write(bytes.data() + bytes.size() / 2,
                  static_cast<std::streamsize>(bytes.size() - bytes.size() / 2));
        out.flush();
        if (!out) {
            const int saved = errno;
            out.close();
            fs::remove(temporary, error);
            return SaveFailure{SaveStep::Write, saved, path};
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        const int saved = error.value();
        fs::remove(temporary, error);
        return SaveFailure{SaveStep::Replace, saved, path};
    }
    return std::nullopt;
}

#endif
