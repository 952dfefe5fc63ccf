// SPDX-License-Identifier: MIT
#include "app/Startup.h"
#include "app/FilePreferencesStore.h"
#include "app/SystemLanguage.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvex {
namespace {

using testing::readText;
using testing::TempDir;
using testing::writeText;

class StartUp : public ::testing::Test {
  protected:
    AppState run(std::uint16_t systemId) {
        FilePreferencesStore store(path(), languageForSystemId(systemId));
        AppState state;
        startUp(state, store, systemId);
        return state;
    }
    std::string path() const { return m_path.empty() ? m_dir.file("prefs") : m_path; }

    TempDir m_dir;
    std::string m_path;
};

TEST_F(StartUp, FirstStartOnAChineseSystem) {
    const AppState s = run(2052);
    EXPECT_EQ(s.languageId, 1);
    EXPECT_EQ(s.modelId, 1);
    EXPECT_EQ(s.tvMode, 0);
    EXPECT_TRUE(s.systemIsChinese);
    EXPECT_FALSE(s.chineseCameraEnglishUi);
    EXPECT_EQ(readText(path()),
              "language=1\nmodel=1\nTvMode=0\nCompany=Quorvex Devices Co., Ltd\n");
}

TEST_F(StartUp, FirstStartElsewhere) {
    EXPECT_EQ(run(5127).languageId, 3);
    std::filesystem::remove(path());
    EXPECT_EQ(run(1031).languageId, 2);
    std::filesystem::remove(path());
    const AppState s = run(1033);
    EXPECT_EQ(s.languageId, 2);
    EXPECT_FALSE(s.systemIsChinese);
    EXPECT_FALSE(s.chineseCameraEnglishUi);
}

TEST_F(StartUp, StoredChineseOnANonChineseSystemShowsEnglish) {
    writeText(path(), "language=1\nmodel=4\nTvMode=2\nCompany=Quorvex Devices Co., Ltd\n");
    const AppState s = run(1033);
    EXPECT_EQ(s.languageId, 2);
    EXPECT_TRUE(s.chineseCameraEnglishUi);
    EXPECT_EQ(s.cameraLanguage(), 1);
    EXPECT_EQ(s.modelId, 4);
    EXPECT_EQ(s.tvMode, 2);
    // Nothing was rewritten: the store keeps language 1.
    EXPECT_EQ(readText(path()),
              "language=1\nmodel=4\nTvMode=2\nCompany=Quorvex Devices Co., Ltd\n");
}

TEST_F(StartUp, StoredChineseOnAChineseSystem) {
    writeText(path(), "language=1\n");
    const AppState s = run(2052);
    EXPECT_EQ(s.languageId, 1);
    EXPECT_FALSE(s.chineseCameraEnglishUi);
}

TEST_F(StartUp, DeletedLanguageOnAChineseSystemIsNotWritten) {
    writeText(path(), "model=2\nTvMode=0\nCompany=Quorvex Devices Co., Ltd\n");
    const AppState s = run(2052);
    EXPECT_EQ(s.languageId, 1);
    EXPECT_EQ(readText(path()).find("language="), std::string::npos);
}

TEST_F(StartUp, StoredModels) {
    writeText(path(), "language=2\nmodel=25\n");
    EXPECT_EQ(run(1033).modelId, 1);
    writeText(path(), "language=2\nmodel=0\n");
    EXPECT_EQ(run(1033).modelId, 0);
    writeText(path(), "language=2\n");
    EXPECT_EQ(run(1033).modelId, 1);
    EXPECT_NE(readText(path()).find("model=1\n"), std::string::npos);
}

TEST_F(StartUp, LargeTvModeKeepsItsLowBits) {
    writeText(path(), "language=2\nTvMode=65538\n");
    EXPECT_EQ(run(1033).tvMode, 2);
}

TEST_F(StartUp, StoreThatCannotBeOpenedOrCreated) {
    writeText(m_dir.file("blocker"), "x");
    m_path = m_dir.file("blocker/prefs");
    const AppState s = run(2052);
    EXPECT_EQ(s.languageId, 1);
    EXPECT_EQ(s.modelId, 1);
    EXPECT_EQ(s.tvMode, 1);
    EXPECT_TRUE(s.systemIsChinese);
    EXPECT_EQ(readText(m_dir.file("blocker")), "x");
}

TEST_F(StartUp, CompanyIsRewrittenOnlyWhenItCannotBeRead) {
    writeText(path(), "language=2\nmodel=1\nTvMode=0\nCompany=" + std::string(200, 'c') + "\n");
    run(1033);
    EXPECT_NE(readText(path()).find("Company=Quorvex Devices Co., Ltd\n"), std::string::npos);
}

} // namespace
} // namespace quorvex
