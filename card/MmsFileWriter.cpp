// SPDX-License-Identifier: MIT
#include "card/MmsFileWriter.h"

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
    SettingsRecordBytes record = emptyRecord();
    setRecordByte(record, 0, header.sendCode);
    setRecordByte(record, 1, header.sendPosition);
    setRecordByte(record, 2, header.connectionType);
    setRecordByte(record, 3, header.picturesPerDay / 10);
    setRecordByte(record, 4, header.picturesPerDay % 10);
    setRecordByte(record, 5, header.cameraLanguage);
    setRecordByte(record, 6, header.tvMode);
    setRecordByte(record, 7, header.internationalNumbering ? 1 : 0);
    setRecordByte(record, 8, header.countryByte);
    setRecordByte(record, 9, header.operatorByte);
    setRecordByte(record, 10, header.remoteControl);
    setRecordByte(record, 55, dataModeByte(header.mode));
    return record;
}

SettingsFileBuild MmsFileWriter::build(const MmsHeaderValues& header, const MmsTexts& texts) {
    SettingsFileBuild result;
    PlainRecords plain{};
    plain[0] = headerRecord(header);
    for (int record = 1; record <= 10; ++record)
        placeTextRecord(plain, record, texts[static_cast<MmsTextField>(record)], result);
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
