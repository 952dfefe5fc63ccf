// SPDX-License-Identifier: MIT
#include "card/ScrambledSettingsFile.h"
#include "core/SystemText.h"

#include "core/DurableFile.h"
#include "core/OutputWriter.h"
#include "core/SettingsCrc16.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace quorvex {

namespace {

constexpr std::size_t kStoredRecordsSize = kScrambledRecordCount * kSettingsRecordSize;

std::string codePoint(char32_t character) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(character));
    return text;
}

// Looks at the name itself (a link counts, dangling or not). A read-only card refuses even
// the removal of a name that is not there, which must not be blamed on the working file.
bool entryExists(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(pathFromUtf8(path), ec);
    return status.type() != std::filesystem::file_type::not_found;
}

} // namespace

OemText storableText(std::string_view utf8) {
    return toOemCodePage(utf8, kTextRecordCapacity);
}

SettingsRecordBytes emptyRecord() {
    SettingsRecordBytes record{};
    record[kRecordEndByte] = kCr;
    record[kRecordEndByte + 1] = kLf;
    return record;
}

void setRecordByte(SettingsRecordBytes& record, std::size_t offset, int value) {
    record.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
}

SettingsRecordBytes textRecord(std::string_view oemBytes) {
    SettingsRecordBytes record = emptyRecord();
    const std::size_t count = std::min(oemBytes.size(), kTextRecordCapacity);
    std::copy_n(oemBytes.begin(), count, record.begin());
    record[kTextLengthByte] = static_cast<std::uint8_t>(count);
    return record;
}

TextRecordResult textRecordFor(std::string_view utf8) {
    TextRecordResult result;
    result.text = storableText(utf8);
    result.record = result.text.ok() ? textRecord(result.text.bytes) : emptyRecord();
    return result;
}

bool placeTextRecord(PlainRecords& plain, int record, std::string_view utf8,
                     SettingsFileBuild& build) {
    TextRecordResult text = textRecordFor(utf8);
    plain.at(static_cast<std::size_t>(record)) = text.record;
    if (text.text.ok())
        return true;
    if (build.ok()) {
        build.refusedRecord = record;
        build.refusal = std::move(text.text);
    }
    return false;
}

SettingsFileBytes assembleSettingsFile(const PlainRecords& plain, std::uint16_t checksumAddend) {
    SettingsFileBytes file{};
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const SettingsRecordBytes stored = recordScramble(plain[i]);
        std::copy(stored.begin(), stored.end(), file.begin() + i * kSettingsRecordSize);
    }
    const auto check = static_cast<std::uint16_t>(
        settingsCrc16(std::span(file).first(kStoredRecordsSize)) + checksumAddend);
    SettingsRecordBytes checksum = emptyRecord();
    checksum[kChecksumLowByte] = static_cast<std::uint8_t>(check & 0xFF);
    checksum[kChecksumLowByte + 1] = static_cast<std::uint8_t>(check >> 8);
    std::copy(checksum.begin(), checksum.end(), file.begin() + kStoredRecordsSize);
    return file;
}

std::string refusalReason(int record, const OemText& text) {
    const std::string where = "text " + std::to_string(record) + ": ";
    const std::string character = " at character " + std::to_string(text.position + 1);
    switch (text.fault) {
    case OemFault::None:
        break;
    case OemFault::InvalidUtf8:
        return where + "malformed UTF-8" + character;
    case OemFault::NoOemForm:
        return where + codePoint(text.character) + character + " has no code page 437 form";
    case OemFault::EmbeddedNul:
        return where + "NUL" + character;
    case OemFault::TooLong:
        return where + "longer than " + std::to_string(kTextRecordCapacity) + " characters";
    }
    return where + "cannot be stored";
}

bool writeSettingsFile(std::string_view folder, std::string_view fileName,
                       std::span<const std::uint8_t, kSettingsFileSize> bytes,
                       std::string_view successText, LanguageId language,
                       ui::InfoMessages& messages) {
    if (!checkOutputFolder(folder, fileName, language, messages))
        return false;
    // The working file goes first: when the folder does not let us remove it, the settings file
    // has not been touched yet either.
    const std::string workingPath = outputFilePath(folder, kWorkingFileName);
    if (entryExists(workingPath)) {
        if (const WriteOutcome removed = removeEntry(workingPath); !removed.ok) {
            reportCannotWrite(workingPath, removed, language, messages);
            return false;
        }
    }
    return writeOutputFile(outputFilePath(folder, fileName), bytes, successText, language,
                           messages);
}

SettingsFileOutcome writeSettingsFile(std::string_view folder, std::string_view fileName,
                                      const SettingsFileBuild& build, std::string_view successText,
                                      LanguageId language, ui::InfoMessages& messages) {
    SettingsFileOutcome outcome{false, build.refusedRecord, build.refusal};
    if (!build.ok()) {
        messages.showInfoMessage(
            cannotWriteText(language, outputFilePath(folder, fileName),
                            refusalReason(build.refusedRecord, build.refusal)));
        return outcome;
    }
    outcome.written =
        writeSettingsFile(folder, fileName, build.bytes, successText, language, messages);
    return outcome;
}

} // namespace quorvex
