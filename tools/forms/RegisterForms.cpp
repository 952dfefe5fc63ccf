// SPDX-License-Identifier: MIT
#include "tools/forms/RegisterForms.h"

#include "camera_menu/CQuorvexCameraMenu.h"
#include "camera_menu/CQuorvexD2Menu.h"
#include "camera_menu/CQuorvexK7Menu.h"
#include "camera_menu/CQuorvexK9Menu.h"
#include "camera_menu/CQuorvexP4Menu.h"
#include "camera_menu/CQuorvexP7Menu.h"
#include "mms/CQuorvexMMS.h"
#include "mms/CQuorvexP4MMS.h"
#include "smtp/CQuorvexK4Smtp.h"
#include "smtp/CQuorvexP4Smtp.h"

#include <memory>

namespace quorvex {

namespace {

template <typename Form>
void addCameraForm(FormRegistry& registry, std::string_view className,
                   const std::shared_ptr<camera_menu::ClockFields>& clock) {
    registry.add(className,
                 [clock](AppContext& context) { return std::make_unique<Form>(context, *clock); });
}

// The messaging forms need only the application context.
template <typename Form> void addForm(FormRegistry& registry, std::string_view className) {
    registry.add(className, [](AppContext& context) { return std::make_unique<Form>(context); });
}

} // namespace

void registerForms(FormRegistry& registry) {
    // The last clock reading, shared by every camera form for as long as the registry lives.
    auto clock = std::make_shared<camera_menu::ClockFields>();
    addCameraForm<camera_menu::CQuorvexCameraMenu>(registry, "CQuorvexCameraMenu", clock);
    addCameraForm<camera_menu::CQuorvexP4Menu>(registry, "CQuorvexP4Menu", clock);
    addCameraForm<camera_menu::CQuorvexK7Menu>(registry, "CQuorvexK7Menu", clock);
    addCameraForm<camera_menu::CQuorvexP7Menu>(registry, "CQuorvexP7Menu", clock);
    addCameraForm<camera_menu::CQuorvexK9Menu>(registry, "CQuorvexK9Menu", clock);
    addCameraForm<camera_menu::CQuorvexD2Menu>(registry, "CQuorvexD2Menu", clock);
    addForm<mms::CQuorvexMMS>(registry, "CQuorvexMMS");
    addForm<mms::CQuorvexP4MMS>(registry, "CQuorvexP4MMS");
    addForm<smtp::CQuorvexP4Smtp>(registry, "CQuorvexP4Smtp");
    addForm<smtp::CQuorvexK4Smtp>(registry, "CQuorvexK4Smtp");
}

} // namespace quorvex
