// SPDX-License-Identifier: MIT
#include "card/SmtpFileWriter.h"
#include "card/SettingsHeaderSchema.h"

#include <array>
#include <utility>

namespace quorvex {

namespace {

constexpr std::array<std::pair<SmtpTextField, std::string SmtpTexts::*>, 9> kFields = {{
    {SmtpTextField::Apn, &SmtpTexts::apn},
    {SmtpTextField::GprsAccount, &SmtpTexts::gprsAccount},
    {SmtpTextField::GprsPassword, &SmtpTexts::gprsPassword},
    {SmtpTextField::SmtpServer, &SmtpTexts::smtpServer},
    {SmtpTextField::SmtpPort, &SmtpTexts::smtpPort},
    {SmtpTextField::SenderEmail, &SmtpTexts::senderEmail},
    {SmtpTextField::SenderPassword, &SmtpTexts::senderPassword},
    {SmtpTextField::SmsPhone, &SmtpTexts::smsPhone},
    {SmtpTextField::Recipient, &SmtpTexts::recipient},
}};

} // namespace

const std::string& SmtpTexts::operator[](SmtpTextField field) const {
    for (const auto& [name, member] : kFields)
        if (name == field)
            return this->*member;
    return recipient; // unreachable: every enumerator is in the table
}

std::string& SmtpTexts::operator[](SmtpTextField field) {
    return const_cast<std::string&>(std::as_const(*this)[field]);
}

SettingsRecordBytes SmtpFileWriter::headerRecord(const SmtpHeaderValues& header) {
    const SmtpHeaderSchema& s = kSmtpHeader;
    SettingsRecordBytes record = emptyRecord();
    const bool manual = header.mode == DataSetupMode::Manual;
    setRecordByte(record, s.operatorIndex.byte, header.operatorIndex);
    setRecordByte(record, s.country.byte, manual ? kManualCountryByte : header.countryIndex);
    setPictureLimit(record, s.picturesPerDay, header.picturesPerDay);
    setRecordByte(record, s.cameraLanguage.byte, header.cameraLanguage);
    for (const HeaderField& field : s.layout(header.layout).bytes)
        setRecordByte(record, field.byte,
                      field.isMarker()                         ? field.min
                      : field.name.key == kSmtpStatus.name.key ? header.smtpStatus
                                                               : header.remoteControl);
    setRecordByte(record, s.mmsMode.byte, dataModeByte(header.mode));
    return record;
}

SettingsRecordBytes SmtpFileWriter::senderUserNameRecord(std::string_view senderEmailOem) {
    // Code page 437 has one byte per character, so "as many bytes as the address has
    // characters" is the whole address.
    return textRecord(senderEmailOem.substr(0, senderEmailOem.find('@')));
}

SettingsFileBuild SmtpFileWriter::build(const SmtpHeaderValues& header, const SmtpTexts& texts) {
    SettingsFileBuild result;
    PlainRecords plain{};
    plain[0] = headerRecord(header);
    for (const auto& [field, member] : kFields)
        placeTextRecord(plain, static_cast<int>(field), texts.*member, result);
    if (!result.ok())
        return result;
    plain[kSenderUserNameRecord] = senderUserNameRecord(storableText(texts.senderEmail).bytes);
    result.bytes = assembleSettingsFile(plain, kSmtpChecksumAddend);
    return result;
}

SettingsFileOutcome SmtpFileWriter::write(std::string_view folder, const SmtpHeaderValues& header,
                                          const SmtpTexts& texts, LanguageId language,
                                          ui::InfoMessages& messages) {
    return writeSettingsFile(folder, kSmtpFileName, build(header, texts),
                             messageFor(kSmtpWrittenMessage, language), language, messages);
}

} // namespace quorvex
