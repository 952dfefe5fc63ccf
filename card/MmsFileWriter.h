// SPDX-License-Identifier: MIT
#pragma once

#include "card/DataSetupMode.h"
#include "card/ScrambledSettingsFile.h"
#include "card/SettingsHeaderSchema.h"
#include "core/InfoMessages.h"
#include "core/Language.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// setup.dat, the camera's MMS sending settings. Both MMS forms pass in, already resolved:
// - MmsHeaderValues: every header byte as the form computed it (the MMS Send code after the
//   form's own remapping, the country and operator bytes it holds, 128 and 0 in Manual mode),
//   the camera language (1 for a Chinese camera with an English interface), the TvMode
//   preference and whether numbering is international;
// - MmsTexts: the ten field texts as UTF-8, each at most 56 characters of code page 437
//   (storableText tells the form which field to refuse before it generates);
// - the folder, and the LanguageId that picks the message language.
// The writer shows the success message itself; the form shows nothing more.
// Where each value goes and what the camera takes there: kSetupHeader.
struct MmsHeaderValues {
    int sendCode = 1;       // after the form's own remapping
    int sendPosition = 2;   // MMS Send list index + 1
    int connectionType = 0; // 0 APN, 1 CSD
    int picturesPerDay = 0; // 0 = unlimited
    int cameraLanguage = kEnglish;
    int tvMode = 0;                      // its low byte
    bool internationalNumbering = false; // also adds 18 to the check value
    int countryByte = 0;
    int operatorByte = 0;
    int remoteControl = kRemoteControlOff; // hours 0-24, or Off
    DataSetupMode mode = DataSetupMode::Auto;
};

// In record order: record = value.
enum class MmsTextField {
    Url = 1,
    Apn,
    Gateway,
    Port,
    PhoneNo,
    Email,
    Account,
    Password,
    PhoneOrEmail2,
    PhoneOrEmail3,
};

struct MmsTexts {
    std::string url;
    std::string apn;
    std::string gateway;
    std::string port;
    std::string phoneNo;
    std::string email;
    std::string account;
    std::string password;
    std::string phoneOrEmail2;
    std::string phoneOrEmail3;

    const std::string& operator[](MmsTextField field) const;
    std::string& operator[](MmsTextField field);
};

inline constexpr std::string_view kMmsFileName = "setup.dat";
inline constexpr Message kMmsWrittenMessage{
    "MMS configuration file (URL|APN|Gateway|Port ...) has been generated", "MMS配置文件已生成"};
inline constexpr std::uint16_t kInternationalChecksumAddend = 18;

class MmsFileWriter final {
  public:
    static SettingsRecordBytes headerRecord(const MmsHeaderValues& header);

    // The whole file as it goes onto the card.
    static SettingsFileBuild build(const MmsHeaderValues& header, const MmsTexts& texts);

    // Writes <folder>/setup.dat and removes a mms.dat from the folder. A text that cannot be
    // stored writes nothing and shows "Cannot write" with the record and the character.
    static SettingsFileOutcome write(std::string_view folder, const MmsHeaderValues& header,
                                     const MmsTexts& texts, LanguageId language,
                                     ui::InfoMessages& messages);
};

} // namespace quorvex
