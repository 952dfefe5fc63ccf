// SPDX-License-Identifier: MIT
// The registry store against the system's real registry (Wine's, in the Windows stage), under a
// fresh key of the current user's that each test removes again.
#include <gtest/gtest.h>

#ifdef _WIN32

#include "app/RegistryPreferencesStore.h"
#include "app/Startup.h"
#include "app/SystemLanguage.h"

#include <sddl.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using Place = RegistryPreferencesStore::Place;

// A root that nothing opens or creates under: no place of the store can be used at all.
const HKEY kUnopenable = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x7FFF0123));

class RegistryStore : public ::testing::Test {
  protected:
    RegistryStore() {
        std::random_device random;
        m_base = L"Software\\QuorvexTests\\" + std::to_wstring(random()) + L"\\";
    }
    ~RegistryStore() override { RegDeleteTreeW(HKEY_CURRENT_USER, m_base.c_str()); }

    std::wstring key(const wchar_t* name) const { return m_base + name; }
    Place machine() const { return {HKEY_CURRENT_USER, key(L"Machine")}; }
    Place user() const { return {HKEY_CURRENT_USER, key(L"User")}; }

    AppState start(std::uint16_t systemId, std::vector<Place> places) {
        RegistryPreferencesStore store(languageForSystemId(systemId), std::move(places));
        AppState state;
        startUp(state, store, systemId);
        return state;
    }
    AppState start(std::uint16_t systemId) { return start(systemId, {machine(), user()}); }

