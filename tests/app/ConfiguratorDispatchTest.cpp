// SPDX-License-Identifier: MIT
#include "app/ConfiguratorDispatch.h"
#include "app/FormRegistry.h"
#include "tools/forms/RegisterForms.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex {
namespace {

// ModelId -> camera, MMS and SMTP classes ("" where the button is disabled).
struct Row {
    int model;
    const char* camera;
    const char* mms;
    const char* smtp;
};

constexpr Row kRows[] = {
    {0, "CQuorvexCameraMenu", "CQuorvexMMS", "CQuorvexK4Smtp"},
    {1, "CQuorvexCameraMenu", "CQuorvexMMS", ""},
    {2, "CQuorvexP4Menu", "CQuorvexP4MMS", ""},
    {3, "CQuorvexCameraMenu", "CQuorvexMMS", "CQuorvexK4Smtp"},
    {4, "CQuorvexP4Menu", "CQuorvexP4MMS", "CQuorvexP4Smtp"},
    {5, "CQuorvexCameraMenu", "CQuorvexMMS", "CQuorvexK4Smtp"},
    {6, "CQuorvexK7Menu", "CQuorvexMMS", "CQuorvexK4Smtp"},
    {7, "CQuorvexP4Menu", "CQuorvexP4MMS", "CQuorvexP4Smtp"},
    {8, "CQuorvexP7Menu", "CQuorvexP4MMS", "CQuorvexP4Smtp"},
    {9, "CQuorvexK7Menu", "CQuorvexMMS", "CQuorvexK4Smtp"},
    {10, "CQuorvexP4Menu", "CQuorvexP4MMS", "CQuorvexP4Smtp"},
    {11, "CQuorvexK9Menu", "", ""},
    {12, "CQuorvexK9Menu", "", ""},
    {13, "CQuorvexK9Menu", "CQuorvexP4MMS", "CQuorvexP4Smtp"},
    {14, "CQuorvexD2Menu", "", ""},
    {15, "CQuorvexCameraMenu", "CQuorvexP4MMS", "CQuorvexP4Smtp"},
    {16, "CQuorvexCameraMenu", "CQuorvexP4MMS", "CQuorvexP4Smtp"},
    {17, "CQuorvexCameraMenu", "CQuorvexP4MMS", "CQuorvexP4Smtp"},
    {18, "CQuorvexCameraMenu", "CQuorvexMMS", "CQuorvexK4Smtp"},
    {65535, "CQuorvexCameraMenu", "CQuorvexMMS", "CQuorvexK4Smtp"},
    {-3, "CQuorvexCameraMenu", "CQuorvexMMS", "CQuorvexK4Smtp"},
};

// Dispatch and registration together: each button opens the form registered for its kind.
TEST(ConfiguratorDispatch, EveryModelOpensItsClasses) {
    FormRegistry registry;
    registerForms(registry);
    const auto opened = [&](int model, Configurator button) {
        const std::optional<FormKind> form = configuratorForm(model, button);
        return form ? std::string(registry.className(*form)) : std::string();
    };
    for (const Row& row : kRows) {
        EXPECT_EQ(opened(row.model, Configurator::Camera), row.camera) << row.model;
        EXPECT_EQ(opened(row.model, Configurator::Mms), row.mms) << row.model;
        EXPECT_EQ(opened(row.model, Configurator::Smtp), row.smtp) << row.model;
        EXPECT_TRUE(configuratorEnabled(row.model, Configurator::Camera));
        EXPECT_EQ(configuratorEnabled(row.model, Configurator::Mms), std::string(row.mms) != "");
        EXPECT_EQ(configuratorEnabled(row.model, Configurator::Smtp), std::string(row.smtp) != "");
    }
}

// The program registers a form for every kind a main-window button can open.
TEST(ConfiguratorDispatch, EveryEnabledButtonHasItsForm) {
    FormRegistry registry;
    registerForms(registry);
    for (int model = 0; model <= 18; ++model)
        for (Configurator button : {Configurator::Camera, Configurator::Mms, Configurator::Smtp}) {
            if (const auto form = configuratorForm(model, button)) {
                EXPECT_TRUE(registry.has(*form)) << model << ' ' << static_cast<int>(button);
            }
        }
}

} // namespace
} // namespace quorvex
