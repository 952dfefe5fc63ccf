// SPDX-License-Identifier: MIT
#include "tools/inspect/SetupFileDecoder.h"

#include "card/CountryList.h"
#include "card/MmsFileReader.h"
#include "card/MmsOperatorCatalogue.h"
#include "card/SettingsFileReader.h"
#include "core/ModelCatalogue.h"
#include "tools/inspect/HeaderFields.h"
#include "tools/inspect/RecordBytes.h"
#include "tools/inspect/TextRecordDecoder.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace quorvex::inspect {

namespace {

using SendList = MmsSendList;

// The form and the models whose "MMS Setup" offers the list.
std::string listName(SendList list) {
    std::string models;
    for (int id = 0; id <= kModelCount; ++id) {
        const ModelFacts& model = modelFacts(id);
        if (!model.mms || model.mmsSend != list)
            continue;
        models += (models.empty() ? "" : ", ") + std::to_string(id);
    }
    const std::string_view form = list == SendList::P4 ? "P4 MMS form" : "generic MMS form";
    return std::string(form) + ", ModelId " + models;
}

// Which MMS form the main window opens for a model; empty when "MMS Setup" is disabled.
std::vector<SendList> sendListsFor(std::optional<int> modelId) {
    if (!modelId)
        return {SendList::FourEntries, SendList::ThreeEntries, SendList::P4};
    const ModelFacts& model = modelFacts(*modelId);
    if (!model.mms)
        return {};
    return {model.mmsSend};
}

void decodeSend(FileReport& report, const Record& header, std::optional<int> modelId) {
    std::vector<SendList> lists = sendListsFor(modelId);
    if (lists.empty()) {
        report.notes.push_back("ModelId " + std::to_string(*modelId) +
                               " has no MMS form; the MMS Send list of every form is accepted");
        lists = sendListsFor(std::nullopt);
    }
    const SetupHeaderSchema& s = kSetupHeader;
    const int code = header[s.mmsSend.byte];
    const int position = header[s.mmsSendPosition.byte];
    std::vector<std::pair<std::string_view, SendList>> matches;
    for (SendList list : lists)
        if (const MmsSendChoice* choice = mmsSendChoiceAt(list, code, position))
            matches.emplace_back(choice->name, list);
    const bool oneName = std::all_of(matches.begin(), matches.end(), [&](const auto& m) {
        return !matches.empty() && m.first == matches[0].first;
    });
    std::string meaning;
    if (oneName && !matches.empty())
        meaning = std::string(matches[0].first);
    else
        for (const auto& [name, list] : matches)
            meaning += (meaning.empty() ? "" : " or ") + std::string(name) + " (" +
                       std::string(listName(list)) + ")";
    if (matches.empty()) {
        std::string expected;
        for (SendList list : lists) {
            expected += (expected.empty() ? "" : "; ") + std::string(listName(list)) + ":";
            const auto choices = mmsSendChoices(list);
            for (std::size_t i = 0; i < choices.size(); ++i)
                expected += " " + std::to_string(choices[i].code) + "/" +
                            std::to_string(sendPositionByte(static_cast<int>(i))) + " " +
                            std::string(choices[i].name);
        }
        addProblem(report, 0, static_cast<int>(s.mmsSend.byte),
                   "MMS Send code " + std::to_string(code) + " with position " +
                       std::to_string(position) + " (bytes " + std::to_string(s.mmsSend.byte) +
                       "-" + std::to_string(s.mmsSendPosition.byte) +
                       ", plain) is no choice of the MMS Send list (" + expected + ")");
        return;
    }
    addByteField(report, header, s.mmsSend, meaning);
    headerByte(report, header, s.mmsSendPosition);
}

// Returns the numbering the checksum was stored for, if it matches at all.
std::optional<int> checkChecksum(FileReport& report, std::span<const std::uint8_t> bytes) {
    const std::uint16_t crc = settingsFileCrc(bytes);
    const unsigned stored = storedSettingsChecksum(bytes);
    const auto international = static_cast<std::uint16_t>(crc + kInternationalChecksumAddend);
    if (stored == crc) {
        report.notes.push_back("Checksum " + hexWord(stored) +
                               " matches records 0-10 as stored: domestic (China) numbering");
        return 0;
    }
    if (stored == international) {
        report.notes.push_back(
            "Checksum " + hexWord(stored) + " matches records 0-10 as stored plus " +
            std::to_string(kInternationalChecksumAddend) + ": international numbering");
        return 1;
    }
    addProblem(report, static_cast<int>(kChecksumRecord), static_cast<int>(kChecksumLowByte),
               "the checksum holds " + hexWord(stored) + " but records 0-10 give " + hexWord(crc) +
                   " (domestic) or " + hexWord(international) + " (international numbering)");
    return std::nullopt;
}

void decodeHeader(FileReport& report, const Record& header, std::optional<int> modelId,
                  std::optional<int> checksumNumbering) {
    const SetupHeaderSchema& s = kSetupHeader;
    decodeSend(report, header, modelId);
    const auto connection = headerByte(report, header, s.connectionType);
    pictureLimitBytes(report, header, s.picturesPerDay);
    headerByte(report, header, s.cameraLanguage);
    headerByte(report, header, s.tvMode);
    const auto numbering = headerByte(report, header, s.numbering);
    if (numbering && checksumNumbering && *numbering != *checksumNumbering)
        addProblem(
            report, 0, static_cast<int>(s.numbering.byte),
            std::string("the numbering byte says ") +
                std::string(s.numbering.options[static_cast<std::size_t>(*numbering)]) +
                " but the checksum was stored for " +
                std::string(s.numbering.options[static_cast<std::size_t>(*checksumNumbering)]));

    const int country = header[s.country.byte];
    const int operatorIndex = header[s.operatorIndex.byte];
    if (country == kManualCountryByte)
        addByteField(report, header, s.country, "none (Manual mode)");
    else if (checkedByte(report, header, s.country, countryRange(s.country)))
        addByteField(report, header, s.country,
                     std::string(countryName(kEnglish, static_cast<std::size_t>(country))));
    if (checkedByte(report, header, s.operatorIndex, s.operatorIndex.range()))
        addByteField(report, header, s.operatorIndex,
                     country == kManualCountryByte
                         ? std::string(operatorIndex == 0
                                           ? "none (Manual mode)"
                                           : "position " + std::to_string(operatorIndex))
                         : operatorText(operatorNames(static_cast<std::size_t>(country), kEnglish),
                                        operatorIndex));
    headerByte(report, header, s.remoteControl);
    checkReservedBytes(report, header, std::span(s.reserved).first(1));
    const auto mode = headerByte(report, header, s.dataMode);
    checkReservedBytes(report, header, std::span(s.reserved).subspan(1));

    checkDataModeAgainstCountry(report, mode, s.country, country, operatorIndex);
    if (mode == dataModeByte(DataSetupMode::Auto) && connection == kCsdConnection)
        addProblem(report, 0, static_cast<int>(s.connectionType.byte),
                   "CSD is offered in Manual mode only");
}

} // namespace

FileReport decodeSetupFile(std::span<const std::uint8_t> bytes, std::optional<int> modelId) {
    FileReport report;
    report.kind = FileKind::Setup;
    report.size = bytes.size();
    report.layout = "MMS settings";
    if (!checkTextFileFrame(report, bytes))
        return report;
    const auto numbering = checkChecksum(report, bytes);
    decodeHeader(report, unscrambledRecord(recordAt(bytes, 0)), modelId, numbering);
    for (const TextRecordSchema& text : kSetupTextRecords)
        decodeTextRecord(report,
                         unscrambledRecord(recordAt(bytes, static_cast<std::size_t>(text.record))),
                         text);
    return report;
}

} // namespace quorvex::inspect
