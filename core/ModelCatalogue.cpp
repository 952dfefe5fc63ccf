// SPDX-License-Identifier: MIT
#include "core/ModelCatalogue.h"

#include <charconv>

namespace quorvex {

namespace {

constexpr std::string_view kCamera = "CQuorvexCameraMenu";
constexpr std::string_view kP4 = "CQuorvexP4Menu";
constexpr std::string_view kK7 = "CQuorvexK7Menu";
constexpr std::string_view kP7 = "CQuorvexP7Menu";
constexpr std::string_view kK9 = "CQuorvexK9Menu";
constexpr std::string_view kD2 = "CQuorvexD2Menu";
constexpr std::string_view kMms = "CQuorvexMMS";
constexpr std::string_view kP4Mms = "CQuorvexP4MMS";
constexpr auto kK4Smtp = SmtpLayout::K4;
constexpr auto kP4Smtp = SmtpLayout::P4;
constexpr std::nullopt_t kNoSmtp = std::nullopt;

using L = MenuLayoutId;
using S = MmsSendList;
constexpr SizeChoices k5MpList{kImageSizes5MpFirst, 0};
constexpr SizeChoices k12MpOf5MpList{kImageSizes5MpFirst, 1};
constexpr SizeChoices k12MpList{kImageSizes12MpFirst, 0};
constexpr SizeChoices kP4Images{kImageSizesP4, 0};
constexpr SizeChoices kK9AImages{std::span(kImageSizes5MpFirst).first(2), 1};
constexpr SizeChoices kD2Images{kImageSizesD2, 1};
constexpr SizeChoices kVga{kVideoSizesVga, 0};
constexpr SizeChoices kHd{kVideoSizesHd, 0};
constexpr SizeChoices kFullHd720{kVideoSizesFullHd, 1};
constexpr SizeChoices kP4Videos{kVideoSizesP4, 1};
constexpr SizeChoices kK7Videos{kVideoSizesHd, 0};

// Index = ModelId; entry 0 stands for every value outside 1-17 ("no model selected").
// clang-format off
constexpr std::array<ModelFacts, kModelCount + 1> kModels{{
    {"",                   "Quorvex",          kCamera, kMms,   kK4Smtp, L::GenericOther, k12MpOf5MpList, kVga,  false, false, 0,  S::FourEntries},
    {"Quorvex K4M",        "Quorvex K4",       kCamera, kMms,   kNoSmtp, L::GenericK4,    k5MpList,       kVga,  true,  true,  11, S::FourEntries},
    {"Quorvex P4M",        "Quorvex P4",       kP4,     kP4Mms, kNoSmtp, L::P4,           kP4Images,      kP4Videos, true, true, 12, S::P4},
    {"Quorvex K4MG",       "Quorvex K4",       kCamera, kMms,   kK4Smtp, L::GenericK4,    k5MpList,       kVga,  true,  true,  11, S::FourEntries},
    {"Quorvex P4MG",       "Quorvex P4",       kP4,     kP4Mms, kP4Smtp, L::P4,           kP4Images,      kP4Videos, true, true, 12, S::P4},
    {"Quorvex K5MG",       "Quorvex K5",       kCamera, kMms,   kK4Smtp, L::GenericK5,    k12MpList,      kHd,   true,  true,  11, S::ThreeEntries},
    {"Quorvex K7MG",       "Quorvex K7",       kK7,     kMms,   kK4Smtp, L::K7,           k12MpList,      kK7Videos, true, true, 11, S::ThreeEntries},
    {"Quorvex P5MG",       "Quorvex P5",       kP4,     kP4Mms, kP4Smtp, L::P4,           kP4Images,      kP4Videos, true, true, 12, S::P4},
    {"Quorvex P7MG",       "Quorvex P7",       kP7,     kP4Mms, kP4Smtp, L::P7,           kP4Images,      kP4Videos, true, false, 12, S::P4},
    {"Quorvex K8MG",       "Quorvex K8",       kK7,     kMms,   kK4Smtp, L::K7,           k12MpList,      kK7Videos, true, false, 11, S::FourEntries},
    {"Quorvex P8MG",       "Quorvex P8",       kP4,     kP4Mms, kP4Smtp, L::P4,           kP4Images,      kP4Videos, true, false, 12, S::P4, false},
    {"Quorvex K9A",        "Quorvex K9",       kK9,     {},     kNoSmtp, L::K9A,          kK9AImages,     kFullHd720, true, false, 0, S::FourEntries},
    {"Quorvex K9WA",       "Quorvex K9",       kK9,     {},     kNoSmtp, L::K9A,          kK9AImages,     kFullHd720, true, false, 0, S::FourEntries},
    {"Quorvex K9MG",       "Quorvex K9",       kK9,     kP4Mms, kP4Smtp, L::K9MG,         k12MpOf5MpList, kFullHd720, true, false, 12, S::P4},
    {"Quorvex D2",         "Quorvex D2",       kD2,     {},     kNoSmtp, L::D2,           kD2Images,      kVga,  true,  false, 0,  S::FourEntries},
    {"Quorvex K4MG-1080P", "Quorvex K4 1080P", kCamera, kP4Mms, kP4Smtp, L::Generic1080P, k12MpOf5MpList, kFullHd720, true, false, 12, S::P4},
    {"Quorvex K5MG-1080P", "Quorvex K5 1080P", kCamera, kP4Mms, kP4Smtp, L::Generic1080P, k12MpOf5MpList, kFullHd720, true, false, 12, S::P4},
    {"Quorvex K8MG-1080P", "Quorvex K8 1080P", kCamera, kP4Mms, kP4Smtp, L::Generic1080P, k12MpOf5MpList, kFullHd720, true, false, 12, S::P4},
}};
// clang-format on

} // namespace

const ModelFacts& modelFacts(int modelId) {
    return kModels[modelId >= 1 && modelId <= kModelCount ? static_cast<std::size_t>(modelId) : 0];
}

std::string modelsWithLayout(MenuLayoutId layout) {
    std::string out;
    for (int id = 0; id <= kModelCount; ++id) {
        if (kModels[static_cast<std::size_t>(id)].layout != layout)
            continue;
        if (!out.empty())
            out += ", ";
        out += std::to_string(id);
    }
    return out;
}

std::optional<int> parseModelId(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 0 || value > kModelCount)
        return std::nullopt;
    return value;
}

} // namespace quorvex
