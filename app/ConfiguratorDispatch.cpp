// SPDX-License-Identifier: MIT
#include "app/ConfiguratorDispatch.h"

#include <array>

namespace quorvex {

namespace {

struct ModelForms {
    std::string_view camera, mms, smtp; // empty: the button is disabled for this model
};

constexpr std::string_view kCamera = "CQuorvexCameraMenu";
constexpr std::string_view kP4 = "CQuorvexP4Menu";
constexpr std::string_view kK7 = "CQuorvexK7Menu";
constexpr std::string_view kP7 = "CQuorvexP7Menu";
constexpr std::string_view kK9 = "CQuorvexK9Menu";
constexpr std::string_view kD2 = "CQuorvexD2Menu";
constexpr std::string_view kMms = "CQuorvexMMS";
constexpr std::string_view kP4Mms = "CQuorvexP4MMS";
constexpr std::string_view kK4Smtp = "CQuorvexK4Smtp";
constexpr std::string_view kP4Smtp = "CQuorvexP4Smtp";

// Index = ModelId; entry 0 stands for every value outside 1-17.
constexpr std::array<ModelForms, 18> kForms{{
    {kCamera, kMms, kK4Smtp},   // no model selected
    {kCamera, kMms, {}},        // 1 K4M
    {kP4, kP4Mms, {}},          // 2 P4M
    {kCamera, kMms, kK4Smtp},   // 3 K4MG
    {kP4, kP4Mms, kP4Smtp},     // 4 P4MG
    {kCamera, kMms, kK4Smtp},   // 5 K5MG
    {kK7, kMms, kK4Smtp},       // 6 K7MG
    {kP4, kP4Mms, kP4Smtp},     // 7 P5MG
    {kP7, kP4Mms, kP4Smtp},     // 8 P7MG
    {kK7, kMms, kK4Smtp},       // 9 K8MG
    {kP4, kP4Mms, kP4Smtp},     // 10 P8MG
    {kK9, {}, {}},              // 11 K9A
    {kK9, {}, {}},              // 12 K9WA
    {kK9, kP4Mms, kP4Smtp},     // 13 K9MG
    {kD2, {}, {}},              // 14 D2
    {kCamera, kP4Mms, kP4Smtp}, // 15 K4MG-1080P
    {kCamera, kP4Mms, kP4Smtp}, // 16 K5MG-1080P
    {kCamera, kP4Mms, kP4Smtp}, // 17 K8MG-1080P
}};

const ModelForms& formsOf(int modelId) {
    return kForms[modelId >= 1 && modelId <= 17 ? static_cast<std::size_t>(modelId) : 0];
}

} // namespace

std::string_view configuratorClass(int modelId, Configurator button) {
    const ModelForms& forms = formsOf(modelId);
    switch (button) {
    case Configurator::Camera:
        return forms.camera;
    case Configurator::Mms:
        return forms.mms;
    case Configurator::Smtp:
        return forms.smtp;
    }
    return {};
}

bool configuratorEnabled(int modelId, Configurator button) {
    return !configuratorClass(modelId, button).empty();
}

} // namespace quorvex
