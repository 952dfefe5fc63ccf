// SPDX-License-Identifier: MIT
#pragma once

#include "core/ModelCatalogue.h" // kModelCount

#include <cstdint>

namespace quorvex {

// The four per-machine preferences. Every operation opens the store, does its one access and
// closes it again; nothing is cached. Results follow the store's contract exactly:
// readLanguage creates a missing store, readModel maps values above 17 to 1, and so on.
class PreferencesStore {
  public:
    virtual ~PreferencesStore() = default;

    virtual bool readLanguage(std::uint16_t& value) = 0;
    virtual bool writeLanguage(std::uint16_t value) = 0;
    virtual bool readModel(std::uint16_t& value) = 0;
    virtual bool writeModel(std::uint16_t value) = 0;
    virtual bool readTvMode(std::uint16_t& value) = 0;
    virtual bool writeTvMode(std::uint16_t value) = 0;
    virtual bool companyReadable() = 0;
    virtual bool writeCompany() = 0;
};

inline constexpr const char* kCompanyName = "Quorvex Devices Co., Ltd";

} // namespace quorvex
