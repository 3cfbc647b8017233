// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What is at an output's path decides how it is written: a file whole, a
// link through, a device or a pipe into, a directory or a socket never.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <fstream>
#include <future>
#include <sstream>

#include "cost/output_file.h"
#include "support/scratch_folder.h"

namespace sentinel {
namespace {

std::string Read(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

mode_t TypeOf(const std::string& path)
{
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
}

// A link stays a link and its target gets the content, whether the target
// is there, missing, or named relative to the link's folder.
TEST(OutputFile, ALinkIsWrittenThrough)
{
    ScratchFolder folder;
    const std::string target = folder.File("target.csv", "old");
    const std::string link = folder.Path("link.csv");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    EXPECT_EQ(WritableProblem(link), "");
    EXPECT_EQ(WriteWholeFile(link, "new"), "");
    EXPECT_EQ(TypeOf(link), S_IFLNK);
    EXPECT_EQ(Read(target), "new");

    const std::string dangling = folder.Path("dangling.csv");
    ASSERT_EQ(symlink("made.csv", dangling.c_str()), 0);  // relative, and nothing there yet
    EXPECT_EQ(WritableProblem(dangling), "");
    EXPECT_EQ(TypeOf(folder.Path("made.csv")), 0U) << "the check leaves nothing behind";
    EXPECT_EQ(WriteWholeFile(dangling, "made"), "");
    EXPECT_EQ(TypeOf(dangling), S_IFLNK);
    EXPECT_EQ(Read(folder.Path("made.csv")), "made");
}

// A device is written into and stays a device: /dev/full's own failure is
// the system's reason, /dev/null's success is silent.
TEST(OutputFile, ADeviceIsWrittenIntoAndNeverReplaced)
{
    ScratchFolder folder;
    const std::string full = folder.Path("full"), null = folder.Path("null");
    if (mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0 || mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device needs root";
    EXPECT_EQ(WritableProblem(full), "") << "it opens; the write is what fails";
    EXPECT_EQ(WriteWholeFile(full, "rows"), "No space left on device");
    EXPECT_EQ(TypeOf(full), S_IFCHR);
    EXPECT_EQ(WriteWholeFile(null, "rows"), "");
    EXPECT_EQ(TypeOf(null), S_IFCHR);
}

// A FIFO is checked without waiting for its reader, and its reader gets the
// bytes; it stays a FIFO.
TEST(OutputFile, AFifoIsCheckedWithoutWaitingAndWrittenInto)
{
    ScratchFolder folder;
    const std::string fifo = folder.Path("rows.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(WritableProblem(fifo), "") << "no reader yet, and no wait";
    auto reader = std::async(std::launch::async, [&fifo] { return Read(fifo); });
    EXPECT_EQ(WriteWholeFile(fifo, "a,b\n1,2\n"), "");
    EXPECT_EQ(reader.get(), "a,b\n1,2\n");
    EXPECT_EQ(TypeOf(fifo), S_IFIFO);
}

// A directory or a socket is refused, by the check and by the write, and
// stays as it was.
TEST(OutputFile, ADirectoryOrASocketIsRefused)
{
    ScratchFolder folder;
    const std::string directory = folder.Path("rows");
    ASSERT_EQ(mkdir(directory.c_str(), 0700), 0);
    EXPECT_EQ(WritableProblem(directory), "Is a directory");
    EXPECT_EQ(WriteWholeFile(directory, "x"), "Is a directory");
    EXPECT_EQ(TypeOf(directory), S_IFDIR);

    const std::string socketPath = folder.Path("rows.sock");
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(WritableProblem(socketPath), "it is a socket, not a file");
    EXPECT_EQ(WriteWholeFile(socketPath, "x"), "it is a socket, not a file");
    EXPECT_EQ(TypeOf(socketPath), S_IFSOCK);
    close(listening);
}

// What passes the check can be written: a folder the new file cannot go in
// fails the check, before anything is measured, with the system's reason.
TEST(OutputFile, TheCheckTriesWhatTheWriteWillDo)
{
    ScratchFolder folder;
    EXPECT_EQ(WritableProblem(folder.Path("missing/rows.csv")), "No such file or directory");
    EXPECT_EQ(WritableProblem("/proc/version").rfind("its folder takes no new file: ", 0), 0U)
        << "a file of /proc takes no new file beside it";
    const std::string existing = folder.File("rows.csv", "kept");
    EXPECT_EQ(WritableProblem(existing), "");
    EXPECT_EQ(Read(existing), "kept") << "the check changes nothing";
    EXPECT_EQ(WriteWholeFile(existing, "new"), "");
    EXPECT_EQ(Read(existing), "new");
    EXPECT_NE(WriteWholeFile(folder.Path("missing/rows.csv"), "x"), "");
}

}  // namespace
}  // namespace sentinel
