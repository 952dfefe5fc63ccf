// SPDX-License-Identifier: MIT
#pragma once

#include "card/CameraClock.h"
#include "card/MmsFileWriter.h"
#include "card/RecordLayouts.h"
#include "card/SmtpFileWriter.h"
#include "tools/inspect/InspectReport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quorvex::write {

// Whether a camera record gets the clock of the moment it is written (as the forms do) or the
// profile's.
enum class ClockChoice { Now, Keep };

struct ProfileOptions {
    std::optional<int> modelId; // the menu.dat layout and the MMS Send list of this model
    ClockChoice clock = ClockChoice::Now;
};

// Why a profile is refused: the file and the fields (none when the whole file is meant; two or
// more when only their combination is wrong).
struct ProfileFault {
    std::string file;
    std::vector<std::string> fields;
    std::string reason;
};

std::string faultText(const ProfileFault& fault);

struct MenuFilePlan {
    const RecordLayout* layout = nullptr;
    MenuValues values; // the profile's clock included
    bool factory = false;
};

struct SetupFilePlan {
    MmsHeaderValues header;
    MmsTexts texts;
};

struct SmtpFilePlan {
    SmtpHeaderValues header;
    SmtpTexts texts;
};

// One settings file of a profile with every field checked: it can be written into any folder.
struct FilePlan {
    inspect::FileKind kind = inspect::FileKind::Menu;
    std::string summary; // "menu.dat (P4 layout)"
    std::variant<MenuFilePlan, SetupFilePlan, SmtpFilePlan> content;
};

// The JSON `quorvex-inspect --json` prints (the whole document or one file's object): every file
// in it, each field checked against its file's layout and ranges. The first fault refuses all.
std::variant<std::vector<FilePlan>, ProfileFault> readProfile(std::string_view json,
                                                              const ProfileOptions& options);

// The camera record of a plan, not yet sealed; `now` replaces the profile's clock.
CameraSettingsRecord menuRecord(const MenuFilePlan& plan,
                                const std::optional<camera_menu::ClockFields>& now);

// The bytes a card gets; `now` replaces the profile's clock in a camera record.
std::vector<std::uint8_t> fileBytes(const FilePlan& plan,
                                    const std::optional<camera_menu::ClockFields>& now);

} // namespace quorvex::write
