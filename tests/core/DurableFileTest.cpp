// SPDX-License-Identifier: MIT
#include "core/DurableFile.h"
#include "core/OutputWriter.h"
#include "core/SystemText.h"

#include "support/Platform.h"
#include "support/RecordingMessages.h"
#include "support/ScratchMount.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace quorvex {
namespace {

using testing::folderEntries;
using testing::readBytes;
using testing::readText;
using testing::ScratchMount;
using testing::TempDir;
using testing::writeText;

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(DurableFile, ReplacesTheWholeFileAndLeavesNothingElse) {
    TempDir dir;
    writeText(dir.file("menu.dat"), std::string(500, 'x'));
    const auto data = bytesOf("new content");
    EXPECT_TRUE(writeFileDurably(dir.file("menu.dat"), data).ok);
    EXPECT_EQ(readBytes(dir.file("menu.dat")), data);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"menu.dat"});
}

// Card folders are named in every language; Windows must not see them through its ANSI code page.
TEST(DurableFile, FoldersWithNamesBeyondAsciiAreWrittenAndCleanedUp) {
    TempDir dir;
    const std::string folder = dir.file("Kamera Südhang 林道 №2");
    ASSERT_TRUE(std::filesystem::create_directory(pathFromUtf8(folder)));
    const std::string target = outputFilePath(folder, "menu.dat");
    EXPECT_TRUE(writeFileDurably(target, bytesOf("first")).ok);
    EXPECT_TRUE(writeFileDurably(target, bytesOf("second")).ok);
    EXPECT_EQ(readBytes(target), bytesOf("second"));
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"menu.dat"});
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"Kamera Südhang 林道 №2"});
    EXPECT_TRUE(removeIfPresent(target));
    EXPECT_TRUE(folderEntries(folder).empty());
}

TEST(DurableFile, MissingFolderGivesTheSystemsReason) {
    TempDir dir;
    const auto outcome = writeFileDurably(dir.file("nope/menu.dat"), bytesOf("x"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, testing::missingFolderReason());
    EXPECT_FALSE(outcome.refused); // a wrong path, not a locked card
}

TEST(DurableFile, ALinkInTheFolderIsReplacedNotFollowed) {
    QUORVEX_SKIP_WITHOUT_LINKS();
    TempDir dir;
    writeText(dir.file("victim"), "keep me");
    std::filesystem::create_symlink(dir.file("victim"), dir.file("menu.dat"));
    EXPECT_TRUE(writeFileDurably(dir.file("menu.dat"), bytesOf("data")).ok);
    EXPECT_EQ(readText(dir.file("victim")), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("menu.dat")));
    EXPECT_EQ(readText(dir.file("menu.dat")), "data");
}

TEST(DurableFile, AFolderNamedLikeTheFileIsAnError) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("menu.dat"));
    EXPECT_FALSE(writeFileDurably(dir.file("menu.dat"), bytesOf("x")).ok);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"menu.dat"});
}

TEST(DurableFile, VeryLongPathsAreRefusedNotTruncated) {
    TempDir dir;
    const std::string longName(300, 'n');
    const auto outcome = writeFileDurably(dir.file(longName + "/menu.dat"), bytesOf("x"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{});
}

TEST(DurableFile, DeepPathsWellBeyondAHundredCharactersWork) {
    TempDir dir;
    std::string folder = dir.path();
    for (int i = 0; i < 6; ++i)
        folder += "/" + std::string(40, static_cast<char>('a' + i));
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(writeFileDurably(folder + "/menu.dat", bytesOf("x")).ok);
    EXPECT_EQ(readText(folder + "/menu.dat"), "x");
}

TEST(DurableFile, FullDiskKeepsTheOldFile) {
    ScratchMount card(16 * 1024);
    if (!card.mounted())
        GTEST_SKIP() << "needs root to mount a tiny tmpfs";
    writeText(card.file("menu.dat"), "old");
    const std::vector<std::uint8_t> big(64 * 1024, 7);
    const auto outcome = writeFileDurably(card.file("menu.dat"), big);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, "No space left on device");
    EXPECT_EQ(readText(card.file("menu.dat")), "old");
    EXPECT_EQ(folderEntries(card.path()), std::vector<std::string>{"menu.dat"});
}

