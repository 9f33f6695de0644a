// SPDX-License-Identifier: MIT
// Tests of the saving of a whole file: what a link names is written and the link kept, devices
// and pipes are written in place, the old file's mode is kept, the longest legal name is saved,
// and nothing is left behind by a failure, a file-size limit or a signal that ends the program.
#include "files/WholeFile.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string Contents = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n";

// A folder of its own for each test, removed after it.
class WholeFile : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/kestrava-wholefile-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string At(const std::string& name) const { return folder_ + "/" + name; }

    // The names in the folder, to see that nothing was left beside them.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string folder_;
};

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode;
}

// Runs `save` in a child process and returns its wait status: the signals and the file-size
// limit a save must survive would otherwise end the test program itself.
template <class Save> int InChild(Save save) {
    const pid_t child = fork();
    if (child == 0) {
        save();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

// A link is followed to the file it names, however it names it; the link stays a link with the
// same text, and the file is written where it lies, even where it does not exist yet.
TEST_F(WholeFile, WritesWhatALinkNamesAndKeepsTheLink) {
    fs::create_directory(At("real"));
    const struct {
        std::string Link, Text, Target;
        bool TargetExists;
    } cases[] = {
        {"absolute.ics", At("real/a.ics"), At("real/a.ics"), true},
        {"relative.ics", "real/b.ics", At("real/b.ics"), true},
        {"dangling.ics", "real/c.ics", At("real/c.ics"), false},
        {"chain.ics", "relative.ics", At("real/b.ics"), true},
    };
    for (const auto& c : cases) {
        if (c.TargetExists)
            Write(c.Target, "old");
        if (!fs::is_symlink(At(c.Link)))
            fs::create_symlink(c.Text, At(c.Link));
    }
    for (const auto& c : cases) {
        const auto failure = SaveWholeFile(At(c.Link), Contents + c.Link);
        ASSERT_FALSE(failure) << c.Link << ": " << failure->Reason();
        EXPECT_TRUE(fs::is_symlink(At(c.Link))) << c.Link;
        EXPECT_EQ(fs::read_symlink(At(c.Link)).string(), c.Text) << c.Link;
        EXPECT_EQ(Read(c.Target), Contents + c.Link) << c.Link;
    }
    EXPECT_EQ(Names(), (std::set<std::string>{"real", "absolute.ics", "relative.ics",
                                              "dangling.ics", "chain.ics"}));
    std::set<std::string> real;
    for (const auto& entry : fs::directory_iterator(At("real")))
        real.insert(entry.path().filename().string());
    EXPECT_EQ(real, (std::set<std::string>{"a.ics", "b.ics", "c.ics"}));
}

// A file replaced keeps its permissions (a private file stays private); a new one has what the
// umask leaves of rw-rw-rw-, as a shell's redirection gives it.
TEST_F(WholeFile, KeepsTheModeOfTheFileItReplaces) {
    for (const mode_t mode : {0600, 0640, 0604, 0755, 0444}) {
        const std::string path = At("kept-" + std::to_string(mode) + ".ics");
        Write(path, "old");
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        const auto failure = SaveWholeFile(path, Contents);
        ASSERT_FALSE(failure) << std::oct << mode << ": " << failure->Reason();
        EXPECT_EQ(ModeOf(path) & 07777, mode) << std::oct << mode;
        EXPECT_EQ(Read(path), Contents);
    }
    const struct { mode_t Umask, Mode; } fresh[] = {{022, 0644}, {077, 0600}, {002, 0664}};
    for (const auto& c : fresh) {
        const std::string path = At("new-" + std::to_string(c.Umask) + ".ics");
        const mode_t before = umask(c.Umask);
        const auto failure = SaveWholeFile(path, Contents);
        umask(before);
        ASSERT_FALSE(failure) << failure->Reason();
        EXPECT_EQ(ModeOf(path) & 07777, c.Mode) << "umask " << std::oct << c.Umask;
    }
}

// A character device and a pipe are written in place and stay what they are; a pipe nobody reads
// is a failure at once, not a wait.
TEST_F(WholeFile, WritesDevicesAndPipesInPlace) {
    if (access("/dev/null", W_OK) == 0) {
        ASSERT_FALSE(SaveWholeFile("/dev/null", Contents));
        EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));
    }
    const std::string fifo = At("pipe.ics");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto started = std::chrono::steady_clock::now();
    const auto unread = SaveWholeFile(fifo, Contents);
    ASSERT_TRUE(unread);
    EXPECT_EQ(unread->Step, SaveStep::NoReader);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));

    // A program that reads the pipe: the few bytes wait in the pipe's buffer until it does.
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const auto failure = SaveWholeFile(fifo, Contents);
    std::string received;
    char buffer[256];
    for (ssize_t got; (got = read(reader, buffer, sizeof buffer)) > 0;)
        received.append(buffer, static_cast<std::size_t>(got));
    close(reader);
    EXPECT_FALSE(failure) << failure->Reason();
    EXPECT_EQ(received, Contents);
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
    EXPECT_EQ(Names(), std::set<std::string>{"pipe.ics"});
}

