// SPDX-License-Identifier: MIT
#include "app/FilePreferencesStore.h"
#include "app/Startup.h"
#include "app/SystemLanguage.h"

#include "support/TempDir.h"

#include "support/Environment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace quorvex {
namespace {

using testing::readText;
using testing::TempDir;
using testing::writeText;

class FileStore : public ::testing::Test {
  protected:
    std::string path() const { return m_dir.file("prefs"); }
    FilePreferencesStore store(LanguageId systemDefault = 2) { return {path(), systemDefault}; }
    void content(const std::string& text) { writeText(path(), text); }

    TempDir m_dir;
};

TEST_F(FileStore, ReadLanguageCreatesAMissingStoreAndReportsFalse) {
    auto s = store();
    std::uint16_t value = 77;
    EXPECT_FALSE(s.readLanguage(value));
    EXPECT_EQ(value, 77); // untouched
    EXPECT_TRUE(std::filesystem::exists(path()));
    EXPECT_EQ(readText(path()), "");
}

TEST_F(FileStore, ReadLanguageCreatesMissingFolders) {
    FilePreferencesStore s(m_dir.file("a/b/prefs"), 2);
    std::uint16_t value = 0;
    EXPECT_FALSE(s.readLanguage(value));
    EXPECT_TRUE(std::filesystem::exists(m_dir.file("a/b/prefs")));
}

TEST_F(FileStore, APathBeyondAsciiHoldsItsValues) {
    const std::string path = m_dir.file("Jürgen Łukasz 林/prefs");
    FilePreferencesStore s(path, 2);
    std::uint16_t value = 0;
    EXPECT_FALSE(s.readLanguage(value));
    EXPECT_TRUE(s.writeModel(12));
    EXPECT_TRUE(s.readModel(value));
    EXPECT_EQ(value, 12);
    EXPECT_EQ(testing::readText(path), "model=12\n");
}

TEST_F(FileStore, MissingLanguageValueReadsAsTheSystemDefault) {
    content("model=4\n");
    std::uint16_t value = 0;
    EXPECT_TRUE(store(1).readLanguage(value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(store(3).readLanguage(value));
    EXPECT_EQ(value, 3);
}

TEST_F(FileStore, LanguageOutsideOneToFifteenReadsAsMissing) {
    for (const char* stored : {"0", "16", "65535", "65536", "4294967295"}) {
        content(std::string("language=") + stored + "\n");
        std::uint16_t value = 0;
        EXPECT_TRUE(store(3).readLanguage(value)) << stored;
        EXPECT_EQ(value, 3) << stored;
    }
    content("language=65551\n"); // low 16 bits are 15
    std::uint16_t value = 0;
    EXPECT_TRUE(store().readLanguage(value));
    EXPECT_EQ(value, 15);
}

TEST_F(FileStore, ModelFollowsItsRules) {
    std::uint16_t value = 9;
    EXPECT_FALSE(store().readModel(value)); // no store: untouched
    EXPECT_EQ(value, 9);
    content("language=2\n");
    EXPECT_FALSE(store().readModel(value)); // no model value: 1
    EXPECT_EQ(value, 1);
    content("model=25\n");
    EXPECT_TRUE(store().readModel(value));
    EXPECT_EQ(value, 1);
    content("model=0\n");
    EXPECT_TRUE(store().readModel(value));
    EXPECT_EQ(value, 0);
    content("model=17\n");
    EXPECT_TRUE(store().readModel(value));
    EXPECT_EQ(value, 17);
    content("model=65540\n"); // low 16 bits: 4
    EXPECT_TRUE(store().readModel(value));
    EXPECT_EQ(value, 4);
}

TEST_F(FileStore, TvModeUsesTheLowSixteenBits) {
    std::uint16_t value = 9;
    EXPECT_FALSE(store().readTvMode(value));
    EXPECT_EQ(value, 9);
    content("\n");
    EXPECT_FALSE(store().readTvMode(value));
    EXPECT_EQ(value, 0);
    content("TvMode=65537\n");
    EXPECT_TRUE(store().readTvMode(value));
    EXPECT_EQ(value, 1);
}

TEST_F(FileStore, WritesNeedAnExistingStore) {
    auto s = store();
    EXPECT_FALSE(s.writeModel(3));
    EXPECT_FALSE(std::filesystem::exists(path()));
    content("");
    EXPECT_TRUE(s.writeModel(3));
    EXPECT_TRUE(s.writeLanguage(1));
    EXPECT_TRUE(s.writeTvMode(0));
    EXPECT_TRUE(s.writeCompany());
    EXPECT_EQ(readText(path()),
              "model=3\nlanguage=1\nTvMode=0\nCompany=Quorvex Devices Co., Ltd\n");
}

TEST_F(FileStore, AWriteKeepsEveryOtherLineAndReplacesDuplicates) {
    content("# written by hand\nlanguage=5\nmodel=2\nmodel=9\nsomething else\r\nTvMode=3\n");
    EXPECT_TRUE(store().writeModel(7));
    EXPECT_EQ(readText(path()),
              "# written by hand\nlanguage=5\nmodel=7\nsomething else\nTvMode=3\n");
    std::uint16_t value = 0;
    EXPECT_TRUE(store().readLanguage(value));
    EXPECT_EQ(value, 5);
}

TEST_F(FileStore, MalformedValuesReadAsMissing) {
    for (const char* stored :
         {"", "-1", "+3", " 3", "3 ", "0x10", "4294967296", "99999999999", "3\x01"}) {
        content(std::string("model=") + stored + "\nTvMode=" + stored + "\n");
        std::uint16_t value = 5;
        EXPECT_FALSE(store().readModel(value)) << stored;
        EXPECT_EQ(value, 1);
        EXPECT_FALSE(store().readTvMode(value)) << stored;
        EXPECT_EQ(value, 0);
    }
}

TEST_F(FileStore, BinaryAndOversizedContentNeverCrash) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 37) & 0xFF);
    content(binary);
    std::uint16_t value = 0;
    EXPECT_TRUE(store(3).readLanguage(value));
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(store().readModel(value));

