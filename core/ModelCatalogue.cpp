// SPDX-License-Identifier: MIT
#include "core/ModelCatalogue.h"

#include <charconv>

namespace quorvex {

namespace {

using C = CameraForm;
using L = MenuLayoutId;
using S = MmsSendList;
constexpr std::optional<MmsForm> kMms = MmsForm::Generic;
constexpr std::optional<MmsForm> kP4Mms = MmsForm::P4;
constexpr std::nullopt_t kNoMms = std::nullopt;
constexpr auto kK4Smtp = SmtpLayout::K4;
constexpr auto kP4Smtp = SmtpLayout::P4;
constexpr std::nullopt_t kNoSmtp = std::nullopt;

// Index = ModelId; entry 0 stands for every value outside 1-17 ("no model selected").
// clang-format off
constexpr std::array<ModelFacts, kModelCount + 1> kModels{{
    {"",                   "Quorvex",          C::Generic, kMms,   kK4Smtp, L::GenericOther, {1, 0}, false, 0,  S::FourEntries},
    {"Quorvex K4M",        "Quorvex K4",       C::Generic, kMms,   kNoSmtp, L::GenericK4,    {0, 0}, true,  11, S::FourEntries},
    {"Quorvex P4M",        "Quorvex P4",       C::P4,      kP4Mms, kNoSmtp, L::P4,           {0, 1}, true,  12, S::P4},
    {"Quorvex K4MG",       "Quorvex K4",       C::Generic, kMms,   kK4Smtp, L::GenericK4,    {0, 0}, true,  11, S::FourEntries},
    {"Quorvex P4MG",       "Quorvex P4",       C::P4,      kP4Mms, kP4Smtp, L::P4,           {0, 1}, true,  12, S::P4},
    {"Quorvex K5MG",       "Quorvex K5",       C::Generic, kMms,   kK4Smtp, L::GenericK5,    {0, 0}, true,  11, S::ThreeEntries},
    {"Quorvex K7MG",       "Quorvex K7",       C::K7,      kMms,   kK4Smtp, L::K7,           {0, 0}, true,  11, S::ThreeEntries},
    {"Quorvex P5MG",       "Quorvex P5",       C::P4,      kP4Mms, kP4Smtp, L::P4,           {0, 1}, true,  12, S::P4},
    {"Quorvex P7MG",       "Quorvex P7",       C::P7,      kP4Mms, kP4Smtp, L::P7,           {0, 1}, false, 12, S::P4},
    {"Quorvex K8MG",       "Quorvex K8",       C::K7,      kMms,   kK4Smtp, L::K7,           {0, 0}, false, 11, S::FourEntries},
    {"Quorvex P8MG",       "Quorvex P8",       C::P4,      kP4Mms, kP4Smtp, L::P4,           {0, 1}, false, 12, S::P4, false},
    {"Quorvex K9A",        "Quorvex K9",       C::K9,      kNoMms, kNoSmtp, L::K9A,          {1, 1}, false, 0,  S::FourEntries},
    {"Quorvex K9WA",       "Quorvex K9",       C::K9,      kNoMms, kNoSmtp, L::K9A,          {1, 1}, false, 0,  S::FourEntries},
    {"Quorvex K9MG",       "Quorvex K9",       C::K9,      kP4Mms, kP4Smtp, L::K9MG,         {1, 1}, false, 12, S::P4},
    {"Quorvex D2",         "Quorvex D2",       C::D2,      kNoMms, kNoSmtp, L::D2,           {1, 0}, false, 0,  S::FourEntries},
    {"Quorvex K4MG-1080P", "Quorvex K4 1080P", C::Generic, kP4Mms, kP4Smtp, L::Generic1080P, {1, 1}, false, 12, S::P4},
    {"Quorvex K5MG-1080P", "Quorvex K5 1080P", C::Generic, kP4Mms, kP4Smtp, L::Generic1080P, {1, 1}, false, 12, S::P4},
    {"Quorvex K8MG-1080P", "Quorvex K8 1080P", C::Generic, kP4Mms, kP4Smtp, L::Generic1080P, {1, 1}, false, 12, S::P4},
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
