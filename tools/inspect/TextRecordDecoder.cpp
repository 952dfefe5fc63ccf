// SPDX-License-Identifier: MIT
#include "tools/inspect/TextRecordDecoder.h"

#include "card/SettingsFileReader.h"

#include <string>

namespace quorvex::inspect {

std::vector<std::uint8_t> decodeTextRecord(FileReport& report, const Record& plain,
                                           const TextRecordSchema& schema) {
    const TextRecordRead read = readTextRecord(plain, schema);
    const std::vector<std::uint8_t> text(read.oemBytes.begin(), read.oemBytes.end());
    checkZeroBytes(report, schema.record, plain, text.size(), kTextArea,
                   "the text area after the text");
    const int characters = plain[kTextLengthByte];
    const auto bytes = static_cast<int>(text.size());
    if (read.fault == TextRecordFault::LengthByte)
        addProblem(report, schema.record, static_cast<int>(kTextLengthByte),
                   "holds " + std::to_string(characters) + " as the length of a text of " +
                       std::to_string(bytes) + " bytes");
    if (read.fault == TextRecordFault::TooLong)
        addProblem(report, schema.record, static_cast<int>(kTextLengthByte),
                   textRecordFaultText(plain, schema, read));
    const std::string meaning = text.empty() ? std::string("empty")
                                             : "\"" + oemTextAsUtf8(text) + "\" (" +
                                                   std::to_string(characters) + " characters)";
    report.fields.push_back({schema.record,
                             0,
                             std::string(schema.label),
                             std::nullopt,
                             oemTextAsUtf8(text),
                             {},
                             meaning,
                             std::string(schema.key)});
    return text;
}

bool checkTextFileFrame(FileReport& report, std::span<const std::uint8_t> file) {
    if (file.size() != kSettingsFileSize) {
        addProblem(report, -1, -1,
                   "the file has " + std::to_string(file.size()) + " bytes; " +
                       fileKindName(report.kind) + " has " + settingsFileSizeText());
        return false;
    }
    for (std::size_t i = 0; i <= kChecksumRecord; ++i)
        checkRecordEnd(report, static_cast<int>(i), recordAt(file, i));
    checkZeroBytes(report, static_cast<int>(kChecksumRecord), recordAt(file, kChecksumRecord), 0,
                   kChecksumLowByte,
                   "the checksum record before byte " + std::to_string(kChecksumLowByte));
    return true;
}

} // namespace quorvex::inspect