TEST(DurableFile, ReadOnlyCardIsReported) {
    ScratchMount card(16 * 1024);
    if (!card.mounted())
        GTEST_SKIP() << "needs root to mount a tiny tmpfs";
    writeText(card.file("menu.dat"), "old");
    ASSERT_TRUE(card.makeReadOnly());
    const auto outcome = writeFileDurably(card.file("menu.dat"), bytesOf("new"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.reason, "Read-only file system");
    EXPECT_TRUE(outcome.refused);
    EXPECT_EQ(readText(card.file("menu.dat")), "old");
    const WriteOutcome removed = removeEntry(card.file("menu.dat"));
    EXPECT_FALSE(removed.ok);
    EXPECT_TRUE(removed.refused);
}

TEST(DurableFile, RemoveIfPresentRemovesLinksNotTargets) {
    QUORVEX_SKIP_WITHOUT_LINKS();
    TempDir dir;
    writeText(dir.file("victim"), "keep");
    std::filesystem::create_symlink(dir.file("victim"), dir.file("mms.dat"));
    EXPECT_TRUE(removeIfPresent(dir.file("mms.dat")));
    EXPECT_TRUE(removeIfPresent(dir.file("mms.dat"))); // nothing there is fine
    EXPECT_EQ(readText(dir.file("victim")), "keep");
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"victim"});
}

TEST(OutputPath, JoinsWithoutLookingAtTheEnd) {
#ifdef _WIN32
    // "C:\\" gives "C:\\\\menu.dat", which Windows reads as "C:\\menu.dat".
    EXPECT_EQ(outputFilePath("E:\\", "menu.dat"), "E:\\\\menu.dat");
    EXPECT_EQ(outputFilePath("E:\\DCIM", "menu.dat"), "E:\\DCIM\\menu.dat");
    GTEST_SKIP() << "Windows joins with a backslash";
#endif
    EXPECT_EQ(outputFilePath("/media/card", "menu.dat"), "/media/card/menu.dat");
    EXPECT_EQ(outputFilePath("/media/card/", "menu.dat"), "/media/card//menu.dat");
    EXPECT_EQ(outputFilePath("", "smtp.dat"), "/smtp.dat");
}

TEST(OutputWriter, SuccessIsToldOnlyAfterTheFileIsComplete) {
    TempDir dir;
    testing::RecordingMessages out;
    EXPECT_TRUE(writeOutputFile(dir.file("a.dat"), bytesOf("abc"), "done", 2, out));
    ASSERT_EQ(out.written.size(), 1u);
    EXPECT_EQ(out.written[0].second, 3u);
    // The success text, then where the file went.
    EXPECT_EQ(out.messages, std::vector<std::string>{"done\n" + dir.file("a.dat")});
}

TEST(OutputWriter, FailureNamesThePathAndReasonInTheMessageLanguage) {
    TempDir dir;
    testing::RecordingMessages out;
    const std::string path = dir.file("missing/a.dat");
    EXPECT_FALSE(writeOutputFile(path, bytesOf("abc"), "done", 2, out));
    EXPECT_FALSE(writeOutputFile(path, bytesOf("abc"), "done", 1, out));
    EXPECT_TRUE(out.written.empty());
    ASSERT_EQ(out.messages.size(), 2u);
    EXPECT_EQ(out.messages[0], "Cannot write " + path + ": " + testing::missingFolderReason());
    EXPECT_EQ(out.messages[1], "无法写入 " + path + "：" + testing::missingFolderReason());
}

TEST(FormatPercentS, FillsInOrderAndKeepsOtherPercents) {
    EXPECT_EQ(formatPercentS("%s: %s", {"a", "b"}), "a: b");
    EXPECT_EQ(formatPercentS("100% %s %s", {"x"}), "100% x %s");
}

} // namespace
} // namespace quorvex
