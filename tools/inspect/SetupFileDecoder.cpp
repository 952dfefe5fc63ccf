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

// Header byte 0 holds the MMS Send code, byte 1 the list position plus 1; the lists differ by form.
struct SendChoice {
    std::uint8_t code;
    std::uint8_t position;
    std::string_view name;
};

using SendList = MmsSendList;

// The lists' codes are the MMS forms' own; QVGA is the third entry where a list has four.
std::vector<SendChoice> choices(SendList list) {
    const std::span<const int> codes = mmsSendCodes(list);
    std::vector<std::string_view> names{"Off", "VGA", "SMS"};
    if (codes.size() == 4)
        names.insert(names.begin() + 2, "QVGA");
    std::vector<SendChoice> out;
    for (std::size_t i = 0; i < codes.size(); ++i)
        out.push_back(
            {static_cast<std::uint8_t>(codes[i]), static_cast<std::uint8_t>(i + 1), names[i]});
    return out;
}

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

constexpr std::array<std::string_view, 2> kConnection{"APN", "CSD"};
constexpr std::array<std::string_view, 2> kNumbering{"China (domestic numbers)", "International"};
constexpr std::array<std::string_view, 2> kDataMode{"Manual", "Auto"};

void decodeSend(FileReport& report, const Record& header, std::optional<int> modelId) {
    std::vector<SendList> lists = sendListsFor(modelId);
    if (lists.empty()) {
        report.notes.push_back("ModelId " + std::to_string(*modelId) +
                               " has no MMS form; the MMS Send list of every form is accepted");
        lists = sendListsFor(std::nullopt);
    }
    std::vector<std::pair<std::string_view, SendList>> matches;
    for (SendList list : lists)
        for (const SendChoice& choice : choices(list))
            if (choice.code == header[0] && choice.position == header[1])
                matches.emplace_back(choice.name, list);
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
            for (const SendChoice& c : choices(list))
                expected += " " + std::to_string(c.code) + "/" + std::to_string(c.position) + " " +
                            std::string(c.name);
        }
        addProblem(report, 0, 0,
                   "MMS Send code " + std::to_string(header[0]) + " with position " +
                       std::to_string(header[1]) +
                       " (bytes 0-1, plain) is no choice of the MMS Send list (" + expected + ")");
        return;
    }
    addByteField(report, 0, header, 0, "MMS Send", header[0], meaning);
    addByteField(report, 0, header, 1, "MMS Send position", header[1], std::to_string(header[1]));
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
    addProblem(report, static_cast<int>(kChecksumRecord), 56,
               "the checksum holds " + hexWord(stored) + " but records 0-10 give " + hexWord(crc) +
                   " (domestic) or " + hexWord(international) + " (international numbering)");
    return std::nullopt;
}

void decodeHeader(FileReport& report, const Record& header, std::optional<int> modelId,
                  std::optional<int> checksumNumbering) {
    decodeSend(report, header, modelId);
    const auto connection = optionByte(report, 0, header, 2, "Connection type", kConnection);
    pictureLimitBytes(report, 0, header, 3);
    languageByte(report, 0, header, 5);
    addByteField(report, 0, header, 6, "TV mode", header[6], std::to_string(header[6]));
    const auto numbering = optionByte(report, 0, header, 7, "Numbering", kNumbering);
    if (numbering && checksumNumbering && *numbering != *checksumNumbering)
        addProblem(report, 0, 7,
                   std::string("the numbering byte says ") +
                       std::string(kNumbering[static_cast<std::size_t>(*numbering)]) +
                       " but the checksum was stored for " +
                       std::string(kNumbering[static_cast<std::size_t>(*checksumNumbering)]));

    const int country = header[8];
    const int operatorIndex = header[9];
    if (country == kManualCountry) {
        addByteField(report, 0, header, 8, "Country", country, "none (Manual mode)");
    } else if (static_cast<std::size_t>(country) < kCountryCount) {
        addByteField(report, 0, header, 8, "Country", country,
                     std::string(countryName(kEnglish, static_cast<std::size_t>(country))));
    } else {
        addProblem(report, 0, 8,
                   "holds " + std::to_string(country) +
                       " (plain); Country is 0-42 or 128 (Manual)");
    }
    if (operatorIndex <= 9) {
        addByteField(report, 0, header, 9, "Operator", operatorIndex,
                     country == kManualCountry
                         ? std::string(operatorIndex == 0
                                           ? "none (Manual mode)"
                                           : "position " + std::to_string(operatorIndex))
                         : operatorText(operatorNames(static_cast<std::size_t>(country), kEnglish),
                                        operatorIndex));
    } else {
        addProblem(report, 0, 9,
                   "holds " + std::to_string(operatorIndex) + " (plain); Operator is 0-9");
    }
    remoteControlByte(report, 0, header, 10);
    checkZeroBytes(report, 0, header, 11, 55, "the header from byte 11 to 54");
    const auto mode = optionByte(report, 0, header, 55, "Data mode", kDataMode);
    checkZeroBytes(report, 0, header, 56, 58, "the header's byte 56-57");

    checkDataModeAgainstCountry(report, mode, country, operatorIndex, 8);
    if (mode == 1 && connection == 1)
        addProblem(report, 0, 2, "CSD is offered in Manual mode only");
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
