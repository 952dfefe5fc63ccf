// SPDX-License-Identifier: MIT
#include "QtTestApp.h"
#include "ui/HostContract.h"
#include "ui/qt/QtScriptedHost.h"

namespace quorvex::testing {
namespace {

struct QtScriptedHostFactory {
    static std::unique_ptr<ui::ScriptedHost> make(ui::Transcript& transcript) {
        qtApp(); // made here, so that no host owns it: every test makes a new host
        static int argc = 0;
        static char* argv[] = {nullptr};
        return ui::makeQtScriptedHost(transcript, argc, argv);
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(QtWidgets, HostContract, ::testing::Types<QtScriptedHostFactory>);

} // namespace quorvex::testing
