// SPDX-License-Identifier: MIT
// A write killed midway: its temporary file stays behind until the next write of the same target.
#include "core/DurableFile.h"

#include "support/Platform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quorvex {
namespace {

using testing::folderEntries;
using testing::readText;
using testing::TempDir;
using testing::writeText;

constexpr std::size_t kBytesBeforeStop = 4096;

#ifndef _WIN32
int g_stopPipe = -1;

extern "C" void stopInsideTheWrite(int) {
    const char byte = 1;
    [[maybe_unused]] const auto sent = ::write(g_stopPipe, &byte, 1);
    for (;;)
        ::pause();
}

// A child process that starts a durable write of `size` bytes and stops inside it: its file size
// limit lets the temporary file grow to kBytesBeforeStop bytes, and the signal for the next
// byte parks it in a handler, where it is killed like a program that crashed or was pulled off
// its power mid-write.
class StoppedWrite final {
  public:
    StoppedWrite(const std::string& path, std::size_t size) {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(fds[0]);
            g_stopPipe = fds[1];
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            struct sigaction action = {};
            action.sa_handler = stopInsideTheWrite;
            sigemptyset(&action.sa_mask);
            ::sigaction(SIGXFSZ, &action, nullptr);
            const rlimit fileSize{rlim_t{kBytesBeforeStop}, rlim_t{kBytesBeforeStop}};
            ::setrlimit(RLIMIT_FSIZE, &fileSize);
            writeFileDurably(path, std::vector<std::uint8_t>(size, 'n'));
            ::_exit(3); // the write was not stopped
        }
        ::close(fds[1]);
        pollfd ready{fds[0], POLLIN, 0};
        char byte = 0;
        m_stopped = m_pid > 0 && ::poll(&ready, 1, 10000) == 1 && ::read(fds[0], &byte, 1) == 1;
        ::close(fds[0]);
    }
    ~StoppedWrite() { kill(); }
    StoppedWrite(const StoppedWrite&) = delete;
    StoppedWrite& operator=(const StoppedWrite&) = delete;

    bool stopped() const { return m_stopped; }

