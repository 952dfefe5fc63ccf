// SPDX-License-Identifier: MIT
#pragma once

#include "core/PreferencesStore.h"

namespace quorvex::testing {

// A store that can never be opened: every read and write fails, as on a locked-down machine.
class NoPreferences final : public PreferencesStore {
  public:
    bool readLanguage(std::uint16_t&) override { return false; }
    bool writeLanguage(std::uint16_t) override { return false; }
    bool readModel(std::uint16_t&) override { return false; }
    bool writeModel(std::uint16_t) override { return false; }
    bool readTvMode(std::uint16_t&) override { return false; }
    bool writeTvMode(std::uint16_t) override { return false; }
    bool companyReadable() override { return false; }
    bool writeCompany() override { return false; }
};

} // namespace quorvex::testing
