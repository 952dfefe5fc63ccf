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

std::vector<SmtpLayout> candidateLayouts(FileReport& report, std::optional<int> modelId) {
    if (modelId) {
        if (const auto layout = modelFacts(*modelId).smtp)
            return {*layout};
        report.notes.push_back("ModelId " + std::to_string(*modelId) +
                               " has no SMTP form; the P4 and the K4 header layouts are accepted");
    }
    return {SmtpLayout::P4, SmtpLayout::K4};
}

// "the P4 layout (status 0-2, remote control 0-25, 1)"
std::string layoutText(const SmtpLayoutSchema& layout) {
    std::string text = "the " + std::string(layout.name) + " layout (";
    for (const HeaderField& field : layout.bytes)
        text += (&field == layout.bytes.data() ? "" : ", ") +
                (field.isMarker()
                     ? std::to_string(field.min)
                     : std::string(field.name.key == kSmtpStatus.name.key ? "status "
                                                                          : "remote control ") +
                           field.range());
    return text + ")";
}

void decodeLayoutBytes(FileReport& report, const Record& h, std::optional<int> modelId) {
    std::vector<const SmtpLayoutSchema*> fitting;
    std::vector<const SmtpLayoutSchema*> candidates;
    for (SmtpLayout layout : candidateLayouts(report, modelId))
        candidates.push_back(&kSmtpHeader.layout(layout));
    for (const SmtpLayoutSchema* layout : candidates)
        if (layout->fits(h))
            fitting.push_back(layout);
    const auto& bytes = candidates.front()->bytes;
    const std::string where =
        "bytes " + std::to_string(bytes.front().byte) + "-" + std::to_string(bytes.back().byte);
    std::string held;
    for (const HeaderField& field : bytes)
        held += (held.empty() ? "" : ", ") + std::to_string(h[field.byte]);
    if (fitting.empty()) {
        addProblem(report, 0, static_cast<int>(bytes.front().byte),
                   where + " hold " + held + " (plain), which fit " +
                       (candidates.size() == 1 ? "not " + layoutText(*candidates[0])
                                               : "neither " + layoutText(*candidates[0]) + " nor " +
                                                     layoutText(*candidates[1])));
        report.layout = candidates.size() == 1 ? std::string(candidates[0]->name) : "unknown";
        return;
    }
    report.layout = fitting.size() == 2
                        ? std::string(fitting[0]->name) + " or " + std::string(fitting[1]->name) +
                              " (" + where + " = " + held + " fit both)"
                        : std::string(fitting[0]->name);
    for (const HeaderField& field : fitting[0]->bytes)
        headerByte(report, h, field);
}

void decodeHeader(FileReport& report, const Record& h, std::optional<int> modelId) {
    const SmtpHeaderSchema& s = kSmtpHeader;
    checkReservedBytes(report, h, std::span(s.reserved).first(1));
    const int operatorIndex = h[s.operatorIndex.byte];
    const int country = h[s.country.byte];
    const bool inCatalogue = s.country.holds(country);
    if (checkedByte(report, h, s.operatorIndex, s.operatorIndex.range()))
        addByteField(
            report, h, s.operatorIndex,
            inCatalogue
                ? operatorText(gprsOperatorNames(static_cast<std::size_t>(country)), operatorIndex)
            : country == kManualCountryByte && operatorIndex == 0
                ? std::string("none (Manual mode)")
                : "position " + std::to_string(operatorIndex));
    if (country == kManualCountryByte)
        addByteField(report, h, s.country, "none (Manual mode)");
    else if (checkedByte(report, h, s.country, countryRange(s.country)))
        addByteField(report, h, s.country,
                     std::string(gprsCountryName(kEnglish, static_cast<std::size_t>(country))));
    pictureLimitBytes(report, h, s.picturesPerDay);
    headerByte(report, h, s.cameraLanguage);
    decodeLayoutBytes(report, h, modelId);
    checkReservedBytes(report, h, std::span(s.reserved).subspan(1, 1));
    const auto mode = headerByte(report, h, s.mmsMode);
    checkReservedBytes(report, h, std::span(s.reserved).subspan(2));
    checkDataModeAgainstCountry(report, mode, s.country, country, operatorIndex);
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
        addProblem(report, static_cast<int>(kChecksumRecord), static_cast<int>(kChecksumLowByte),
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
