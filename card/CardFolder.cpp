// SPDX-License-Identifier: MIT
#include "card/CardFolder.h"

#include "core/SystemText.h"

#include <algorithm>
#include <cerrno>
#include <fstream>

namespace quorvex {

bool isCardFileName(std::string_view fileName, std::string_view name) {
    return std::equal(
        fileName.begin(), fileName.end(), name.begin(), name.end(), [](char c, char lower) {
            return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == lower;
        });
}

std::optional<std::filesystem::path> findCardFile(const std::filesystem::path& folder,
                                                  std::string_view name) {
    namespace fs = std::filesystem;
    std::optional<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isCardFileName(utf8FromPath(it->path().filename()), name))
            continue;
        if (!it->is_regular_file(ec))
            continue;
        if (!found || it->path().filename() < found->filename())
            found = it->path();
    }
    return found;
}

CardFileBytes readCardFile(const std::filesystem::path& path) {
    CardFileBytes read;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        read.error = errnoText(errno);
        return read;
    }
    read.bytes.resize(kCardReadLimit + 1);
    in.read(reinterpret_cast<char*>(read.bytes.data()),
            static_cast<std::streamsize>(read.bytes.size()));
    if (in.bad()) {
        read.bytes.clear();
        read.error = "read error";
        return read;
    }
    read.bytes.resize(static_cast<std::size_t>(in.gcount()));
    return read;
}

} // namespace quorvex
