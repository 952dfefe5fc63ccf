// SPDX-License-Identifier: MIT
#include "card/ScrambledSettingsFile.h"
#include "card/MmsFileWriter.h"
#include "core/OutputWriter.h"

#include "support/Platform.h"
#include "support/RecordingMessages.h"
#include "support/ScratchMount.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::folderEntries;
using testing::readText;
using testing::RecordingMessages;
using testing::ScratchMount;
using testing::TempDir;
using testing::writeText;

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

MmsTexts someTexts() {
    MmsTexts texts;
    texts.phoneNo = "13912345678";
    texts.email = "someone@example.com";
    return texts;
}

constexpr std::string_view kSuccess =
    "MMS configuration file (URL|APN|Gateway|Port ...) has been generated";

// Fills the card to the last page, so no further file can get a block.
bool fillUp(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const std::vector<char> block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

TEST(ScrambledSettingsFile, ReadOnlyCardKeepsTheOldFiles) {
    ScratchMount card(64 * 1024);
    if (!card.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here";
    writeText(card.file("setup.dat"), "old settings");
    ASSERT_TRUE(card.makeReadOnly());
    RecordingMessages out;
    EXPECT_FALSE(MmsFileWriter::write(card.path(), {}, someTexts(), kEnglish, out).written);
    EXPECT_EQ(out.warnings, std::vector<std::string>{"Cannot write " + card.file("setup.dat") +
                                                     ": Read-only file system\n" +
                                                     std::string(kWriteProtectedHint.english)});
    EXPECT_TRUE(out.written.empty());
    EXPECT_EQ(readText(card.file("setup.dat")), "old settings");
    EXPECT_EQ(folderEntries(card.path()), std::vector<std::string>{"setup.dat"});
}

TEST(ScrambledSettingsFile, ReadOnlyCardWithAWorkingFileStopsBeforeTheSettingsFile) {
    ScratchMount card(64 * 1024);
    if (!card.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here";
    writeText(card.file("setup.dat"), "old settings");
    writeText(card.file("mms.dat"), "old working file");
    ASSERT_TRUE(card.makeReadOnly());
    RecordingMessages out;
    EXPECT_FALSE(MmsFileWriter::write(card.path(), {}, someTexts(), kChinese, out).written);
    EXPECT_EQ(out.warnings, std::vector<std::string>{"无法写入 " + card.file("mms.dat") +
                                                     "：Read-only file system\n" +
                                                     std::string(kWriteProtectedHint.chinese)});
    EXPECT_EQ(readText(card.file("setup.dat")), "old settings");
    EXPECT_EQ(readText(card.file("mms.dat")), "old working file");
}

TEST(ScrambledSettingsFile, FullCardKeepsTheOldFileAndLeavesNoTemporary) {
    ScratchMount card(64 * 1024);
    if (!card.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here";
    writeText(card.file("setup.dat"), "old settings");
    ASSERT_TRUE(fillUp(card.file("filler")));
    RecordingMessages out;
    EXPECT_FALSE(MmsFileWriter::write(card.path(), {}, someTexts(), kEnglish, out).written);
    EXPECT_EQ(out.messages, std::vector<std::string>{"Cannot write " + card.file("setup.dat") +
                                                     ": No space left on device"});
    EXPECT_EQ(readText(card.file("setup.dat")), "old settings");
    EXPECT_EQ(sorted(folderEntries(card.path())),
              (std::vector<std::string>{"filler", "setup.dat"}));

    // Once there is room again the same call completes.
    ASSERT_TRUE(fs::remove(card.file("filler")));
    RecordingMessages again;
    EXPECT_TRUE(MmsFileWriter::write(card.path(), {}, someTexts(), kEnglish, again).written);
    EXPECT_EQ(fs::file_size(card.file("setup.dat")), 720u);
    EXPECT_EQ(again.messages,
              std::vector<std::string>{std::string(kSuccess) + "\n" + card.file("setup.dat")});
}

TEST(ScrambledSettingsFile, AnEmptyFolderTouchesNothingAtTheRoot) {
    RecordingMessages out;
    const auto outcome = MmsFileWriter::write("", MmsHeaderValues{}, someTexts(), 2, out);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(out.messages, std::vector<std::string>{"Cannot write setup.dat: no folder chosen"});
    EXPECT_TRUE(out.written.empty());
}

TEST(ScrambledSettingsFile, MissingFolderIsReported) {
    TempDir dir;
    const std::string folder = dir.file("gone");
    RecordingMessages out;
    EXPECT_FALSE(MmsFileWriter::write(folder, {}, someTexts(), kEnglish, out).written);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Cannot write " + outputFilePath(folder, "setup.dat") +
                                       ": " + testing::missingFolderReason()});
}

TEST(ScrambledSettingsFile, WorkingFileIsGoneAfterwards) {
    TempDir dir;
    writeText(dir.file("mms.dat"), std::string(3000, 'w'));
    RecordingMessages out;
    EXPECT_TRUE(MmsFileWriter::write(dir.path(), {}, someTexts(), kEnglish, out).written);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"setup.dat"});
}

