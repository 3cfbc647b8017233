// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace sentinel {
namespace {

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

}  // namespace

std::string WritableProblem(const std::string& path)
{
    const bool existed = access(path.c_str(), F_OK) == 0;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return SystemReason(errno);
    close(fd);
    if (!existed)
        unlink(path.c_str());
    return {};
}

std::string WriteWholeFile(const std::string& path, std::string_view bytes)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        const int folderError = errno;  // the file's own reason says more, when it has one
        const std::string fileProblem = WritableProblem(path);
        return fileProblem.empty() ? SystemReason(folderError) : fileProblem;
    }
    int error = fchmod(fd, NewFileMode()) == 0 ? WriteAll(fd, bytes) : errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return SystemReason(error);
    }
    return {};
}

}  // namespace sentinel
