// SPDX-License-Identifier: MIT
#include "tools/inspect/TextRecordDecoder.h"

#include "card/SettingsFileReader.h"

#include <algorithm>
#include <string>

namespace quorvex::inspect {

namespace {

constexpr std::size_t kTextArea = 57; // bytes 0-56
constexpr std::size_t kLengthByte = 57;

} // namespace

std::vector<std::uint8_t> decodeTextRecord(FileReport& report, int recordIndex, const Record& plain,
                                           const TextRecordSpec& spec) {
    const auto textEnd = static_cast<std::size_t>(
        std::find(plain.begin(), plain.begin() + kTextArea, std::uint8_t{0}) - plain.begin());
    std::vector<std::uint8_t> text(plain.begin(),
                                   plain.begin() + static_cast<std::ptrdiff_t>(textEnd));
    checkZeroBytes(report, recordIndex, plain, textEnd, kTextArea, "the text area after the text");

    const int characters = plain[kLengthByte];
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](std::uint8_t b) { return b < 0x80; });
    const auto bytes = static_cast<int>(text.size());
    std::string meaning;
    if (text.empty() && characters > 0) {
        // The writer stores nothing when the converted text does not fit, but keeps the count.
        meaning = "empty (a text of " + std::to_string(characters) +
                  " characters did not fit the record)";
    } else if (text.empty()) {
        meaning = "empty";
    } else {
        meaning = "\"" + oemTextAsUtf8(text) + "\" (" + std::to_string(characters) + " characters)";
        if (ascii ? characters != bytes
                  : characters < 1 || characters > bytes || bytes > 3 * characters)
            addProblem(report, recordIndex, static_cast<int>(kLengthByte),
                       "holds " + std::to_string(characters) + " as the length of a text of " +
                           std::to_string(bytes) + " bytes");
    }
    if (static_cast<std::size_t>(characters) > spec.longest)
        addProblem(report, recordIndex, static_cast<int>(kLengthByte),
                   std::string(spec.name) + " has " + std::to_string(characters) +
                       " characters; the form allows " + std::to_string(spec.longest));
    report.fields.push_back(
        {recordIndex, 0, std::string(spec.name), std::nullopt, oemTextAsUtf8(text), {}, meaning});
    return text;
}

bool checkTextFileFrame(FileReport& report, std::span<const std::uint8_t> file) {
    if (file.size() != kTextFileSize) {
        addProblem(report, -1, -1,
                   "the file has " + std::to_string(file.size()) + " bytes; " +
                       fileKindName(report.kind) + " has " + std::to_string(kTextFileSize) +
                       " (12 records of 60)");
        return false;
    }
    for (std::size_t i = 0; i < kTextFileRecords; ++i)
        checkRecordEnd(report, static_cast<int>(i), recordAt(file, i));
    checkZeroBytes(report, static_cast<int>(kChecksumRecord), recordAt(file, kChecksumRecord), 0,
                   56, "the checksum record before byte 56");
    return true;
}

unsigned storedTextFileChecksum(std::span<const std::uint8_t> file) {
    return storedSettingsChecksum(file);
}

std::uint16_t textFileCrc(std::span<const std::uint8_t> file) {
    return settingsFileCrc(file);
}

} // namespace quorvex::inspect
