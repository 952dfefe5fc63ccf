// SPDX-License-Identifier: MIT
#pragma once

#include "core/InfoMessages.h"
#include "core/Language.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quorvex {

inline constexpr Message kCannotWriteMessage{"Cannot write %s: %s", "无法写入 %s：%s"};

// "Cannot write <path>: <reason>" in the message language.
std::string cannotWriteText(LanguageId language, std::string_view path, std::string_view reason);

// Writes one settings file durably and tells the user: the success text only once the file is
// complete on the device, otherwise one message with the full path and the system's reason.
bool writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::string_view successText, LanguageId language, ui::InfoMessages& messages);

// An empty folder text names no folder: joined with the file name it would point at the root of
// the file system (or of the current drive). Shows why nothing is written and returns false.
bool checkOutputFolder(std::string_view folder, std::string_view fileName, LanguageId language,
                       ui::InfoMessages& messages);

// Fills "%s" placeholders in order (the messages' own format; no other directives).
std::string formatPercentS(std::string_view format, std::initializer_list<std::string_view> args);

} // namespace quorvex
