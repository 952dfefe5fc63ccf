// SPDX-License-Identifier: MIT
#include "ui/RemovableVolumes.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvex::ui {

namespace {

// The mount table writes a space, tab, newline and backslash in a path as octal escapes.
std::string unescapeMountPath(std::string_view field) {
    std::string path;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string::npos) {
                path += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 +
                                          (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        path += field[i];
    }
    return path;
}

std::string_view parentOf(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos || slash == 0 ? std::string_view("/")
                                                         : path.substr(0, slash);
}

bool isVolumeUnder(std::string_view path, std::string_view parent) {
    return path.size() > parent.size() + 1 && path.substr(0, parent.size()) == parent &&
           path[parent.size()] == '/' &&
           path.find('/', parent.size() + 1) == std::string_view::npos;
}

} // namespace

std::vector<std::string> removableMountPoints(std::string_view mountTable, std::string_view user) {
    const std::string perUser = "/media/" + std::string(user);
    const std::string runPerUser = "/run/media/" + std::string(user);
    std::vector<std::string> found;
    std::istringstream lines{std::string(mountTable)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string device, escaped;
        if (!(fields >> device >> escaped))
            continue;
        const std::string path = unescapeMountPath(escaped);
        const bool removable =
            (!user.empty() && (isVolumeUnder(path, perUser) || isVolumeUnder(path, runPerUser))) ||
            (isVolumeUnder(path, "/media") && path != perUser);
        if (removable)
            found.push_back(path);
    }
    return found;
}

std::vector<std::string> systemRemovableVolumes() {
#ifdef _WIN32
    // Card readers show their cards as removable drives; a drive with no card in it is skipped.
    std::vector<std::string> found;
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i)))
            continue;
        const std::string root = std::string(1, static_cast<char>('A' + i)) + ":\\";
        ULARGE_INTEGER free{};
        if (GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE &&
            GetDiskFreeSpaceExA(root.c_str(), &free, nullptr, nullptr))
            found.push_back(root);
    }
    return found;
#else
    std::ifstream in("/proc/self/mounts");
    if (!in)
        return {};
    std::ostringstream table;
    table << in.rdbuf();
    const char* user = std::getenv("USER");
    if (!user || !*user)
        user = std::getenv("LOGNAME");
    return removableMountPoints(table.str(), user ? user : "");
#endif
}

std::string folderChooserStart(std::string_view current, std::string_view defaultFolder,
                               std::span<const std::string> volumes) {
    if (!current.empty() && current != defaultFolder)
        return std::string(current);
    if (volumes.size() == 1)
        return volumes.front();
#ifdef _WIN32
    if (volumes.size() > 1) // drives have no common folder: the first card
        return volumes.front();
#endif
    if (volumes.size() > 1) {
        // Several cards: open where they can be seen side by side (the folder of the first when
        // they are mounted in different places).
        return std::string(parentOf(volumes.front()));
    }
    return std::string(defaultFolder);
}

} // namespace quorvex::ui