    const std::string big = std::string(FilePreferencesStore::kMaxSize + 10, 'x') + "\nmodel=5\n";
    content(big);
    EXPECT_FALSE(store().readModel(value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(store(3).readLanguage(value));
    EXPECT_EQ(value, 3);
    // Too large to be ours: somebody else's file is never replaced.
    EXPECT_FALSE(store().writeModel(5));
    EXPECT_FALSE(store().writeCompany());
    EXPECT_EQ(readText(path()), big);
}

// Start-up adds the company value to a store of ours just under the limit: grown past it, the
// store would read as somebody else's at every later start, its values lost and never saved.
TEST_F(FileStore, StartUpKeepsAStoreOfOursNearTheLimitReadable) {
    const std::string values = "language=3\nmodel=4\nTvMode=1\n";
    const std::string note = "# recent folders\n";
    const std::size_t fill = FilePreferencesStore::kMaxSize - 8 - values.size() - note.size();
    content(note + "recent=" + std::string(fill - 8, 'f') + "\n" + values);
    ASSERT_LT(std::filesystem::file_size(path()), FilePreferencesStore::kMaxSize);

    auto s = store();
    AppState first;
    startUp(first, s, kLangIdEnglishUs);
    EXPECT_EQ(first.modelId, 4);
    EXPECT_EQ(readText(path()), values + "Company=Quorvex Devices Co., Ltd\n");

    AppState second;
    startUp(second, s, kLangIdEnglishUs);
    EXPECT_EQ(second.languageId, 3);
    EXPECT_EQ(second.modelId, 4);
    EXPECT_EQ(second.tvMode, 1);
    EXPECT_TRUE(s.writeModel(6));
    std::uint16_t model = 0;
    EXPECT_TRUE(s.readModel(model));
    EXPECT_EQ(model, 6);
}

TEST_F(FileStore, AWriteThatWouldPassTheLimitKeepsOnlyTheValuesInUse) {
    // Reaching the limit exactly still keeps every line.
    const std::string start = "# note\nlanguage=3\nhistory=";
    const std::string full =
        start + std::string(FilePreferencesStore::kMaxSize - start.size() - 9, 'h') + "\n";
    content(full);
    EXPECT_TRUE(store().writeModel(4));
    EXPECT_EQ(readText(path()), full + "model=4\n");
    EXPECT_EQ(std::filesystem::file_size(path()), FilePreferencesStore::kMaxSize);

    // One byte more: the lines we do not use go; a value set by hand under another name is kept
    // when it is the one written.
    EXPECT_TRUE(store().editValue("window", std::string("12")));
    EXPECT_EQ(readText(path()), "language=3\nmodel=4\nwindow=12\n");

    // A value that no file within the limit can hold is refused, and the file stays as it was.
    EXPECT_FALSE(store().editValue("Company", std::string(FilePreferencesStore::kMaxSize, 'c')));
    EXPECT_EQ(readText(path()), "language=3\nmodel=4\nwindow=12\n");
}

TEST_F(FileStore, AByteOrderMarkDoesNotHideTheFirstValue) {
    content("\xEF\xBB\xBFmodel=7\nlanguage=4\n");
    std::uint16_t value = 0;
    EXPECT_TRUE(store().readModel(value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(store().writeLanguage(5));
    EXPECT_EQ(readText(path()), "model=7\nlanguage=5\n");
}

TEST_F(FileStore, CompanyPresenceAndBufferSize) {
    content("");
    EXPECT_FALSE(store().companyReadable());
    content("Company=Quorvex Devices Co., Ltd\n");
    EXPECT_TRUE(store().companyReadable());
    // 129 UTF-16 units and the terminator fill the 260-byte buffer; one more does not fit.
    content("Company=" + std::string(129, 'a') + "\n");
    EXPECT_TRUE(store().companyReadable());
    content("Company=" + std::string(130, 'a') + "\n");
    EXPECT_FALSE(store().companyReadable());
    // A character beyond U+FFFF takes a surrogate pair; a byte that is not UTF-8 takes one unit,
    // as in every edit of the program.
    std::string emoji;
    for (int i = 0; i < 64; ++i)
        emoji += "\xF0\x9F\x98\x80";
    content("Company=" + emoji + "a\n");
    EXPECT_TRUE(store().companyReadable());
    content("Company=" + emoji + "ab\n");
    EXPECT_FALSE(store().companyReadable());
    content("Company=" + std::string(129, '\x80') + "\n");
    EXPECT_TRUE(store().companyReadable());
    content("Company=" + std::string(130, '\x80') + "\n");
    EXPECT_FALSE(store().companyReadable());
}

TEST_F(FileStore, UnreadableStoreFailsEveryOperation) {
    std::filesystem::create_directory(path()); // a folder where the file should be
    auto s = store();
    std::uint16_t value = 42;
    EXPECT_FALSE(s.readLanguage(value));
    EXPECT_FALSE(s.readModel(value));
    EXPECT_FALSE(s.readTvMode(value));
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(s.companyReadable());
    EXPECT_FALSE(s.writeLanguage(1));
    EXPECT_FALSE(s.writeCompany());
    EXPECT_TRUE(std::filesystem::is_directory(path()));
}

TEST_F(FileStore, AStoreThatCannotBeCreatedStaysMissing) {
    writeText(m_dir.file("file"), "x");
    FilePreferencesStore s(m_dir.file("file/prefs"), 2); // its folder is a file
    std::uint16_t value = 42;
    EXPECT_FALSE(s.readLanguage(value));
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(s.writeLanguage(2));
}

TEST_F(FileStore, AWriteLeavesNoTemporaryFileBehind) {
    content("language=2\n");
    EXPECT_TRUE(store().writeTvMode(4));
    EXPECT_EQ(testing::folderEntries(m_dir.path()), std::vector<std::string>{"prefs"});
}

// Another program's edits: a value creates the store and its folders, removing one never does,
// so "store missing" and "store without this value" stay apart.
TEST_F(FileStore, EditsByHandCreateTheStoreOnlyToHoldAValue) {
    FilePreferencesStore nested(m_dir.file("a/b/prefs"), 2);
    EXPECT_TRUE(nested.editValue("language", std::nullopt));
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("a")));
    std::uint16_t value = 9;
    EXPECT_FALSE(nested.readLanguage(value)); // still missing: created now
    EXPECT_EQ(value, 9);

    EXPECT_TRUE(store().editValue("Company", std::string("Someone")));
    EXPECT_EQ(readText(path()), "Company=Someone\n");
    EXPECT_TRUE(store().editValue("model", std::string("25")));
    EXPECT_TRUE(store().editValue("Company", std::nullopt));
    EXPECT_TRUE(store().editValue("TvMode", std::nullopt));
    EXPECT_EQ(readText(path()), "model=25\n");
}

TEST(FileStoreLocation, EnvironmentChoosesThePath) {
    testing::setEnvironment("QUORVEX_PREFERENCES", "/x/y/prefs");
    EXPECT_EQ(FilePreferencesStore::defaultPath(), "/x/y/prefs");
    testing::unsetEnvironment("QUORVEX_PREFERENCES");
#ifdef _WIN32
    testing::setEnvironment("APPDATA", "C:\\Users\\ann\\AppData\\Roaming");
    EXPECT_EQ(FilePreferencesStore::defaultPath(),
              "C:\\Users\\ann\\AppData\\Roaming\\Quorvex\\preferences");
    GTEST_SKIP() << "Windows keeps the file under APPDATA; XDG_CONFIG_HOME and HOME are not read";
#endif
    testing::setEnvironment("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(FilePreferencesStore::defaultPath(), "/cfg/quorvex/preferences");
    testing::unsetEnvironment("XDG_CONFIG_HOME");
    testing::setEnvironment("HOME", "/home/ann");
    EXPECT_EQ(FilePreferencesStore::defaultPath(), "/home/ann/.config/quorvex/preferences");
}

TEST(ParseUint32, AcceptsExactlyUnsignedDecimals) {
    EXPECT_EQ(parseUint32("0"), 0u);
    EXPECT_EQ(parseUint32("4294967295"), 4294967295u);
    EXPECT_EQ(parseUint32("007"), 7u);
    EXPECT_EQ(parseUint32("4294967296"), std::nullopt);
    EXPECT_EQ(parseUint32(""), std::nullopt);
    EXPECT_EQ(parseUint32("1e3"), std::nullopt);
}

} // namespace
} // namespace quorvex
