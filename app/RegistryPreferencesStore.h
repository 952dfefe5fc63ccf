// SPDX-License-Identifier: MIT
#pragma once

#ifdef _WIN32

#include "core/Language.h"
#include "core/PreferencesStore.h"

#include <string>
#include <vector>

#include <windows.h>

namespace quorvex {

// The store as registry values of the program's App Paths key (the shell's registration of it).
// `language`, `model` and `TvMode` are REG_DWORD; `Company` is REG_SZ written 520 bytes long (the
// name, its terminator and zeros to 260 UTF-16 units) and read back through a 260-byte buffer,
// so it never reads as present and is written again at every start.
//
// Every operation opens the key with read, set-value and create-sub-key rights. The first place
// of `places` is the per-machine key under HKEY_LOCAL_MACHINE, which an ordinary account may not
// open with those rights (or create): then the same sub-key under HKEY_CURRENT_USER serves, so a
// user without administrator rights still has a language and model remembered. Only when no
// place can be opened do the reads fail and start-up fall back to its defaults.
class RegistryPreferencesStore final : public PreferencesStore {
  public:
    struct Place {
        HKEY root;
        std::wstring subKey;
    };

    // HKEY_LOCAL_MACHINE, then HKEY_CURRENT_USER, each with kSubKey.
    static std::vector<Place> defaultPlaces();
    static constexpr const wchar_t* kSubKey =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quorvex.exe";
    // KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY
    static constexpr REGSAM kAccess = 0x2001F;
    static_assert(kAccess == (KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY));

    explicit RegistryPreferencesStore(LanguageId systemDefaultLanguage,
                                      std::vector<Place> places = defaultPlaces());

    bool readLanguage(std::uint16_t& value) override;
    bool writeLanguage(std::uint16_t value) override;
    bool readModel(std::uint16_t& value) override;
    bool writeModel(std::uint16_t value) override;
    bool readTvMode(std::uint16_t& value) override;
    bool writeTvMode(std::uint16_t value) override;
    bool companyReadable() override;
    bool writeCompany() override;

  private:
    // The key of the first place that opens with kAccess, or null; closed by the caller.
    HKEY open() const;
    bool readDword(const wchar_t* name, DWORD& value, bool& opened) const;
    bool writeDword(const wchar_t* name, std::uint16_t value) const;

    LanguageId m_systemDefaultLanguage;
    std::vector<Place> m_places;
};

} // namespace quorvex

#endif
