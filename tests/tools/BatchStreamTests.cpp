// SPDX-License-Identifier: MIT
// Tests of a batch whose standard input cannot be read or whose results cannot be written: the
// failure is reported with exit status 1, and the run stops where it happened.
#include "ToolRuns.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ios>
#include <iterator>
#include <streambuf>

#ifndef _WIN32
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const std::string Moment = "2000-01-21 04:40 --zone 0 --lon 0E\n";

// Gives `text`, then fails as a disk or a pipe can.
class FailingInput : public std::streambuf {
public:
    explicit FailingInput(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("the device failed"); }

private:
    std::string text_;
};

// Takes `room` characters, then no more, as a disk that fills up.
class FillingOutput : public std::streambuf {
public:
    explicit FillingOutput(std::size_t room) : room_(room) {}

protected:
    int_type overflow(int_type c) override {
        if (room_ == 0)
            return traits_type::eof();
        --room_;
        return traits_type::not_eof(c);
    }

private:
    std::size_t room_;
};

// The lines before the failure run; a line the failure cut short does not, and the message
// names the line being read.
TEST(BatchStreams, AReadErrorIsReportedWithTheLineReached) {
    const struct {
        std::string Input;
        std::size_t Results;
        std::string Err;
    } cases[] = {
        {"", 0, "kestrava-tithi: line 1: standard input could not be read\n"},
        {Moment + "2000-01-21 25:00 --zone 0 --lon 0E\n" + Moment, 2,
         "kestrava-tithi: line 2: TIME '25:00': the hour must be 0 to 23\n"
         "kestrava-tithi: line 4: standard input could not be read\n"},
        {Moment + "2000-01-21 04:40 --zone 0", 1,
         "kestrava-tithi: line 2: standard input could not be read\n"},
    };
    for (const auto& c : cases) {
        FailingInput source(c.Input);
        std::istream in(&source);
        std::ostringstream out, err;
        EXPECT_EQ(tithi_cli::RunCli({"--batch"}, in, out, err), 1) << c.Input;
        EXPECT_EQ(Lines(out.str()).size(), c.Results) << c.Input;
        EXPECT_EQ(err.str(), c.Err) << c.Input;
    }
}

// Once a result cannot be written the run stops: the lines after the next are never read.
TEST(BatchStreams, AWriteErrorStopsTheRun) {
    constexpr std::size_t Count = 100;
    std::string input;
    for (std::size_t k = 0; k < Count; ++k)
        input += Moment;
    // No room at all; room for the CSV header but not the first row.
    const std::pair<const char*, std::size_t> cases[] = {{"--batch", 0},
                                                         {"--batch --format csv", 200}};
    for (const auto& [args, room] : cases) {
        std::istringstream in(input);
        FillingOutput sink(room);
        std::ostream out(&sink);
        std::ostringstream err;
        EXPECT_EQ(tithi_cli::RunCli(Words(args), in, out, err), 1) << args;
        EXPECT_EQ(err.str(), "kestrava-tithi: the results could not be written\n") << args;
        std::size_t unread = 0;
        for (std::string line; std::getline(in, line);)
            ++unread;
        EXPECT_GE(unread, Count - 2) << args;
    }
}

#ifndef _WIN32
struct Spawned {
    int Status;
    std::string Out, Err;
    off_t InputRead; // how far the tool read its standard input
};

// The real executable with standard input and output opened from the given paths (a directory,
// a device); the input's offset, shared with the child, shows how far it read.
Spawned Spawn(const std::string& inputPath, const std::string& outputPath) {
    namespace fs = std::filesystem;
    const fs::path errPath =
        fs::temp_directory_path() / ("kestrava-batch-err-" + std::to_string(::getpid()));
    const int input = ::open(inputPath.c_str(), O_RDONLY);
    EXPECT_GE(input, 0) << inputPath;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, input, 0);
    posix_spawn_file_actions_addopen(&files, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&files, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::string program = KESTRAVA_TITHI_EXECUTABLE, batch = "--batch";
    char* argv[] = {program.data(), batch.data(), nullptr};
    pid_t child = 0;
    Spawned spawned{-1, {}, {}, -1};
    if (posix_spawn(&child, argv[0], &files, nullptr, argv, environ) == 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
        spawned.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        spawned.InputRead = ::lseek(input, 0, SEEK_CUR);
    }
    posix_spawn_file_actions_destroy(&files);
    ::close(input);
    const auto slurp = [](const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    spawned.Err = slurp(errPath);
    if (outputPath.rfind("/dev/", 0) != 0)
        spawned.Out = slurp(outputPath);
    fs::remove(errPath);
    return spawned;
}

TEST(BatchStreams, TheExecutableReportsADirectoryAsStandardInput) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("kestrava-batch-" + std::to_string(getpid()));
    fs::create_directories(dir / "in");
    const Spawned run = Spawn((dir / "in").string(), (dir / "out").string());
    fs::remove_all(dir);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "kestrava-tithi: line 1: standard input could not be read\n");
    EXPECT_EQ(run.Out, "");
}

// A full disk: the tool stops after its first results, far from the end of its input.
TEST(BatchStreams, TheExecutableStopsOnAFullDisk) {
    namespace fs = std::filesystem;
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const fs::path inputPath =
        fs::temp_directory_path() / ("kestrava-batch-in-" + std::to_string(getpid()));
    std::string input;
    for (int k = 0; k < 4000; ++k)
        input += Moment;
    std::ofstream(inputPath, std::ios::binary) << input;
    const Spawned run = Spawn(inputPath.string(), "/dev/full");
    fs::remove(inputPath);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "kestrava-tithi: the results could not be written\n");
    EXPECT_GE(run.InputRead, 0);
    EXPECT_LT(run.InputRead, static_cast<off_t>(input.size() / 4));
}
#endif

} // namespace
