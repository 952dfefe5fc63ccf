// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <random>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "core/DurableFile.h"
#include "core/SystemText.h"

namespace quorvex::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir() {
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            std::string name = "quorvex-test-";
            for (int i = 0; i < 10; ++i)
                name += kLetters[random() % (sizeof kLetters - 1)];
            // create_directory is false for a folder that is already there: try another name.
            if (std::filesystem::create_directory(base / name)) {
                m_path = utf8FromPath(base / name);
                break;
            }
        }
    }
    ~TempDir() {
        std::error_code ec;
        const auto path = pathFromUtf8(m_path);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // Joined as the writers join a folder and a file name ("\\" on Windows, "/" elsewhere).
    std::string file(const std::string& name) const { return outputFilePath(m_path, name); }

  private:
    std::string m_path;
};

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(pathFromUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string readText(const std::string& path) {
    std::ifstream in(pathFromUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeText(const std::string& path, const std::string& content) {
    std::ofstream(pathFromUtf8(path), std::ios::binary) << content;
}

inline std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(pathFromUtf8(folder)))
        names.push_back(utf8FromPath(entry.path().filename()));
    return names;
}

// Permission bits do not stop root, and Windows ignores them on folders; tests of unwritable
// folders skip themselves then.
inline bool runningAsRoot() {
#ifdef _WIN32
    return true;
#else
    return ::geteuid() == 0;
#endif
}

} // namespace quorvex::testing
