// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Everything the program knows about each camera model, in one table: the main window's list
// text, the window title, the configurator each button opens, the camera form's size lists and
// record layout, and what the messaging forms need. Dispatch, the forms and the card inspector
// read it; no other file lists models.
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

// A camera form's size list (the same texts in every language) and the entry it opens on.
struct SizeChoices {
    std::span<const std::string_view> entries;
    std::size_t defaultIndex = 0;
};

inline constexpr std::array<std::string_view, 3> kImageSizes5MpFirst{"5MP", "12MP", "1.3MP"};
inline constexpr std::array<std::string_view, 3> kImageSizes12MpFirst{"12MP", "5MP", "1.3MP"};
inline constexpr std::array<std::string_view, 3> kImageSizesP4{"12MP", "5MP", "2MP"};
inline constexpr std::array<std::string_view, 3> kImageSizesD2{"3MP", "5MP", "1.3MP"};
inline constexpr std::array<std::string_view, 2> kVideoSizesVga{"640x480", "320x240"};
inline constexpr std::array<std::string_view, 3> kVideoSizesHd{"1280x720", "640x480", "320x240"};
inline constexpr std::array<std::string_view, 4> kVideoSizesFullHd{"1920x1080", "1280x720",
                                                                   "640x480", "320x240"};
inline constexpr std::array<std::string_view, 3> kVideoSizesP4{"1440x1080", "1280x720", "640x480"};

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
    // The configurator class the camera and MMS buttons open; empty: the button is disabled.
    std::string_view cameraClass, mmsClass;
    std::optional<SmtpLayout> smtp; // the SMTP form; none: "SMTP Setup" is disabled
    MenuLayoutId layout;
    SizeChoices images, videos;
    bool allModes;     // the generic form offers "Camera+Video" (not without a model)
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