    // True when the child died of SIGKILL.
    bool kill() {
        if (m_pid <= 0)
            return false;
        ::kill(m_pid, SIGKILL);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

  private:
    pid_t m_pid = -1;
    bool m_stopped = false;
};

#else

// Windows cannot stop a write midway from outside; what such a write leaves is what matters: its
// temporary file, kBytesBeforeStop bytes long and, while the write runs, open without sharing
// (as writeFileDurably holds it), so that nothing else can delete it.
class StoppedWrite final {
  public:
    StoppedWrite(const std::string& path, std::size_t) {
        const auto slash = path.find_last_of("/\\");
        const std::string temp =
            path.substr(0, slash + 1) + "." + path.substr(slash + 1) + ".quorvex-St0pp3.tmp";
        m_file = CreateFileW(pathFromUtf8(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        const std::string bytes(kBytesBeforeStop, 'n');
        DWORD written = 0;
        m_stopped =
            m_file != INVALID_HANDLE_VALUE &&
            WriteFile(m_file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
    }
    ~StoppedWrite() { kill(); }
    StoppedWrite(const StoppedWrite&) = delete;
    StoppedWrite& operator=(const StoppedWrite&) = delete;

    bool stopped() const { return m_stopped; }
    bool kill() {
        if (m_file == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
        return true;
    }

  private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
    bool m_stopped = false;
};

#endif

std::vector<std::string> sortedEntries(const std::string& folder) {
    auto names = folderEntries(folder);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> tempFilesOf(const std::string& folder, const std::string& target) {
    std::vector<std::string> names;
    for (const auto& name : sortedEntries(folder)) {
        if (name.rfind("." + target + ".quorvex-", 0) == 0)
            names.push_back(name);
    }
    return names;
}

TEST(DurableFileLeftovers, AWriteKilledMidwayIsClearedByTheNextWriteOfThatFileOnly) {
    TempDir dir;
    const std::string target = dir.file("menu.dat");
    writeText(target, "old");
    // Names near the temporary file's, and a folder with exactly its form: none is a leftover.
    const std::vector<std::string> neighbours = {".menu.dat.other",
                                                 "menu.dat.quorvex-AbC123.tmp",
                                                 ".mms.dat.quorvex-AbC123.tmp",
                                                 ".menu.dat.quorvex-AbC12.tmp",
                                                 ".menu.dat.quorvex-AbC1234.tmp",
                                                 ".menu.dat.quorvex-AbC-12.tmp",
                                                 ".menu.dat.quorvex-AbC123.tmp~",
                                                 ".menu.dat.quorvex-AbC123.tmpx",
                                                 "..menu.dat.quorvex-AbC123.tmp",
                                                 "menu.dat.AbC123"};
    for (const auto& name : neighbours)
        writeText(dir.file(name), "keep " + name);
    std::filesystem::create_directory(dir.file(".menu.dat.quorvex-Folder.tmp"));
    writeText(dir.file(".menu.dat.quorvex-Folder.tmp/inside"), "keep");
    const auto before = sortedEntries(dir.path());

    StoppedWrite crashed(target, 64 * 1024);
    ASSERT_TRUE(crashed.stopped());
    ASSERT_TRUE(crashed.kill());
    std::vector<std::string> leftovers;
    for (const auto& name : sortedEntries(dir.path())) {
        if (std::find(before.begin(), before.end(), name) == before.end())
            leftovers.push_back(name);
    }
    ASSERT_EQ(leftovers.size(), 1u);
    const std::string leftover = leftovers[0];
    EXPECT_TRUE(
        std::regex_match(leftover, std::regex(R"(\.menu\.dat\.quorvex-[A-Za-z0-9]{6}\.tmp)")))
        << leftover;
    EXPECT_EQ(std::filesystem::file_size(dir.file(leftover)), kBytesBeforeStop);
    EXPECT_EQ(readText(target), "old");

    // Another file's write leaves it; the next write of menu.dat removes it.
    ASSERT_TRUE(writeFileDurably(dir.file("smtp.dat"), std::vector<std::uint8_t>{'s'}).ok);
    EXPECT_TRUE(std::filesystem::exists(dir.file(leftover)));
    const std::vector<std::uint8_t> complete(10000, 'c');
    ASSERT_TRUE(writeFileDurably(target, complete).ok);
    EXPECT_EQ(readText(target), std::string(complete.begin(), complete.end()));
    auto expected = before;
    expected.push_back("smtp.dat");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sortedEntries(dir.path()), expected);
    for (const auto& name : neighbours)
        EXPECT_EQ(readText(dir.file(name)), "keep " + name);
    EXPECT_EQ(readText(dir.file(".menu.dat.quorvex-Folder.tmp/inside")), "keep");
}

TEST(DurableFileLeftovers, ATemporaryFileStillBeingWrittenIsLeftToItsWrite) {
    TempDir dir;
    const std::string target = dir.file("menu.dat");
    StoppedWrite running(target, 64 * 1024);
    ASSERT_TRUE(running.stopped());
    const auto inFlight = tempFilesOf(dir.path(), "menu.dat");
    ASSERT_EQ(inFlight.size(), 1u);

    ASSERT_TRUE(writeFileDurably(target, std::vector<std::uint8_t>{'a'}).ok);
    EXPECT_EQ(tempFilesOf(dir.path(), "menu.dat"), inFlight);
    EXPECT_EQ(readText(target), "a");

    ASSERT_TRUE(running.kill());
    ASSERT_TRUE(writeFileDurably(target, std::vector<std::uint8_t>{'b'}).ok);
    EXPECT_EQ(sortedEntries(dir.path()), std::vector<std::string>{"menu.dat"});
    EXPECT_EQ(readText(target), "b");
}

TEST(DurableFileLeftovers, ALeftoverLinkIsRemovedAsALinkNeverFollowed) {
    QUORVEX_SKIP_WITHOUT_LINKS();
    TempDir dir;
    writeText(dir.file("victim"), "keep me");
    std::filesystem::create_directory(dir.file("folder"));
    writeText(dir.file("folder/inside"), "keep");
    std::filesystem::create_symlink(dir.file("victim"), dir.file(".menu.dat.quorvex-L1nk00.tmp"));
    std::filesystem::create_directory_symlink(dir.file("folder"),
                                              dir.file(".menu.dat.quorvex-L1nk01.tmp"));
    std::filesystem::create_symlink(dir.file("gone"), dir.file(".menu.dat.quorvex-L1nk02.tmp"));

    ASSERT_TRUE(writeFileDurably(dir.file("menu.dat"), std::vector<std::uint8_t>{'x'}).ok);
    EXPECT_EQ(sortedEntries(dir.path()),
              (std::vector<std::string>{"folder", "menu.dat", "victim"}));
    EXPECT_EQ(readText(dir.file("victim")), "keep me");
    EXPECT_EQ(readText(dir.file("folder/inside")), "keep");
}

} // namespace
} // namespace quorvex
