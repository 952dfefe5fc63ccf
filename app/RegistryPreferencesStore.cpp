// SPDX-License-Identifier: MIT
#ifdef _WIN32

#include "app/RegistryPreferencesStore.h"

#include <array>
#include <string_view>

namespace quorvex {

namespace {

constexpr const wchar_t* kLanguage = L"language";
constexpr const wchar_t* kModel = L"model";
constexpr const wchar_t* kTvMode = L"TvMode";
constexpr const wchar_t* kCompany = L"Company";
// Company is written as 260 UTF-16 units but read through a buffer of 260 bytes.
constexpr std::size_t kCompanyUnits = 260;
constexpr DWORD kCompanyReadBytes = 260;

class OpenKey {
  public:
    explicit OpenKey(HKEY key) : m_key(key) {}
    ~OpenKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    explicit operator bool() const { return m_key != nullptr; }
    HKEY get() const { return m_key; }

  private:
    HKEY m_key;
};

} // namespace

std::vector<RegistryPreferencesStore::Place> RegistryPreferencesStore::defaultPlaces() {
    return {{HKEY_LOCAL_MACHINE, kSubKey}, {HKEY_CURRENT_USER, kSubKey}};
}

RegistryPreferencesStore::RegistryPreferencesStore(LanguageId systemDefaultLanguage,
                                                   std::vector<Place> places)
    : m_systemDefaultLanguage(systemDefaultLanguage), m_places(std::move(places)) {}

HKEY RegistryPreferencesStore::open() const {
    for (const auto& place : m_places) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(place.root, place.subKey.c_str(), 0, kAccess, &key) == ERROR_SUCCESS)
            return key;
    }
    return nullptr;
}

bool RegistryPreferencesStore::readDword(const wchar_t* name, DWORD& value, bool& opened) const {
    const OpenKey key(open());
    opened = static_cast<bool>(key);
    if (!key)
        return false;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof data)
        return false; // a value of another type is no value of ours
    value = data;
    return true;
}

bool RegistryPreferencesStore::writeDword(const wchar_t* name, std::uint16_t value) const {
    const OpenKey key(open());
    if (!key)
        return false;
    const DWORD data = value; // zero-extended
    return RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}

bool RegistryPreferencesStore::readLanguage(std::uint16_t& value) {
    bool opened = false;
    DWORD stored = 0;
    const bool present = readDword(kLanguage, stored, opened);
    if (!opened) {
        // Missing: create it, at the first place where the created key then also opens with the
        // rights every later operation asks for (an existing per-machine key that an ordinary
        // account may only read would otherwise stop the per-user key from ever being made).
        for (const auto& place : m_places) {
            HKEY created = nullptr;
            if (RegCreateKeyW(place.root, place.subKey.c_str(), &created) != ERROR_SUCCESS)
                continue;
            RegCloseKey(created);
            if (const OpenKey usable(open()); usable)
                break;
        }
        return false;
    }
    // A language outside 1-15 would index every text table out of range: treat it as missing.
    const auto low = static_cast<std::uint16_t>(stored & 0xFFFF);
    value =
        present && isValidLanguage(low) ? low : static_cast<std::uint16_t>(m_systemDefaultLanguage);
    return true;
}

bool RegistryPreferencesStore::writeLanguage(std::uint16_t value) {
    return writeDword(kLanguage, value);
}

bool RegistryPreferencesStore::readModel(std::uint16_t& value) {
    bool opened = false;
    DWORD stored = 0;
    if (!readDword(kModel, stored, opened)) {
        if (opened)
            value = 1;
        return false;
    }
    const auto low = static_cast<std::uint16_t>(stored & 0xFFFF);
    value = low > kModelCount ? 1 : low;
    return true;
}

bool RegistryPreferencesStore::writeModel(std::uint16_t value) {
    return writeDword(kModel, value);
}

bool RegistryPreferencesStore::readTvMode(std::uint16_t& value) {
    bool opened = false;
    DWORD stored = 0;
    if (!readDword(kTvMode, stored, opened)) {
        if (opened)
            value = 0;
        return false;
    }
    value = static_cast<std::uint16_t>(stored & 0xFFFF);
    return true;
}

bool RegistryPreferencesStore::writeTvMode(std::uint16_t value) {
    return writeDword(kTvMode, value);
}

bool RegistryPreferencesStore::companyReadable() {
    const OpenKey key(open());
    if (!key)
        return false;
    std::array<BYTE, kCompanyReadBytes> buffer{};
    DWORD size = kCompanyReadBytes;
    return RegQueryValueExW(key.get(), kCompany, nullptr, nullptr, buffer.data(), &size) ==
           ERROR_SUCCESS;
}

bool RegistryPreferencesStore::writeCompany() {
    const OpenKey key(open());
    if (!key)
        return false;
    static_assert(sizeof(wchar_t) == 2, "REG_SZ holds UTF-16 units");
    std::array<wchar_t, kCompanyUnits> data{};
    constexpr std::string_view name = kCompanyName; // ASCII
    static_assert(name.size() < kCompanyUnits);
    for (std::size_t i = 0; i < name.size(); ++i)
        data[i] = static_cast<wchar_t>(name[i]);
    return RegSetValueExW(key.get(), kCompany, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(sizeof data)) == ERROR_SUCCESS;
}

} // namespace quorvex

#endif
