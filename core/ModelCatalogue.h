// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Everything the program knows about each camera model, in one table: the main window's list
// text, the window title, the configurator each button opens, the camera form's record layout
// and the entries its size lists open on, and what the messaging forms need. Dispatch, the forms
// and the card inspector read it; no other file lists models.
namespace quorvex {

// The camera record layouts (menu.dat). A model names the one its camera form writes.
enum class MenuLayoutId {
    GenericAnyModel, // the generic form's layout with the model-dependent lists left open
    GenericK4,
    GenericK5,
    GenericOther,
    Generic1080P,
    P4,
    P7,
    K7,
    K9A,
    K9MG,
    D2
};

// The entries a camera form's image and video size lists open on. The lists are those of the
// model's record layout (card/RecordLayouts.h).
struct SizeOpenings {
    std::uint8_t image = 0;
    std::uint8_t video = 0;
};

// The camera forms and the MMS forms; a model opens one of each kind (or no MMS form).
enum class CameraForm { Generic, P4, K7, P7, K9, D2 };
enum class MmsForm { Generic, P4 };

// The header layout of smtp.dat, which is also which SMTP form a model has: bytes 6-8 hold SMTP
// Status, remote control and 1 (P4 form) or 1, 1 and remote control (K4 form).
enum class SmtpLayout { P4, K4 };

// The MMS Send list of the MMS forms.
enum class MmsSendList {
    FourEntries,  // Off, VGA, QVGA, SMS (generic form)
    ThreeEntries, // Off, VGA, SMS, SMS stored as code 3 (generic form, K5 and K7)
    P4,           // Off, VGA, SMS (P4 form)
};

struct ModelFacts {
    std::string_view listText; // the main window's model list
    std::string_view title;    // every camera form's window title
    CameraForm camera;
    std::optional<MmsForm> mms;     // the MMS form; none: "MMS Setup" is disabled
    std::optional<SmtpLayout> smtp; // the SMTP form; none: "SMTP Setup" is disabled
    MenuLayoutId layout;
    SizeOpenings sizes;
    bool smsMode;      // the MMS form has an SMS mode for this model
    int mmsPhoneLimit; // Phone No digits in the MMS form's phone rule (domestic numbering)
    MmsSendList mmsSend;
    bool sidePirAfterDefault = true; // the side PIR "Default" selects (the P8's is Off)
};

// ModelIds run from 1 to 17 in the main window's list; 0 stands for no model selected.
inline constexpr int kModelCount = 17;

// A ModelId typed on a command line: exactly the digits of 0-17, else nothing.
std::optional<int> parseModelId(std::string_view text);

// ModelId 1-17; any other value gets the facts of "no model selected".
const ModelFacts& modelFacts(int modelId);

// The ModelIds whose camera form writes `layout`, as a user reads them ("6, 9"; "0" for no
// model selected).
std::string modelsWithLayout(MenuLayoutId layout);

} // namespace quorvex
