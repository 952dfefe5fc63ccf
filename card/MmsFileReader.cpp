// SPDX-License-Identifier: MIT
#include "card/MmsFileReader.h"
#include "card/SettingsFileSchema.h"

#include "card/CountryList.h"
#include "card/MmsOperatorCatalogue.h"
#include "card/SettingsFileReader.h"

#include <array>
#include <string>

namespace quorvex {

namespace {

constexpr std::array kFourEntries{0, 1, 2, 3}; // Off, VGA, QVGA, SMS
constexpr std::array kThreeEntries{0, 1, 3};   // Off, VGA, SMS: SMS keeps its code 3
constexpr std::array kP4Entries{0, 1, 2};      // Off, VGA, SMS

std::string_view listName(MmsSendList list) {
    switch (list) {
    case MmsSendList::FourEntries:
        return "the generic MMS form";
    case MmsSendList::ThreeEntries:
        return "the generic MMS form of the K5 and K7";
    case MmsSendList::P4:
        return "the P4 MMS form";
    }
    return {};
}

bool inList(MmsSendList list, int code, int position) {
    const auto codes = mmsSendCodes(list);
    return position >= 1 && static_cast<std::size_t>(position) <= codes.size() &&
           codes[static_cast<std::size_t>(position - 1)] == code;
}

CardCheck headerFault(int byte, std::string_view why) {
    return cardRefusal(CardVerdict::Damaged, recordFault(0, byte, why));
}

CardCheck readHeader(const SettingsRecordBytes& h, MmsSendList list, bool international,
                     MmsHeaderValues& out) {
    if (!inList(list, h[0], h[1])) {
        std::string others;
        for (MmsSendList other :
             {MmsSendList::FourEntries, MmsSendList::ThreeEntries, MmsSendList::P4})
            if (other != list && inList(other, h[0], h[1]))
                others += (others.empty() ? "" : " or ") + std::string(listName(other));
        if (!others.empty())
            return cardRefusal(CardVerdict::OtherLayout, "MMS Send of " + others);
        return headerFault(0, "no entry of the MMS Send list");
    }
    out.sendCode = h[0];
    out.sendPosition = h[1];
    if (h[2] > 1)
        return headerFault(2, "no connection type");
    if (h[3] > 9 || h[4] > 9)
        return headerFault(h[3] > 9 ? 3 : 4, "no digit of a picture limit");
    if (h[5] < 1 || h[5] > kLanguageCount)
        return headerFault(5, "no camera language");
    if (h[7] != (international ? 1 : 0))
        return headerFault(7, "the numbering does not agree with the checksum");
    for (std::size_t i = 11; i < 55; ++i)
        if (h[i] != 0)
            return headerFault(static_cast<int>(i), "the header holds no data here");
    if (h[55] > 1 || h[56] != 0 || h[57] != 0)
        return headerFault(h[55] > 1 ? 55 : 56, "no data mode");
    if (h[10] > 25)
        return headerFault(10, "no SMS remote-control setting");
    out.mode = h[55] == 1 ? DataSetupMode::Auto : DataSetupMode::Manual;
    const bool manual = out.mode == DataSetupMode::Manual;
    if (manual ? h[8] != kManualCountryByte || h[9] != 0
               : h[8] >= kCountryCount || h[9] >= operatorCount(h[8]))
        return headerFault(8, manual ? "Manual mode stores country 128 and operator 0"
                                     : "no country and operator of the catalogue");
    if (!manual && h[2] == 1)
        return headerFault(2, "CSD is offered in Manual mode only");
    out.connectionType = h[2];
    out.picturesPerDay = h[3] * 10 + h[4];
    out.cameraLanguage = h[5];
    out.tvMode = h[6];
    out.internationalNumbering = international;
    out.countryByte = h[8];
    out.operatorByte = h[9];
    out.remoteControl = h[10];
    return {};
}

} // namespace

std::span<const int> mmsSendCodes(MmsSendList list) {
    switch (list) {
    case MmsSendList::FourEntries:
        return kFourEntries;
    case MmsSendList::ThreeEntries:
        return kThreeEntries;
    case MmsSendList::P4:
        return kP4Entries;
    }
    return {};
}

MmsFileContent readMmsFile(std::span<const std::uint8_t> bytes, MmsSendList list) {
    MmsFileContent content;
    if (std::string fault = settingsFileFrameFault(bytes); !fault.empty()) {
        content.check = cardRefusal(CardVerdict::Damaged, std::move(fault));
        return content;
    }
    const std::uint16_t crc = settingsFileCrc(bytes);
    const unsigned stored = storedSettingsChecksum(bytes);
    const bool international =
        stored == static_cast<std::uint16_t>(crc + kInternationalChecksumAddend);
    if (stored != crc && !international) {
        content.check =
            cardRefusal(CardVerdict::Damaged, recordFault(11, 56, "the checksum does not match"));
        return content;
    }
    const PlainRecords plain = plainRecords(bytes);
    content.check = readHeader(plain[0], list, international, content.header);
    if (!content.check.readable())
        return content;
    std::array<std::string, 10> texts;
    content.check = readTextRecords(plain, kSetupTextRecords, texts);
    content.texts = {texts[0], texts[1], texts[2], texts[3], texts[4],
                     texts[5], texts[6], texts[7], texts[8], texts[9]};
    return content;
}

} // namespace quorvex
