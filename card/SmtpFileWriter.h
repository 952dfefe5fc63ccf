// SPDX-License-Identifier: MIT
#pragma once

#include "card/DataSetupMode.h"
#include "card/ScrambledSettingsFile.h"
#include "card/SettingsHeaderSchema.h"
#include "core/InfoMessages.h"
#include "core/Language.h"
#include "core/ModelCatalogue.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// smtp.dat, the camera's e-mail over GPRS settings. Both SMTP forms pass in:
// - SmtpHeaderValues: the layout (P4 or K4 form) and the list positions as the form holds them
//   (-1 for a list without selection, stored as 0xFF), the picture limit, the camera language
//   (1 for a Chinese camera with an English interface) and the MMS Mode; in Manual mode the
//   writer stores 0x80 as the country byte whatever the position;
// - SmtpTexts: the nine field texts as UTF-8, each at most 56 characters of code page 437
//   (storableText tells the form which field to refuse); the sender user name of record 9 is
//   derived here from the sender address;
// - the folder, and the LanguageId that picks the message language.
// The writer shows the success message itself once smtp.dat is complete; the form then only
// clears its Auto values.

// Where each value goes and what the camera takes there: kSmtpHeader.
struct SmtpHeaderValues {
    SmtpLayout layout = SmtpLayout::P4;
    int operatorIndex = 0;
    int countryIndex = 0;   // stored in Auto mode only
    int picturesPerDay = 0; // 0 = unlimited
    int cameraLanguage = kEnglish;
    int smtpStatus = 1;                       // 0 Off, 1 VGA, 2 SMS; the K4 layout has none
    int remoteControl = kRemoteControlOff;    // hours 0-24, or Off
    DataSetupMode mode = DataSetupMode::Auto; // Manual also stores country 0x80
};

// The text records: record = value (record 9 is derived from SenderEmail).
enum class SmtpTextField {
    Apn = 1,
    GprsAccount,
    GprsPassword,
    SmtpServer,
    SmtpPort,
    SenderEmail,
    SenderPassword,
    SmsPhone,
    Recipient = 10,
};

struct SmtpTexts {
    std::string apn;
    std::string gprsAccount;
    std::string gprsPassword;
    std::string smtpServer;
    std::string smtpPort;
    std::string senderEmail;
    std::string senderPassword;
    std::string smsPhone;
    std::string recipient;

    const std::string& operator[](SmtpTextField field) const;
    std::string& operator[](SmtpTextField field);
};

inline constexpr std::string_view kSmtpFileName = "smtp.dat";
inline constexpr Message kSmtpWrittenMessage{"SMTP configuration file has been generated",
                                             "SMTP配置文件已生成"};
inline constexpr std::uint16_t kSmtpChecksumAddend = 15;
inline constexpr int kSenderUserNameRecord = 9;

class SmtpFileWriter final {
  public:
    static SettingsRecordBytes headerRecord(const SmtpHeaderValues& header);

    // Record 9: the sender address up to its first "@" (all of it without one), count at 57.
    static SettingsRecordBytes senderUserNameRecord(std::string_view senderEmailOem);

    // The whole file as it goes onto the card.
    static SettingsFileBuild build(const SmtpHeaderValues& header, const SmtpTexts& texts);

    // Writes <folder>/smtp.dat and removes a mms.dat from the folder. A text that cannot be
    // stored writes nothing and shows "Cannot write" with the record and the character.
    static SettingsFileOutcome write(std::string_view folder, const SmtpHeaderValues& header,
                                     const SmtpTexts& texts, LanguageId language,
                                     ui::InfoMessages& messages);
};

} // namespace quorvex
