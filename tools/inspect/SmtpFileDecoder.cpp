// SPDX-License-Identifier: MIT
#include "tools/inspect/SmtpFileDecoder.h"

#include "card/GprsOperatorCatalogue.h"
#include "card/SettingsFileReader.h"
#include "card/SmtpFileReader.h"
#include "core/ModelCatalogue.h"
#include "tools/inspect/HeaderFields.h"
#include "tools/inspect/RecordBytes.h"
#include "tools/inspect/TextRecordDecoder.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace quorvex::inspect {

namespace {

constexpr std::array<std::string_view, 3> kSmtpStatus{"Off", "VGA", "SMS"};
constexpr std::array<std::string_view, 2> kDataMode{"Manual", "Auto"};
std::vector<SmtpLayout> candidateLayouts(FileReport& report, std::optional<int> modelId) {
    if (modelId) {
        if (const auto layout = modelFacts(*modelId).smtp)
            return {*layout};
        report.notes.push_back("ModelId " + std::to_string(*modelId) +
                               " has no SMTP form; the P4 and the K4 header layouts are accepted");
    }
    return {SmtpLayout::P4, SmtpLayout::K4};
}

void decodeLayoutBytes(FileReport& report, const Record& h, std::optional<int> modelId) {
    std::vector<SmtpLayout> fitting;
    const auto candidates = candidateLayouts(report, modelId);
    for (SmtpLayout layout : candidates)
        if (fitsSmtpLayout(layout, h))
            fitting.push_back(layout);
    if (fitting.empty()) {
        const bool p4Only = candidates.size() == 1 && candidates[0] == SmtpLayout::P4;
        const bool k4Only = candidates.size() == 1 && candidates[0] == SmtpLayout::K4;
        addProblem(
            report, 0, 6,
            "bytes 6-8 hold " + std::to_string(h[6]) + ", " + std::to_string(h[7]) + ", " +
                std::to_string(h[8]) + " (plain), which fit " +
                (p4Only ? std::string("not the P4 layout (status 0-2, remote control 0-25, 1)")
                 : k4Only
                     ? std::string("not the K4 layout (1, 1, remote control 0-25)")
                     : std::string(
                           "neither the P4 layout (status 0-2, remote control 0-25, 1) nor the "
                           "K4 layout (1, 1, remote control 0-25)")));
        report.layout = p4Only ? "P4" : k4Only ? "K4" : "unknown";
        return;
    }
    report.layout = fitting.size() == 2            ? "P4 or K4 (bytes 6-8 = 1, 1, 1 fit both)"
                    : fitting[0] == SmtpLayout::P4 ? "P4"
                                                   : "K4";
    if (fitting[0] == SmtpLayout::P4) {
        optionByte(report, 0, h, 6, "SMTP Status", kSmtpStatus);
        remoteControlByte(report, 0, h, 7);
        addByteField(report, 0, h, 8, "P4 layout marker", h[8], "1");
    } else {
        addByteField(report, 0, h, 6, "K4 layout marker", h[6], "1");
        addByteField(report, 0, h, 7, "K4 layout marker", h[7], "1");
        remoteControlByte(report, 0, h, 8);
    }
}

void decodeHeader(FileReport& report, const Record& h, std::optional<int> modelId) {
    checkZeroBytes(report, 0, h, 0, 1, "the header's byte 0");
    const int operatorIndex = h[1];
    const int country = h[2];
    const bool inCatalogue = static_cast<std::size_t>(country) < kGprsCountryCount;
    if (operatorIndex <= 9) {
        addByteField(
            report, 0, h, 1, "Operator", operatorIndex,
            inCatalogue
                ? operatorText(gprsOperatorNames(static_cast<std::size_t>(country)), operatorIndex)
            : country == kManualCountry && operatorIndex == 0
                ? std::string("none (Manual mode)")
                : "position " + std::to_string(operatorIndex));
    } else {
        addProblem(report, 0, 1,
                   "holds " + std::to_string(operatorIndex) + " (plain); Operator is 0-9");
    }
    if (country == kManualCountry)
        addByteField(report, 0, h, 2, "Country", country, "none (Manual mode)");
    else if (inCatalogue)
        addByteField(report, 0, h, 2, "Country", country,
                     std::string(gprsCountryName(kEnglish, static_cast<std::size_t>(country))));
    else
        addProblem(report, 0, 2,
                   "holds " + std::to_string(country) +
                       " (plain); Country is 0-41 or 128 (Manual)");
    pictureLimitBytes(report, 0, h, 3);
    languageByte(report, 0, h, 5);
    decodeLayoutBytes(report, h, modelId);
    checkZeroBytes(report, 0, h, 9, 55, "the header from byte 9 to 54");
    const auto mode = optionByte(report, 0, h, 55, "MMS Mode", kDataMode);
    checkZeroBytes(report, 0, h, 56, 58, "the header's byte 56-57");
    checkDataModeAgainstCountry(report, mode, country, operatorIndex, 2);
}

} // namespace

FileReport decodeSmtpFile(std::span<const std::uint8_t> bytes, std::optional<int> modelId) {
    FileReport report;
    report.kind = FileKind::Smtp;
    report.size = bytes.size();
    report.layout = "SMTP settings";
    if (!checkTextFileFrame(report, bytes))
        return report;

    const std::uint16_t crc = settingsFileCrc(bytes);
    const auto expected = static_cast<std::uint16_t>(crc + kSmtpChecksumAddend);
    const unsigned stored = storedSettingsChecksum(bytes);
    if (stored == expected)
        report.notes.push_back("Checksum " + hexWord(stored) +
                               " matches records 0-10 as stored plus " +
                               std::to_string(kSmtpChecksumAddend));
    else
        addProblem(report, static_cast<int>(kChecksumRecord), 56,
                   "the checksum holds " + hexWord(stored) + " but records 0-10 give " +
                       hexWord(expected) + " (their CRC plus " +
                       std::to_string(kSmtpChecksumAddend) + ")");

    decodeHeader(report, unscrambledRecord(recordAt(bytes, 0)), modelId);
    for (const TextRecordSchema& text : kSmtpTextRecords)
        decodeTextRecord(report,
                         unscrambledRecord(recordAt(bytes, static_cast<std::size_t>(text.record))),
                         text);
    if (!senderUserNameMatches(
            unscrambledRecord(
                recordAt(bytes, static_cast<std::size_t>(SmtpTextField::SenderEmail))),
            unscrambledRecord(recordAt(bytes, static_cast<std::size_t>(kSenderUserNameRecord)))))
        addProblem(report, kSenderUserNameRecord, -1,
                   "the sender user name is not the sender address of record 6 up to its \"@\"");
    return report;
}

} // namespace quorvex::inspect
