// SPDX-License-Identifier: MIT
#include "card/MmsFileWriter.h"
#include "card/SettingsHeaderSchema.h"

#include <array>

namespace quorvex {

namespace {

constexpr std::array<std::string MmsTexts::*, 10> kRecordOrder = {
    &MmsTexts::url,           &MmsTexts::apn,           &MmsTexts::gateway, &MmsTexts::port,
    &MmsTexts::phoneNo,       &MmsTexts::email,         &MmsTexts::account, &MmsTexts::password,
    &MmsTexts::phoneOrEmail2, &MmsTexts::phoneOrEmail3,
};

} // namespace

const std::string& MmsTexts::operator[](MmsTextField field) const {
    return this->*kRecordOrder.at(static_cast<std::size_t>(field) - 1);
}

std::string& MmsTexts::operator[](MmsTextField field) {
    return this->*kRecordOrder.at(static_cast<std::size_t>(field) - 1);
}

SettingsRecordBytes MmsFileWriter::headerRecord(const MmsHeaderValues& header) {
    const SetupHeaderSchema& s = kSetupHeader;
    SettingsRecordBytes record = emptyRecord();
    setRecordByte(record, s.mmsSend.byte, header.sendCode);
    setRecordByte(record, s.mmsSendPosition.byte, header.sendPosition);
    setRecordByte(record, s.connectionType.byte, header.connectionType);
    setPictureLimit(record, s.picturesPerDay, header.picturesPerDay);
    setRecordByte(record, s.cameraLanguage.byte, header.cameraLanguage);
    setRecordByte(record, s.tvMode.byte, header.tvMode);
    setRecordByte(record, s.numbering.byte, numberingByte(header.internationalNumbering));
    setRecordByte(record, s.country.byte, header.countryByte);
    setRecordByte(record, s.operatorIndex.byte, header.operatorByte);
    setRecordByte(record, s.remoteControl.byte, header.remoteControl);
    setRecordByte(record, s.dataMode.byte, dataModeByte(header.mode));
    return record;
}

SettingsFileBuild MmsFileWriter::build(const MmsHeaderValues& header, const MmsTexts& texts) {
    SettingsFileBuild result;
    PlainRecords plain{};
    plain[0] = headerRecord(header);
    for (const TextRecordSchema& text : kSetupTextRecords)
        placeTextRecord(plain, text.record, texts[static_cast<MmsTextField>(text.record)], result);
    if (result.ok())
        result.bytes = assembleSettingsFile(
            plain, header.internationalNumbering ? kInternationalChecksumAddend : 0);
    return result;
}

SettingsFileOutcome MmsFileWriter::write(std::string_view folder, const MmsHeaderValues& header,
                                         const MmsTexts& texts, LanguageId language,
                                         ui::InfoMessages& messages) {
    return writeSettingsFile(folder, kMmsFileName, build(header, texts),
                             messageFor(kMmsWrittenMessage, language), language, messages);
}

} // namespace quorvex
