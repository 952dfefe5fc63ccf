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

struct WriteOutcome;

// The second line of a refused write: what the user can change about it.
inline constexpr Message kWriteProtectedHint{
    "The card may be write-protected (check its lock switch), or the folder may not be writable.",
    "存储卡可能处于写保护状态（请检查卡上的锁定开关），或该文件夹不可写入。"};

// "Cannot write <path>: <reason>" in the message language.
std::string cannotWriteText(LanguageId language, std::string_view path, std::string_view reason);

// Tells the user why `path` was not written. A device or folder that refuses writing gets the
// write-protection hint on a second line, as a warning: only the user can unlock the card.
void reportCannotWrite(std::string_view path, const WriteOutcome& outcome, LanguageId language,
                       ui::InfoMessages& messages);

// The success message with the written file's path on a second line, so the user sees where the
// file went.
std::string writtenText(std::string_view successText, std::string_view path);

// Writes one settings file durably and tells the user: the success text (and the path) only once
// the file is complete on the device, otherwise one message with the full path and the system's
// reason.
bool writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::string_view successText, LanguageId language, ui::InfoMessages& messages);

// An empty folder text names no folder: joined with the file name it would point at the root of
// the file system (or of the current drive). Shows why nothing is written and returns false.
bool checkOutputFolder(std::string_view folder, std::string_view fileName, LanguageId language,
                       ui::InfoMessages& messages);

// Fills "%s" placeholders in order (the messages' own format; no other directives).
std::string formatPercentS(std::string_view format, std::initializer_list<std::string_view> args);

} // namespace quorvex
