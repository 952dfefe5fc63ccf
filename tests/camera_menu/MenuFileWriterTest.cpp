// SPDX-License-Identifier: MIT
#include "card/MenuFileWriter.h"
#include "core/OutputWriter.h"
#include "core/SettingsCrc16.h"

#include "support/Platform.h"
#include "support/RecordingMessages.h"
#include "support/ScratchMount.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvex {
namespace {

using testing::readBytes;
using testing::RecordingMessages;
using testing::TempDir;

constexpr MenuMessages kMessages{
    {"Camera menu configuration file is generated", "相机菜单设置文件已经生成"},
    {"Camera menu factory settings file has been generated", " 相机菜单出厂设置文件已经生成"}};

TEST(MenuFileWriter, WritesSixtyBytesAndTheConfigurationMessage) {
    TempDir dir;
    RecordingMessages out;
    CameraSettingsRecord record;
    record.set(0, 2);
    record.set(51, 1);
    EXPECT_TRUE(writeMenuFile(record, dir.path(), RecordKind::Configuration, kMessages, 2, out));
    const auto bytes = readBytes(dir.file("menu.dat"));
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[51], 1);
    const std::uint16_t crc = settingsCrc16(std::span(bytes).first(50));
    EXPECT_EQ(bytes[56], crc & 0xFF);
    EXPECT_EQ(bytes[57], crc >> 8);
    EXPECT_EQ(bytes[58], 13);
    EXPECT_EQ(bytes[59], 10);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Camera menu configuration file is generated\n" +
                                       dir.file("menu.dat")});
    ASSERT_EQ(out.written.size(), 1u);
    EXPECT_EQ(out.written[0].first, dir.file("menu.dat"));
}

TEST(MenuFileWriter, FactoryMessageInChineseKeepsItsLeadingSpace) {
    TempDir dir;
    RecordingMessages out;
    writeMenuFile({}, dir.path(), RecordKind::FactorySettings, kMessages, 1, out);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{" 相机菜单出厂设置文件已经生成\n" + dir.file("menu.dat")});
}

TEST(MenuFileWriter, ChineseCameraWithEnglishUiGetsTheEnglishMessage) {
    // Such a form passes LanguageId 2 for messages and writes 1 into byte 29.
    TempDir dir;
    RecordingMessages out;
    CameraSettingsRecord record;
    record.set(29, 1);
    writeMenuFile(record, dir.path(), RecordKind::Configuration, kMessages, 2, out);
    EXPECT_EQ(readBytes(dir.file("menu.dat"))[29], 1);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Camera menu configuration file is generated\n" +
                                       dir.file("menu.dat")});
}

TEST(MenuFileWriter, RepeatWritesAreIdenticalAndReplaceLongerFiles) {
    TempDir dir;
    testing::writeText(dir.file("menu.dat"), std::string(4096, 'z'));
    RecordingMessages out;
    CameraSettingsRecord record;
    record.set(7, 3);
    writeMenuFile(record, dir.path(), RecordKind::Configuration, kMessages, 2, out);
    const auto first = readBytes(dir.file("menu.dat"));
    writeMenuFile(record, dir.path(), RecordKind::Configuration, kMessages, 2, out);
    EXPECT_EQ(first.size(), 60u);
    EXPECT_EQ(readBytes(dir.file("menu.dat")), first);
    EXPECT_EQ(testing::folderEntries(dir.path()), std::vector<std::string>{"menu.dat"});
}

TEST(MenuFileWriter, MissingFolderIsReportedNotSkipped) {
    TempDir dir;
    RecordingMessages out;
    const std::string folder = dir.file("gone");
    EXPECT_FALSE(writeMenuFile({}, folder, RecordKind::Configuration, kMessages, 2, out));
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Cannot write " + outputFilePath(folder, "menu.dat") + ": " +
                                       testing::missingFolderReason()});
    EXPECT_TRUE(out.written.empty());
}

TEST(MenuFileWriter, AnEmptyFolderNeverMeansTheRoot) {
    RecordingMessages out;
    EXPECT_FALSE(writeMenuFile({}, "", RecordKind::Configuration, kMessages, 2, out));
    EXPECT_FALSE(writeMenuFile({}, "", RecordKind::Configuration, kMessages, 1, out));
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Cannot write menu.dat: no folder chosen",
                                                      "无法写入 menu.dat：未选择文件夹"}));
    EXPECT_TRUE(out.written.empty());
    EXPECT_FALSE(std::filesystem::exists("/menu.dat"));
}

TEST(MenuFileWriter, ReadOnlyCardIsReportedAndKeepsTheOldFile) {
    testing::ScratchMount card(32 * 1024);
    if (!card.mounted()) {
        if (testing::runningAsRoot())
            GTEST_SKIP() << "cannot mount a tmpfs here";
        TempDir dir;
        testing::writeText(dir.file("menu.dat"), "old");
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
        RecordingMessages out;
        EXPECT_FALSE(writeMenuFile({}, dir.path(), RecordKind::Configuration, kMessages, 2, out));
        EXPECT_EQ(testing::readText(dir.file("menu.dat")), "old");
        return;
    }
    testing::writeText(card.file("menu.dat"), "old");
    ASSERT_TRUE(card.makeReadOnly());
    RecordingMessages out;
    EXPECT_FALSE(writeMenuFile({}, card.path(), RecordKind::Configuration, kMessages, 1, out));
    // A warning, with the hint about the card's lock on its second line.
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(out.warnings, std::vector<std::string>{"无法写入 " + card.file("menu.dat") +
                                                     "：Read-only file system\n" +
                                                     std::string(kWriteProtectedHint.chinese)});
    EXPECT_EQ(testing::readText(card.file("menu.dat")), "old");
}

} // namespace
} // namespace quorvex
