// SPDX-License-Identifier: MIT
#include "card/SmtpFileReader.h"
#include "card/SettingsFileSchema.h"

#include "card/GprsOperatorCatalogue.h"
#include "card/SettingsFileReader.h"

#include <algorithm>
#include <array>
#include <string>

namespace quorvex {

namespace {

CardCheck headerFault(int byte, std::string_view why) {
    return cardRefusal(CardVerdict::Damaged, recordFault(0, byte, why));
}

CardCheck readHeader(const SettingsRecordBytes& h, SmtpLayout layout, SmtpHeaderValues& out) {
    const SmtpLayout other = layout == SmtpLayout::P4 ? SmtpLayout::K4 : SmtpLayout::P4;
    if (!fitsSmtpLayout(layout, h))
        return fitsSmtpLayout(other, h)
                   ? cardRefusal(CardVerdict::OtherLayout,
                                 other == SmtpLayout::P4 ? "the P4 SMTP form" : "the K4 SMTP form")
                   : headerFault(6, "bytes 6-8 fit no SMTP form");
    if (h[0] != 0)
        return headerFault(0, "the header holds no data here");
    if (h[3] > 9 || h[4] > 9)
        return headerFault(h[3] > 9 ? 3 : 4, "no digit of a picture limit");
    if (h[5] < 1 || h[5] > kLanguageCount)
        return headerFault(5, "no camera language");
    for (std::size_t i = 9; i < 55; ++i)
        if (h[i] != 0)
            return headerFault(static_cast<int>(i), "the header holds no data here");
    if (h[55] > 1 || h[56] != 0 || h[57] != 0)
        return headerFault(h[55] > 1 ? 55 : 56, "no MMS Mode");
    out.layout = layout;
    out.mode = h[55] == 1 ? DataSetupMode::Auto : DataSetupMode::Manual;
    const bool manual = out.mode == DataSetupMode::Manual;
    if (manual ? h[2] != kManualCountryByte || h[1] != 0
               : h[2] >= kGprsCountryCount || h[1] >= gprsOperatorCount(h[2]))
        return headerFault(2, manual ? "Manual mode stores country 128 and operator 0"
                                     : "no country and operator of the catalogue");
    out.operatorIndex = h[1];
    out.countryIndex = manual ? 0 : h[2];
    out.picturesPerDay = h[3] * 10 + h[4];
    out.cameraLanguage = h[5];
    out.smtpStatus = layout == SmtpLayout::P4 ? h[6] : 1;
    out.remoteControl = layout == SmtpLayout::P4 ? h[7] : h[8];
    return {};
}

} // namespace

bool fitsSmtpLayout(SmtpLayout layout, const SettingsRecordBytes& h) {
    return layout == SmtpLayout::P4 ? h[6] <= 2 && h[7] <= 25 && h[8] == 1
                                    : h[6] == 1 && h[7] == 1 && h[8] <= 25;
}

bool senderUserNameMatches(const SettingsRecordBytes& plainSender,
                           const SettingsRecordBytes& plainUserName) {
    const TextRecordRead sender =
        readTextRecord(plainSender, textRecordSchema(kSmtpTextRecords, 6));
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
        content.check =
            cardRefusal(CardVerdict::Damaged, recordFault(11, 56, "the checksum does not match"));
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