    static bool exists(const Place& place) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(place.root, place.subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    static void setDword(const Place& place, const wchar_t* name, DWORD value) {
        ASSERT_EQ(RegSetKeyValueW(place.root, place.subKey.c_str(), name, REG_DWORD, &value,
                                  sizeof value),
                  ERROR_SUCCESS);
    }
    static void setText(const Place& place, const wchar_t* name, const std::wstring& text) {
        ASSERT_EQ(RegSetKeyValueW(place.root, place.subKey.c_str(), name, REG_SZ, text.c_str(),
                                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    static void remove(const Place& place, const wchar_t* name) {
        RegDeleteKeyValueW(place.root, place.subKey.c_str(), name);
    }
    static std::optional<DWORD> dword(const Place& place, const wchar_t* name) {
        DWORD value = 0, size = sizeof value, type = 0;
        if (RegGetValueW(place.root, place.subKey.c_str(), name, RRF_RT_ANY, &type, &value,
                         &size) != ERROR_SUCCESS ||
            type != REG_DWORD)
            return std::nullopt;
        return value;
    }
    // The type and length of a value, and its data as UTF-16 units.
    struct Raw {
        DWORD type = 0;
        DWORD size = 0;
        std::wstring units;
    };
    static std::optional<Raw> raw(const Place& place, const wchar_t* name) {
        Raw r;
        std::vector<wchar_t> data(1024);
        r.size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        if (RegGetValueW(place.root, place.subKey.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &r.type,
                         data.data(), &r.size) != ERROR_SUCCESS)
            return std::nullopt;
        r.units.assign(data.data(), r.size / sizeof(wchar_t));
        return r;
    }

    std::wstring m_base;
};

TEST_F(RegistryStore, FirstStartOnAChineseSystemCreatesTheKeyAndItsFourValues) {
    const AppState s = start(2052);
    EXPECT_EQ(s.languageId, 1);
    EXPECT_EQ(s.modelId, 1);
    EXPECT_EQ(s.tvMode, 0);
    EXPECT_TRUE(s.systemIsChinese);
    EXPECT_FALSE(s.chineseCameraEnglishUi);
    EXPECT_EQ(dword(machine(), L"language"), 1u);
    EXPECT_EQ(dword(machine(), L"model"), 1u);
    EXPECT_EQ(dword(machine(), L"TvMode"), 0u);
    EXPECT_FALSE(exists(user())); // the first place opened: nothing went elsewhere

    // Company: REG_SZ of 520 bytes, the name, its terminator and zeros.
    const auto company = raw(machine(), L"Company");
    ASSERT_TRUE(company);
    EXPECT_EQ(company->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(company->size, 520u);
    const std::wstring name = L"Quorvex Devices Co., Ltd";
    EXPECT_EQ(company->units.substr(0, name.size()), name);
    EXPECT_EQ(company->units.find_first_not_of(L'\0', name.size()), std::wstring::npos);
}

TEST_F(RegistryStore, FirstStartElsewhereAndStoredLanguages) {
    EXPECT_EQ(start(5127).languageId, 3);
    RegDeleteTreeW(HKEY_CURRENT_USER, m_base.c_str());
    EXPECT_EQ(start(1033).languageId, 2);

    // Chinese stored, shown in English on a non-Chinese system; the store keeps 1.
    setDword(machine(), L"language", 1);
    setDword(machine(), L"model", 4);
    setDword(machine(), L"TvMode", 2);
    const AppState english = start(1033);
    EXPECT_EQ(english.languageId, 2);
    EXPECT_TRUE(english.chineseCameraEnglishUi);
    EXPECT_EQ(english.modelId, 4);
    EXPECT_EQ(english.tvMode, 2);
    EXPECT_EQ(dword(machine(), L"language"), 1u);
    const AppState chinese = start(2052);
    EXPECT_EQ(chinese.languageId, 1);
    EXPECT_FALSE(chinese.chineseCameraEnglishUi);

    // Deleted language on a Chinese system: read as the system's, and not written.
    remove(machine(), L"language");
    EXPECT_EQ(start(2052).languageId, 1);
    EXPECT_EQ(dword(machine(), L"language"), std::nullopt);
}

TEST_F(RegistryStore, StoredModelsAndTvModesAreReadByTheirLowBits) {
    start(1033);
    setDword(machine(), L"model", 25);
    EXPECT_EQ(start(1033).modelId, 1);
    setDword(machine(), L"model", 0);
    EXPECT_EQ(start(1033).modelId, 0);
    setDword(machine(), L"model", 0x10011); // low bits 17
    EXPECT_EQ(start(1033).modelId, 17);
    setDword(machine(), L"TvMode", 65538);
    EXPECT_EQ(start(1033).tvMode, 2);

    // A value of another type is no value: the default is read and written back as a DWORD.
    setText(machine(), L"model", L"5");
    EXPECT_EQ(start(1033).modelId, 1);
    EXPECT_EQ(dword(machine(), L"model"), 1u);
}

TEST_F(RegistryStore, EachOperationReportsWhatItFound) {
    RegistryPreferencesStore store(2, {machine(), user()});
    std::uint16_t value = 77;
    EXPECT_FALSE(store.readModel(value)); // no key
    EXPECT_EQ(value, 77);
    EXPECT_FALSE(store.readTvMode(value));
    EXPECT_EQ(value, 77);
    EXPECT_FALSE(store.companyReadable());
    EXPECT_FALSE(store.writeModel(3));
    EXPECT_FALSE(store.readLanguage(value)); // creates the key
    EXPECT_EQ(value, 77);
    EXPECT_TRUE(exists(machine()));

    EXPECT_TRUE(store.readLanguage(value)); // no value: the system's language
    EXPECT_EQ(value, 2);
    EXPECT_FALSE(store.readModel(value));
    EXPECT_EQ(value, 1);
    EXPECT_FALSE(store.readTvMode(value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(store.writeLanguage(0xFFFF));
    EXPECT_EQ(dword(machine(), L"language"), 0xFFFFu); // zero-extended
    EXPECT_TRUE(store.writeModel(9));
    EXPECT_TRUE(store.readModel(value));
    EXPECT_EQ(value, 9);

    // The 520-byte value never fits the 260-byte read; a short one does.
    EXPECT_TRUE(store.writeCompany());
    EXPECT_FALSE(store.companyReadable());
    setText(machine(), L"Company", L"Quorvex");
    EXPECT_TRUE(store.companyReadable());
}

TEST_F(RegistryStore, AnAccountThatCannotOpenTheMachineKeyUsesItsOwn) {
    const AppState first = start(1033, {{kUnopenable, key(L"Machine")}, user()});
    EXPECT_EQ(first.languageId, 2);
    EXPECT_EQ(dword(user(), L"language"), 2u);
    EXPECT_EQ(dword(user(), L"model"), 1u);
    EXPECT_TRUE(raw(user(), L"Company"));

    // Remembered from one start to the next.
    setDword(user(), L"model", 7);
    EXPECT_EQ(start(1033, {{kUnopenable, key(L"Machine")}, user()}).modelId, 7);

    // The machine key is used again as soon as it opens.
    setDword(machine(), L"model", 5);
    EXPECT_EQ(start(1033).modelId, 5);
}

// As an ordinary account finds the per-machine key an administrator's install made: it opens for
// reading only, so the account's own key is made and used, and the machine's is left as it is.
TEST_F(RegistryStore, AMachineKeyThatOpensOnlyForReadingLeavesTheWorkToTheUsersKey) {
    setDword(machine(), L"model", 5);
    const auto setAccess = [&](const wchar_t* sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                         &descriptor, nullptr));
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, machine().subKey.c_str(), 0,
                                READ_CONTROL | WRITE_DAC, &key),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
        RegCloseKey(key);
        LocalFree(descriptor);
    };
    setAccess(L"D:(A;;KR;;;WD)(A;;RCWD;;;OW)"); // everyone reads; the owner may change that
    HKEY probe = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, machine().subKey.c_str(), 0,
                      RegistryPreferencesStore::kAccess, &probe) == ERROR_SUCCESS) {
        RegCloseKey(probe);
        setAccess(L"D:(A;;KA;;;WD)");
        GTEST_SKIP() << "this registry grants every right whatever the key's access list says";
    }

    const AppState s = start(1033);
    EXPECT_EQ(s.modelId, 1); // the machine's 5 is not the account's
    EXPECT_EQ(dword(user(), L"language"), 2u);
    EXPECT_EQ(dword(user(), L"model"), 1u);
    setDword(user(), L"model", 7);
    EXPECT_EQ(start(1033).modelId, 7);
    EXPECT_EQ(dword(machine(), L"model"), 5u);
    EXPECT_EQ(dword(machine(), L"language"), std::nullopt);
    setAccess(L"D:(A;;KA;;;WD)");
}

TEST_F(RegistryStore, LanguagesOutsideTheListAndForeignValuesReadAsMissing) {
    RegistryPreferencesStore store(3, {machine(), user()});
    std::uint16_t value = 0;
    EXPECT_FALSE(store.writeLanguage(4)); // no key yet: nothing written, nothing made
    EXPECT_FALSE(store.writeTvMode(4));
    EXPECT_FALSE(store.writeCompany());
    EXPECT_FALSE(exists(machine()));
    EXPECT_FALSE(store.readLanguage(value));
    EXPECT_FALSE(store.companyReadable()); // the key without the value

    setDword(machine(), L"language", 0x10005); // low bits 5
    EXPECT_TRUE(store.readLanguage(value));
    EXPECT_EQ(value, 5);
    for (const DWORD outside : {0ul, 16ul, 0xFFFFul}) {
        setDword(machine(), L"language", outside);
        value = 0;
        EXPECT_TRUE(store.readLanguage(value));
        EXPECT_EQ(value, 3) << outside;
        EXPECT_EQ(dword(machine(), L"language"), outside); // left as it is
    }
    setText(machine(), L"language", L"5");
    EXPECT_TRUE(store.readLanguage(value));
    EXPECT_EQ(value, 3);

    setDword(machine(), L"model", 18);
    EXPECT_TRUE(store.readModel(value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(store.writeTvMode(0xFFFF));
    EXPECT_EQ(dword(machine(), L"TvMode"), 0xFFFFu);
}

TEST_F(RegistryStore, NoKeyThatOpensGivesTheDefaultsAndStoresNothing) {
    std::uint16_t value = 42;
    RegistryPreferencesStore nowhere(2, {{kUnopenable, key(L"Machine")}});
    EXPECT_FALSE(nowhere.readLanguage(value));
    EXPECT_EQ(value, 42);

    const AppState s = start(2052, {{kUnopenable, key(L"Machine")}, {kUnopenable, key(L"User")}});
    EXPECT_EQ(s.languageId, 1);
    EXPECT_EQ(s.modelId, 1);
    EXPECT_EQ(s.tvMode, 1);
    EXPECT_TRUE(s.systemIsChinese);
    EXPECT_FALSE(exists({HKEY_CURRENT_USER, m_base}));
}

} // namespace
} // namespace quorvex

#else

TEST(RegistryStore, IsWindowsOnly) {
    GTEST_SKIP() << "the registry exists only on Windows; the file store is tested instead";
}

#endif
