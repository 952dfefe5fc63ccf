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

// Each form is registered for its kind under its own class name.
template <typename Form>
void addCameraForm(FormRegistry& registry, CameraForm kind,
                   const std::shared_ptr<camera_menu::ClockFields>& clock) {
    registry.add(kind, Form::kClassName,
                 [clock](AppContext& context) { return std::make_unique<Form>(context, *clock); });
}

// The messaging forms need only the application context.
template <typename Form> void addForm(FormRegistry& registry, FormKind kind) {
    registry.add(kind, Form::kClassName,
                 [](AppContext& context) { return std::make_unique<Form>(context); });
}

} // namespace

void registerForms(FormRegistry& registry) {
    // The last clock reading, shared by every camera form for as long as the registry lives.
    auto clock = std::make_shared<camera_menu::ClockFields>();
    addCameraForm<camera_menu::CQuorvexCameraMenu>(registry, CameraForm::Generic, clock);
    addCameraForm<camera_menu::CQuorvexP4Menu>(registry, CameraForm::P4, clock);
    addCameraForm<camera_menu::CQuorvexK7Menu>(registry, CameraForm::K7, clock);
    addCameraForm<camera_menu::CQuorvexP7Menu>(registry, CameraForm::P7, clock);
    addCameraForm<camera_menu::CQuorvexK9Menu>(registry, CameraForm::K9, clock);
    addCameraForm<camera_menu::CQuorvexD2Menu>(registry, CameraForm::D2, clock);
    addForm<mms::CQuorvexMMS>(registry, MmsForm::Generic);
    addForm<mms::CQuorvexP4MMS>(registry, MmsForm::P4);
    addForm<smtp::CQuorvexP4Smtp>(registry, SmtpLayout::P4);
    addForm<smtp::CQuorvexK4Smtp>(registry, SmtpLayout::K4);
}

} // namespace quorvex
