// SPDX-License-Identifier: MIT
#include "core/DurableFile.h"

#include "core/SystemText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <iterator>
#include <random>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

namespace {

// A temporary file is "." + target name + kTempMarker + kRandomLength letters or digits +
// kTempSuffix: hidden, and recognisably ours and of that target only.
constexpr std::string_view kTempMarker = ".quorvex-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr std::size_t kRandomLength = 6;

template <class Char> bool isAsciiAlnum(Char c) {
    return (c >= Char('0') && c <= Char('9')) || (c >= Char('A') && c <= Char('Z')) ||
           (c >= Char('a') && c <= Char('z'));
}

// True for exactly the names the temporary files of the target with `prefix` (".menu.dat.quorvex-")
// can have.
template <class Char>
bool isLeftoverName(std::basic_string_view<Char> entry, std::basic_string_view<Char> prefix) {
    if (entry.size() != prefix.size() + kRandomLength + kTempSuffix.size() ||
        entry.substr(0, prefix.size()) != prefix)
        return false;
    const auto random = entry.substr(prefix.size(), kRandomLength);
    const auto suffix = entry.substr(prefix.size() + kRandomLength);
    return std::all_of(random.begin(), random.end(), isAsciiAlnum<Char>) &&
           std::equal(suffix.begin(), suffix.end(), kTempSuffix.begin(), kTempSuffix.end(),
                      [](Char a, char b) { return a == Char(b); });
}

} // namespace

#ifdef _WIN32

namespace {
WriteOutcome failure(DWORD code) {
    return {false, windowsErrorText(code),
            code == ERROR_ACCESS_DENIED || code == ERROR_WRITE_PROTECT};
}

// A file still open in another write is not shared for deletion, so it is skipped by itself.
void removeLeftovers(const std::wstring& folderPart, const std::wstring& prefix) {
    WIN32_FIND_DATAW found;
    const std::wstring query = folderPart + prefix + L"*";
    HANDLE search = FindFirstFileW(query.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            isLeftoverName<wchar_t>(found.cFileName, prefix))
            DeleteFileW((folderPart + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}
} // namespace

WriteOutcome writeFileDurably(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::wstring target = widenUtf8(path);
    const auto separator = target.find_last_of(L"\\/");
    const std::size_t nameStart = separator == std::wstring::npos ? 0 : separator + 1;
    const std::wstring folderPart = target.substr(0, nameStart);
    std::wstring prefix = L"." + target.substr(nameStart);
    prefix.append(kTempMarker.begin(), kTempMarker.end());

    static constexpr wchar_t kAlphabet[] =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::wstring temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = folderPart + prefix;
        for (std::size_t i = 0; i < kRandomLength; ++i)
            temp += kAlphabet[random() % (std::size(kAlphabet) - 1)];
        temp.append(kTempSuffix.begin(), kTempSuffix.end());
        file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return failure(GetLastError());
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file);
    DWORD error = ok ? ERROR_SUCCESS : GetLastError();
    CloseHandle(file);
    // Windows offers no flush of a folder entry to an ordinary program (a folder handle takes no
    // FlushFileBuffers without backup rights); MOVEFILE_WRITE_THROUGH instead returns only once
    // the rename has reached the device, which is what the folder sync does elsewhere.
    if (ok && MoveFileExW(temp.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        removeLeftovers(folderPart, prefix);
        return {true, {}};
    }
    if (error == ERROR_SUCCESS)
        error = GetLastError();
    DeleteFileW(temp.c_str());
    return failure(error);
}

WriteOutcome removeEntry(const std::string& path) {
    const std::wstring target = widenUtf8(path);
    if (DeleteFileW(target.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
        return {true, {}};
    return failure(GetLastError());
}

#else

namespace {
WriteOutcome failure(int code) {
    return {false, errnoText(code), code == EROFS || code == EACCES || code == EPERM};
}

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

int lockExclusively(int fd, bool wait) {
    int result = 0;
    while ((result = ::flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    return result;
}

// A running write holds a lock on its temporary file until the rename; a killed write's lock went
// with it. Where the file system has no locks, every leftover is removed.
void removeLeftovers(const std::string& folder, const std::string& prefix) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return;
    const int folderFd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        const char* name = entry->d_name;
        if (!isLeftoverName<char>(name, prefix))
            continue;
        struct stat info;
        if (::fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISLNK(info.st_mode)) {
            ::unlinkat(folderFd, name, 0);
            continue;
        }
        if (!S_ISREG(info.st_mode))
            continue;
        const int fd = ::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0 && lockExclusively(fd, false) != 0 && errno == EWOULDBLOCK) {
            ::close(fd);
            continue; // still being written
        }
        // Removed while locked: a write that created this name a moment ago sees it gone.
        ::unlinkat(folderFd, name, 0);
        if (fd >= 0)
            ::close(fd);
    }
    ::closedir(listing);
}
} // namespace

WriteOutcome writeFileDurably(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string folder = folderOf(path);
    const auto slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string prefix = "." + path.substr(nameStart) + std::string(kTempMarker);

    int fd = -1;
    std::string temp;
    for (;;) {
        temp = path.substr(0, nameStart) + prefix + std::string(kRandomLength, 'X') +
               std::string(kTempSuffix);
        fd = ::mkstemps(temp.data(), static_cast<int>(kTempSuffix.size()));
        if (fd < 0)
            return failure(errno);
        // Held until the rename, so another write's clearing of leftovers passes this file by.
        // That clearing may have taken the file between its creation and the lock: then the
        // file has no name any more, and a new one is made.
        struct stat info;
        if (lockExclusively(fd, true) != 0 || (::fstat(fd, &info) == 0 && info.st_nlink > 0))
            break;
        ::close(fd);
    }

    auto fail = [&]() -> WriteOutcome {
        const int saved = errno;
        ::unlink(temp.c_str());
        ::close(fd);
        return failure(saved);
    };
    ::fchmod(fd, 0644);
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return fail();
    if (::rename(temp.c_str(), path.c_str()) != 0)
        return fail();
    // The bytes are on the device already; closing only gives up the lock.
    ::close(fd);
    if (!syncFolder(folder))
        return failure(errno);
    removeLeftovers(folder, prefix);
    return {true, {}};
}

WriteOutcome removeEntry(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return {true, {}};
    return failure(errno);
}

#endif

bool removeIfPresent(const std::string& path, std::string* reason) {
    const WriteOutcome outcome = removeEntry(path);
    if (!outcome.ok && reason)
        *reason = outcome.reason;
    return outcome.ok;
}

} // namespace quorvex