// What cannot take a file is refused, each with its step, and left as it was.
TEST_F(WholeFile, RefusesWhatTakesNoFile) {
    const std::string socketPath = At("socket.ics");
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(At("folder.ics"));
    fs::create_symlink("loop-b.ics", At("loop-a.ics"));
    fs::create_symlink("loop-a.ics", At("loop-b.ics"));
    const struct {
        std::string Path;
        SaveStep Step;
        int Error;
    } cases[] = {
        {"", SaveStep::NoName, 0},
        {socketPath, SaveStep::NotAFile, 0},
        {At("folder.ics"), SaveStep::IsFolder, 0},
        {At("missing/file.ics"), SaveStep::NoFolder, 0},
        {At("loop-a.ics"), SaveStep::Inspect, ELOOP},
    };
    for (const auto& c : cases) {
        const auto failure = SaveWholeFile(c.Path, Contents);
        ASSERT_TRUE(failure) << c.Path;
        EXPECT_EQ(failure->Step, c.Step) << c.Path;
        EXPECT_EQ(failure->Error, c.Error) << c.Path;
    }
    close(listening);
    EXPECT_TRUE(S_ISSOCK(ModeOf(socketPath)));
    EXPECT_EQ(Names(),
              (std::set<std::string>{"socket.ics", "folder.ics", "loop-a.ics", "loop-b.ics"}));
}

// The temporary name does not grow with the file's: a name of the longest length the folder
// allows is saved, and replaced.
TEST_F(WholeFile, TheLongestLegalNameIsSaved) {
    const long longest = pathconf(folder_.c_str(), _PC_NAME_MAX);
    ASSERT_GT(longest, 245);
    for (const std::size_t length : {std::size_t{245}, static_cast<std::size_t>(longest)}) {
        const std::string name = std::string(length - 4, 'k') + ".ics";
        for (int round = 0; round < 2; ++round) {
            const auto failure = SaveWholeFile(At(name), Contents);
            ASSERT_FALSE(failure) << length << ": " << failure->Reason();
        }
        EXPECT_EQ(Read(At(name)), Contents);
        fs::remove(At(name));
    }
    EXPECT_TRUE(Names().empty());
}

// A write that the file-size limit stops is a failure that names the system's reason (not the
// end of the program by SIGXFSZ), and the old file stays as it was, alone.
TEST_F(WholeFile, TheFileSizeLimitLeavesTheOldFileAlone) {
    const std::string path = At("limited.ics");
    Write(path, "old");
    const std::string large(64 * 1024, 'x');
    const int status = InChild([&] {
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto failure = SaveWholeFile(path, large);
        const bool named = failure && failure->Step == SaveStep::Write && failure->Error == EFBIG &&
                           failure->Reason() == std::strerror(EFBIG);
        _exit(named ? 0 : 1);
    });
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(Names(), std::set<std::string>{"limited.ics"});
}

// A signal that ends the program midway through a save ends it still, as the program's own
// handling of it would, with the temporary file removed and the old file unchanged.
TEST_F(WholeFile, ASignalMidwayLeavesTheOldFileAlone) {
    const std::string path = At("ended.ics");
    Write(path, "old");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const int status = InChild([&] {
            std::signal(signal, SIG_DFL); // the program's own handling: the default, to end it
            SaveWholeFile(path, std::string(100000, 'x'), [&] { raise(signal); });
            _exit(3);
        });
        ASSERT_TRUE(WIFSIGNALED(status)) << "signal " << signal << ": exit " << WEXITSTATUS(status);
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_EQ(Read(path), "old");
        EXPECT_EQ(Names(), std::set<std::string>{"ended.ics"}) << "signal " << signal;
    }
}

} // namespace

#endif
