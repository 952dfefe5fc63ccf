// SPDX-License-Identifier: MIT
#include "ui/HostContract.h"
#include "ui/win32/Win32ScriptedHost.h"

namespace quorvex::testing {
namespace {

struct Win32ScriptedHostFactory {
    static std::unique_ptr<ui::ScriptedHost> make(ui::Transcript& transcript) {
        return ui::win32::makeWin32ScriptedHost(transcript);
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, HostContract, ::testing::Types<Win32ScriptedHostFactory>);

} // namespace quorvex::testing
