// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// The largest settings file has 720 bytes; reading stops a little beyond that, so a huge or
// endless file is neither read whole nor waited for.
inline constexpr std::size_t kCardReadLimit = 4096;

// Whether a file name is `name` (lower case) as the card's file system sees it: case ignored.
bool isCardFileName(std::string_view fileName, std::string_view name);

// The regular file named `name` in `folder`, whatever its case; the first in name order when
// several differ only in case, so the choice does not depend on the directory order.
std::optional<std::filesystem::path> findCardFile(const std::filesystem::path& folder,
                                                  std::string_view name);

// At most kCardReadLimit + 1 bytes of a file (one more than a card file can hold tells that it
// is too long), or why it cannot be read.
struct CardFileBytes {
    std::vector<std::uint8_t> bytes;
    std::string error; // empty when read
    bool tooLong() const { return bytes.size() > kCardReadLimit; }
};
CardFileBytes readCardFile(const std::filesystem::path& path);

} // namespace quorvex
