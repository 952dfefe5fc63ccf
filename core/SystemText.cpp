// SPDX-License-Identifier: MIT
#include "core/SystemText.h"

#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace quorvex {

namespace {
std::string withoutTrailingPunctuation(std::string text) {
    while (!text.empty() &&
           (text.back() == '\n' || text.back() == '\r' || text.back() == '.' || text.back() == ' '))
        text.pop_back();
    return text;
}
} // namespace

#ifdef _WIN32

// Through the system's own conversion, which puts U+FFFD for malformed bytes where the standard
// library would throw.
std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(widenUtf8(text));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    return utf8FromWide(path.native());
}

std::wstring widenUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), n);
    return wide;
}

std::string utf8FromWide(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), n, nullptr, nullptr);
    return narrow;
}

std::string windowsErrorText(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = n ? utf8FromWide({buffer, n}) : "error " + std::to_string(code);
    LocalFree(buffer);
    return withoutTrailingPunctuation(std::move(text));
}

std::optional<std::string> environmentVariable(const char* name) {
    const wchar_t* value = _wgetenv(widenUtf8(name).c_str());
    if (!value || !*value)
        return std::nullopt;
    return utf8FromWide(value);
}

std::vector<std::string> commandLineArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

#else

// A path is its bytes here; nothing is converted, so nothing can fail.
std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::string(text));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    return path.native();
}

std::optional<std::string> environmentVariable(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value)
        return std::nullopt;
    return std::string(value);
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

#endif

std::string errnoText(int code) {
    return withoutTrailingPunctuation(std::strerror(code));
}

} // namespace quorvex
