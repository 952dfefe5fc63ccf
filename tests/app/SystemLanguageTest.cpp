// SPDX-License-Identifier: MIT
#include "app/SystemLanguage.h"

#include "support/Environment.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quorvex {
namespace {

TEST(SystemLanguage, LocaleNamesGiveWindowsLanguageIds) {
    EXPECT_EQ(languageIdForLocale("zh_CN.UTF-8"), 2052);
    EXPECT_EQ(languageIdForLocale("de_LI.UTF-8"), 5127);
    EXPECT_EQ(languageIdForLocale("de_DE"), 1031);
    EXPECT_EQ(languageIdForLocale("en_US.UTF-8"), 1033);
    EXPECT_EQ(languageIdForLocale("ru_RU.UTF-8@euro"), 1049);
    EXPECT_EQ(languageIdForLocale("fr_XX"), 1036); // unknown territory: the language's main id
    EXPECT_EQ(languageIdForLocale("C.UTF-8"), std::nullopt);
    EXPECT_EQ(languageIdForLocale(""), std::nullopt);
}

TEST(SystemLanguage, OnlyTwoIdsMapAwayFromEnglish) {
    EXPECT_EQ(languageForSystemId(2052), 1);
    EXPECT_EQ(languageForSystemId(5127), 3);
    EXPECT_EQ(languageForSystemId(1031), 2); // German - Germany stays English
    EXPECT_EQ(languageForSystemId(1028), 2); // Chinese - Taiwan
    EXPECT_EQ(languageForSystemId(0), 2);
}

class SystemLanguageEnv : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const char* name : {"QUORVEX_SYSTEM_LANGID", "LC_ALL", "LC_MESSAGES", "LANG"})
            testing::unsetEnvironment(name);
    }
};

TEST_F(SystemLanguageEnv, LocaleVariablesAreReadInOrder) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows reports its language id itself; no locale variable is read";
#endif
    testing::unsetEnvironment("QUORVEX_SYSTEM_LANGID");
    testing::unsetEnvironment("LC_ALL");
    testing::setEnvironment("LC_MESSAGES", "zh_CN.UTF-8");
    testing::setEnvironment("LANG", "de_LI.UTF-8");
    EXPECT_EQ(systemDefaultLanguageId(), 2052);
    testing::setEnvironment("LC_ALL", "de_LI.UTF-8");
    EXPECT_EQ(systemDefaultLanguageId(), 5127);
    testing::setEnvironment("LC_ALL", "C");
    EXPECT_EQ(systemDefaultLanguageId(), 1033);
}

TEST_F(SystemLanguageEnv, OverrideWinsAndBadOverridesAreIgnored) {
    testing::setEnvironment("LANG", "zh_CN.UTF-8");
    const std::uint16_t system = systemDefaultLanguageId();
    testing::setEnvironment("QUORVEX_SYSTEM_LANGID", "5127");
    EXPECT_EQ(systemDefaultLanguageId(), 5127);
    testing::setEnvironment("QUORVEX_SYSTEM_LANGID", "banana");
    EXPECT_EQ(systemDefaultLanguageId(), system);
    testing::setEnvironment("QUORVEX_SYSTEM_LANGID", "70000");
    EXPECT_EQ(systemDefaultLanguageId(), system);
}

} // namespace
} // namespace quorvex
