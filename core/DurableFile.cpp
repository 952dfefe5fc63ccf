// SPDX-License-Identifier: MIT
#include "core/DurableFile.h"

#include <cerrno>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorvex {

std::string outputFilePath(std::string_view folder, std::string_view name) {
    std::string path(folder);
#ifdef _WIN32
    path += '\\';
#else
    path += '/';
#endif
    path += name;
    return path;
}

#ifdef _WIN32

namespace {
std::wstring widen(const std::string& text) {
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string lastError() {
    char buffer[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   GetLastError(), 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    return text;
}
} // namespace

WriteOutcome writeFileDurably(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::wstring target = widen(path);
    const std::wstring temp = target + L".tmp";
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {false, lastError()};
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file);
    std::string reason = ok ? std::string() : lastError();
    CloseHandle(file);
    if (ok && MoveFileExW(temp.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {true, {}};
    if (reason.empty())
        reason = lastError();
    DeleteFileW(temp.c_str());
    return {false, reason};
}

bool removeIfPresent(const std::string& path, std::string* reason) {
    const std::wstring target = widen(path);
    if (DeleteFileW(target.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
        return true;
    if (reason)
        *reason = lastError();
    return false;
}

#else

namespace {
std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems (and FAT drivers) refuse fsync on a folder; the rename is then as
    // durable as the driver makes it, so only a real I/O error counts.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}
} // namespace

WriteOutcome writeFileDurably(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string folder = folderOf(path);
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {false, std::strerror(errno)};
    const std::string temp(name.data());

    auto fail = [&](bool open) -> WriteOutcome {
        const int saved = errno;
        if (open)
            ::close(fd);
        ::unlink(temp.c_str());
        return {false, std::strerror(saved)};
    };
    ::fchmod(fd, 0644);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return fail(true);
    if (::close(fd) != 0)
        return fail(false);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        return fail(false);
    if (!syncFolder(folder))
        return {false, std::strerror(errno)};
    return {true, {}};
}

bool removeIfPresent(const std::string& path, std::string* reason) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return true;
    if (reason)
        *reason = std::strerror(errno);
    return false;
}

#endif

} // namespace quorvex