TEST(ScrambledSettingsFile, WorkingFileLinkIsRemovedNotFollowed) {
    QUORVEX_SKIP_WITHOUT_LINKS();
    TempDir dir;
    TempDir elsewhere;
    writeText(elsewhere.file("precious"), "keep me");
    fs::create_symlink(elsewhere.file("precious"), dir.file("mms.dat"));
    fs::create_symlink(elsewhere.file("missing"), dir.file("dangling"));
    RecordingMessages out;
    EXPECT_TRUE(MmsFileWriter::write(dir.path(), {}, someTexts(), kEnglish, out).written);
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir.file("mms.dat"))));
    EXPECT_EQ(readText(elsewhere.file("precious")), "keep me");

    fs::rename(dir.file("dangling"), dir.file("mms.dat"));
    EXPECT_TRUE(MmsFileWriter::write(dir.path(), {}, someTexts(), kEnglish, out).written);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"setup.dat"});
    EXPECT_EQ(folderEntries(elsewhere.path()), std::vector<std::string>{"precious"});
}

TEST(ScrambledSettingsFile, PlantedLinkIsReplacedNotWrittenThrough) {
    QUORVEX_SKIP_WITHOUT_LINKS();
    TempDir dir;
    TempDir elsewhere;
    writeText(elsewhere.file("precious"), "keep me");
    fs::create_symlink(elsewhere.file("precious"), dir.file("setup.dat"));
    RecordingMessages out;
    EXPECT_TRUE(MmsFileWriter::write(dir.path(), {}, someTexts(), kEnglish, out).written);
    EXPECT_FALSE(fs::is_symlink(dir.file("setup.dat")));
    EXPECT_EQ(fs::file_size(dir.file("setup.dat")), 720u);
    EXPECT_EQ(readText(elsewhere.file("precious")), "keep me");
}

TEST(ScrambledSettingsFile, WorkingFileThatCannotBeRemovedStopsTheGeneration) {
    TempDir dir;
    writeText(dir.file("setup.dat"), "old settings");
    fs::create_directory(dir.file("mms.dat"));
    RecordingMessages out;
    EXPECT_FALSE(MmsFileWriter::write(dir.path(), {}, someTexts(), kEnglish, out).written);
    const std::string expected =
        "Cannot write " + dir.file("mms.dat") + ": " + testing::folderInTheWayReason();
#ifdef _WIN32
    // Windows says "Access denied" for a folder in the way, as for a locked one: the warning with
    // the hint that the folder may not be writable.
    ASSERT_EQ(out.warnings.size(), 1u);
    EXPECT_EQ(out.warnings[0].substr(0, out.warnings[0].find('\n')), expected);
#else
    EXPECT_EQ(out.messages, std::vector<std::string>{expected});
#endif
    EXPECT_EQ(readText(dir.file("setup.dat")), "old settings");
}

TEST(ScrambledSettingsFile, ChecksumRecordIsTheStoredCrcPlusTheAddend) {
    PlainRecords plain{};
    for (auto& record : plain)
        record = emptyRecord();
    plain[3] = textRecord("gateway");
    const SettingsFileBytes withoutAddend = assembleSettingsFile(plain, 0);
    const SettingsFileBytes withAddend = assembleSettingsFile(plain, 0xFFFF); // wraps to crc - 1
    EXPECT_TRUE(std::equal(withoutAddend.begin(), withoutAddend.begin() + 716, withAddend.begin()));
    const unsigned crc = withoutAddend[716] | (withoutAddend[717] << 8);
    const unsigned wrapped = withAddend[716] | (withAddend[717] << 8);
    EXPECT_EQ(wrapped, (crc + 0xFFFF) & 0xFFFF);
    for (std::size_t i = 660; i < 716; ++i)
        EXPECT_EQ(withAddend[i], 0) << i;
    EXPECT_EQ(withAddend[718], 13);
    EXPECT_EQ(withAddend[719], 10);
}

} // namespace
} // namespace quorvex
