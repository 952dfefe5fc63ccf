// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every text of ours is UTF-8. Where a text crosses into the operating system (paths, the
// environment, the command line, the system's error texts) Windows would take or give narrow
// strings in the ANSI code page, which cannot hold most of our users' folder names; these
// functions use the wide interfaces there and convert. Elsewhere they pass bytes through.
namespace quorvex {

std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

// The variable's value, or nullopt when it is unset or empty.
std::optional<std::string> environmentVariable(const char* name);

// The program's arguments after its name.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// The system's text for an errno value, without a trailing full stop or line end.
std::string errnoText(int code);

#ifdef _WIN32
std::wstring widenUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);
// The system's text for a GetLastError() value.
std::string windowsErrorText(unsigned long code);
#endif

} // namespace quorvex
