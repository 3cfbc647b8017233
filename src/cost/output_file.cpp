// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace sentinel {
namespace {

// A socket takes a connection, not a file's content.
constexpr const char* kSocket = "it is a socket, not a file";

std::string SystemReason(int error)
{
    return std::strerror(error);
}

// Writes the bytes whole to an open file; the errno of a failure, else 0.
int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The permissions a new file gets from the process's mask, as open() gives them.
mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// What is at a path, links followed.
enum class Found { Nothing, File, Stream, Directory, Socket, Unreadable };

Found WhatIsAt(const std::string& path, int& error)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        error = errno;
        return error == ENOENT ? Found::Nothing : Found::Unreadable;
    }
    if (S_ISREG(status.st_mode))
        return Found::File;
    if (S_ISDIR(status.st_mode)) {
        error = EISDIR;
        return Found::Directory;
    }
    if (S_ISSOCK(status.st_mode))
        return Found::Socket;
    return Found::Stream;  // a character or block device, a FIFO, a pipe
}

// The file a path names once its links are followed: the path of a regular
// file or of one still to be made, into whose folder the new file goes.
std::string FileBehind(const std::string& path)
{
    std::string file = path;
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = readlink(file.c_str(), target, sizeof target - 1);
        if (length < 0)
            return file;  // no link, or nothing there yet
        const std::string next(target, static_cast<std::size_t>(length));
        const std::size_t slash = file.rfind('/');
        file = next.starts_with('/') || slash == std::string::npos ? next : file.substr(0, slash + 1) + next;
    }
    return file;  // a loop of links: the system says so when it is opened
}

// Whether the folder a file goes in is there (keeps errno).
bool FolderIsThere(const std::string& file)
{
    const int error = errno;
    const std::size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, std::max<std::size_t>(slash, 1));
    struct stat status {};
    const bool there = stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
    errno = error;
    return there;
}

// A new file in the output's folder, as the write makes one: its descriptor
// and path, or -1 with errno set.
int NewFileBeside(const std::string& file, std::string& made)
{
    made = file + ".XXXXXX";
    return mkstemp(made.data());
}

// Into a device or a pipe as it is; a FIFO with no reader yet is waited for.
std::string WriteInto(const std::string& path, std::string_view bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return SystemReason(errno);
    int error = WriteAll(fd, bytes);
    if (close(fd) != 0 && error == 0)
        error = errno;
    return error != 0 ? SystemReason(error) : std::string();
}

// A whole new file, renamed over `file` once it is written.
std::string ReplaceWhole(const std::string& file, std::string_view bytes)
{
    std::string temporary;
    const int fd = NewFileBeside(file, temporary);
    if (fd < 0)
        return SystemReason(errno);
    int error = fchmod(fd, NewFileMode()) == 0 ? WriteAll(fd, bytes) : errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(temporary.c_str(), file.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return SystemReason(error);
    }
    return {};
}

}  // namespace

std::string WritableProblem(const std::string& path)
{
    int error = 0;
    switch (WhatIsAt(path, error)) {
    case Found::Stream:
        // Opening a FIFO for writing waits for its reader: ask for leave instead.
        return access(path.c_str(), W_OK) == 0 ? std::string() : SystemReason(errno);
    case Found::Socket: return kSocket;
    case Found::Directory:
    case Found::Unreadable: return SystemReason(error);
    case Found::File:
    case Found::Nothing: break;
    }
    const std::string file = FileBehind(path);
    if (access(file.c_str(), F_OK) == 0 && access(file.c_str(), W_OK) != 0)
        return SystemReason(errno);
    std::string temporary;
    const int fd = NewFileBeside(file, temporary);
    if (fd < 0)
        return FolderIsThere(file) ? "its folder takes no new file: " + SystemReason(errno) : SystemReason(errno);
    close(fd);
    unlink(temporary.c_str());
    return {};
}

std::string WriteWholeFile(const std::string& path, std::string_view bytes)
{
    int error = 0;
    switch (WhatIsAt(path, error)) {
    case Found::Stream: return WriteInto(path, bytes);
    case Found::Socket: return kSocket;
    case Found::Directory:
    case Found::Unreadable: return SystemReason(error);
    case Found::File:
    case Found::Nothing: break;
    }
    return ReplaceWhole(FileBehind(path), bytes);
}

}  // namespace sentinel
