// SPDX-License-Identifier: MIT
#include "card/SmtpFileReader.h"
#include "card/SettingsHeaderSchema.h"

#include "card/GprsOperatorCatalogue.h"
#include "card/SettingsFileReader.h"

#include <algorithm>
#include <array>
#include <string>

namespace quorvex {

namespace {

CardCheck readHeader(const SettingsRecordBytes& h, SmtpLayout layout, SmtpHeaderValues& out) {
    const SmtpHeaderSchema& s = kSmtpHeader;
    const auto at = [&h](const HeaderField& field) { return static_cast<int>(h[field.byte]); };
    const SmtpLayoutSchema& own = s.layout(layout);
    const SmtpLayoutSchema& other = layout == SmtpLayout::P4 ? s.k4 : s.p4;
    if (!own.fits(h))
        return other.fits(h)
                   ? cardRefusal(CardVerdict::OtherLayout,
                                 "the " + std::string(other.name) + " SMTP form")
                   : headerFault(own.bytes.front().byte,
                                 "bytes " + std::to_string(own.bytes.front().byte) + "-" +
                                     std::to_string(own.bytes.back().byte) + " fit no SMTP form");
    if (const int byte = firstNonZero(h, s.reserved[0]); byte >= 0)
        return headerFault(static_cast<std::size_t>(byte), "the header holds no data here");
    if (CardCheck fault = pictureAndLanguageFault(h, s.picturesPerDay, s.cameraLanguage);
        !fault.readable())
        return fault;
    if (const int byte = firstNonZero(h, s.reserved[1]); byte >= 0)
        return headerFault(static_cast<std::size_t>(byte), "the header holds no data here");
    if (!s.mmsMode.holds(at(s.mmsMode)) || firstNonZero(h, s.reserved[2]) >= 0)
        return headerFault(s.mmsMode.holds(at(s.mmsMode)) ? s.reserved[2].from : s.mmsMode.byte,
                           "no MMS Mode");
    out.layout = layout;
    out.mode = at(s.mmsMode) == dataModeByte(DataSetupMode::Auto) ? DataSetupMode::Auto
                                                                  : DataSetupMode::Manual;
    const bool manual = out.mode == DataSetupMode::Manual;
    const int country = at(s.country);
    const int operatorIndex = at(s.operatorIndex);
    if (manual
            ? country != kManualCountryByte || operatorIndex != kManualOperatorByte
            : !s.country.holds(country) || static_cast<std::size_t>(operatorIndex) >=
                                               gprsOperatorCount(static_cast<std::size_t>(country)))
        return headerFault(s.country.byte,
                           manual ? manualModeRule() : "no country and operator of the catalogue");
    out.operatorIndex = operatorIndex;
    out.countryIndex = manual ? 0 : country;
    out.picturesPerDay = pictureLimit(h, s.picturesPerDay);
    out.cameraLanguage = at(s.cameraLanguage);
    // The K4 form has no SMTP Status; its files read as the form's default, VGA.
    const HeaderField* status = own.find(kSmtpStatus);
    out.smtpStatus = status ? at(*status) : 1;
    out.remoteControl = at(*own.find(kRemoteControl));
    return {};
}

} // namespace

bool fitsSmtpLayout(SmtpLayout layout, const SettingsRecordBytes& h) {
    return kSmtpHeader.layout(layout).fits(h);
}

bool senderUserNameMatches(const SettingsRecordBytes& plainSender,
                           const SettingsRecordBytes& plainUserName) {
    const TextRecordRead sender =
        readTextRecord(plainSender, textRecordSchema(kSmtpTextRecords,
                                                     static_cast<int>(SmtpTextField::SenderEmail)));
    const SettingsRecordBytes expected = SmtpFileWriter::senderUserNameRecord(sender.oemBytes);
    return std::equal(plainUserName.begin(), plainUserName.begin() + kTextLengthByte + 1,
                      expected.begin());
}

SmtpFileContent readSmtpFile(std::span<const std::uint8_t> bytes, SmtpLayout layout) {
    SmtpFileContent content;
    if (std::string fault = settingsFileFrameFault(bytes); !fault.empty()) {
        content.check = cardRefusal(CardVerdict::Damaged, std::move(fault));
        return content;
    }
    if (storedSettingsChecksum(bytes) !=
        static_cast<std::uint16_t>(settingsFileCrc(bytes) + kSmtpChecksumAddend)) {
        content.check = cardRefusal(CardVerdict::Damaged, checksumFault());
        return content;
    }
    const PlainRecords plain = plainRecords(bytes);
    content.check = readHeader(plain[0], layout, content.header);
    if (!content.check.readable())
        return content;
    std::array<std::string, 10> texts;
    content.check = readTextRecords(plain, kSmtpTextRecords, texts);
    if (!content.check.readable())
        return content;
    // Record 9 is derived from the sender address; a file whose record 9 is anything else was
    // not written by a form.
    if (!senderUserNameMatches(plain[static_cast<std::size_t>(SmtpTextField::SenderEmail)],
                               plain[kSenderUserNameRecord])) {
        content.check =
            cardRefusal(CardVerdict::Damaged,
                        recordFault(kSenderUserNameRecord, -1,
                                    "the user name is not the sender address up to its \"@\""));
        return content;
    }
    content.texts = {texts[0], texts[1], texts[2], texts[3], texts[4],
                     texts[5], texts[6], texts[7], texts[9]};
    return content;
}

} // namespace quorvex
