// SPDX-License-Identifier: MIT
// Saving a whole file or nothing, without Qt: shared by the windows' export and the command line.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The step at which a save failed.
enum class SaveStep {
    NoName,   // the path is empty
    NoFolder, // the folder it names does not exist (or is no folder)
    IsFolder, // the path names a folder
    NotAFile, // a socket, a block device or another thing that takes no file
    NoReader, // a pipe (FIFO) that no program reads
    Inspect,  // the path could not be looked at (a loop of links, no permission)
    Create,   // the temporary file beside it could not be made
    Write,    // the bytes could not be written (disk full, file-size limit, I/O error)
    Replace,  // the finished file could not take the old one's place
};

struct SaveFailure {
    SaveStep Step{};
    int Error{};                // the system's error number (errno); 0 where there is none
    std::string Path;           // the file or folder concerned, as the system names it
    std::string Reason() const; // the system's text for Error ("No space left on device")
};

// SaveWholeFile: writes a file whole or not at all.
//   path    the file's path (UTF-8 where the system's names are); a symbolic link is followed to
//           its target, which is written and stays where it is, the link unchanged
//   bytes   all of its contents
//   midway  for tests: called once the first half of the bytes is written
// A regular file (or none yet) is replaced through a temporary file beside the target, with a
// short name of its own (so that the longest legal name still has room), which takes the old
// file's mode and owner and then its place; a file made new has the mode the umask leaves.
// Whatever stops the save, a failure or a signal that ends the program (SIGINT, SIGTERM,
// SIGHUP; the file-size limit's SIGXFSZ and SIGPIPE are turned into failures), the temporary
// file is removed and the old file is unchanged. A character device or a pipe is written in
// place, as a shell's redirection does; other special files are refused.
// Returns nothing on success, otherwise the step that failed and why.
std::optional<SaveFailure> SaveWholeFile(const std::string& path, std::string_view bytes,
                                         const std::function<void()>& midway = {});
