// SPDX-License-Identifier: MIT
#include "card/MmsFileReader.h"
#include "card/SettingsHeaderSchema.h"

#include "card/MmsOperatorCatalogue.h"
#include "card/SettingsFileReader.h"

#include <array>
#include <string>

namespace quorvex {

namespace {

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
    return mmsSendChoiceAt(list, code, position) != nullptr;
}

CardCheck readHeader(const SettingsRecordBytes& h, MmsSendList list, bool international,
                     MmsHeaderValues& out) {
    const SetupHeaderSchema& s = kSetupHeader;
    const auto at = [&h](const HeaderField& field) { return static_cast<int>(h[field.byte]); };
    if (!inList(list, at(s.mmsSend), at(s.mmsSendPosition))) {
        std::string others;
        for (MmsSendList other :
             {MmsSendList::FourEntries, MmsSendList::ThreeEntries, MmsSendList::P4})
            if (other != list && inList(other, at(s.mmsSend), at(s.mmsSendPosition)))
                others += (others.empty() ? "" : " or ") + std::string(listName(other));
        if (!others.empty())
            return cardRefusal(CardVerdict::OtherLayout, "MMS Send of " + others);
        return headerFault(s.mmsSend.byte, "no entry of the MMS Send list");
    }
    out.sendCode = at(s.mmsSend);
    out.sendPosition = at(s.mmsSendPosition);
    if (!s.connectionType.holds(at(s.connectionType)))
        return headerFault(s.connectionType.byte, "no connection type");
    if (CardCheck fault = pictureAndLanguageFault(h, s.picturesPerDay, s.cameraLanguage);
        !fault.readable())
        return fault;
    if (at(s.numbering) != numberingByte(international))
        return headerFault(s.numbering.byte, "the numbering does not agree with the checksum");
    if (const int byte = firstNonZero(h, s.reserved[0]); byte >= 0)
        return headerFault(static_cast<std::size_t>(byte), "the header holds no data here");
    if (!s.dataMode.holds(at(s.dataMode)) || firstNonZero(h, s.reserved[1]) >= 0)
        return headerFault(s.dataMode.holds(at(s.dataMode)) ? s.reserved[1].from : s.dataMode.byte,
                           "no data mode");
    if (!s.remoteControl.holds(at(s.remoteControl)))
        return headerFault(s.remoteControl.byte, "no SMS remote-control setting");
    out.mode = at(s.dataMode) == dataModeByte(DataSetupMode::Auto) ? DataSetupMode::Auto
                                                                   : DataSetupMode::Manual;
    const bool manual = out.mode == DataSetupMode::Manual;
    const int country = at(s.country);
    const int operatorIndex = at(s.operatorIndex);
    if (manual ? country != kManualCountryByte || operatorIndex != kManualOperatorByte
               : !s.country.holds(country) || static_cast<std::size_t>(operatorIndex) >=
                                                  operatorCount(static_cast<std::size_t>(country)))
        return headerFault(s.country.byte,
                           manual ? manualModeRule() : "no country and operator of the catalogue");
    if (!manual && at(s.connectionType) == kCsdConnection)
        return headerFault(s.connectionType.byte, "CSD is offered in Manual mode only");
    out.connectionType = at(s.connectionType);
    out.picturesPerDay = pictureLimit(h, s.picturesPerDay);
    out.cameraLanguage = at(s.cameraLanguage);
    out.tvMode = at(s.tvMode);
    out.internationalNumbering = international;
    out.countryByte = country;
    out.operatorByte = operatorIndex;
    out.remoteControl = at(s.remoteControl);
    return {};
}

} // namespace

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
        content.check = cardRefusal(CardVerdict::Damaged, checksumFault());
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
