// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexP4Menu.h"

#include "FormHarness.h"

#include <gtest/gtest.h>

namespace quorvex::testing {
namespace {

using camera_menu::CQuorvexP4Menu;
using Action = std::function<void(ui::MemoryHost&, CQuorvexP4Menu&)>;

int selected(ui::MemoryHost& host, int id) {
    return host.controlState(id)->selected;
}
std::string text(ui::MemoryHost& host, int id) {
    return host.controlState(id)->text;
}

// The reset pattern every P4 "Default" writes.
// clang-format off
const std::array<std::uint8_t, 56> kResetPattern{
    255, 255, 255, 255, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 1, 0,
    0, 0, 0, 0, 0, 0};
// clang-format on

TEST(P4CameraMenu, UnchangedFormWritesDefaultsThenTheResetPattern) {
    FormHarness h(4);
    std::vector<std::uint8_t> generated;
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        EXPECT_EQ(host.title(), "Quorvex P4");
        h.chooseFolder(host);
        host.userClick(1);
        generated = h.written();
        host.userClick(1062);
    }));
    // clang-format off
    const std::array<std::uint8_t, 56> defaults{
        0, 0, 1, 0, 9, 0, 1, 0, 0, 1,    // mode, 12MP, 1280x720, 1 photo, 10 s, stamp on, 1 min, normal,
                                         // timer 1 off, side PIR on
        1, 0, 0, 0, 14, 5, 6, 13, 45, 9, // time lapse off, clock 2024-05-06 13:45:09
        0, 0, 0, 0, 0, 0, 0, 0, 0, 2,    // timer 1, serial off "0000", English
        0, 1, 0, 0, 0, 0, 0, 0, 0, 0,    // TV mode, beep on, SD cycle off, timer 2 off
        0, 0, 0, 0, 0, 0, 0, 0, 1, 0,    // date format MMDDYY
        0, 0, 0, 0, 0, 0};               // no copy of side PIR
    // clang-format on
    EXPECT_EQ(generated, sealed(defaults));
    const auto factory = h.written();
    EXPECT_EQ(factory, sealed(kResetPattern));
    ASSERT_EQ(factory.size(), 60u);
    EXPECT_EQ(factory[56], 0xA1);
    EXPECT_EQ(factory[57], 0xBB);
    EXPECT_EQ(h.messages(),
              (std::vector<std::string>{"Configuration file is generated",
                                        "Camera menu factory settings file has been generated"}));
}

TEST(P4CameraMenu, OpeningHidesThePirDirRowAndSpreadsTheGrid) {
    FormHarness h(7);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        EXPECT_EQ(host.title(), "Quorvex P5");
        for (int id : {1077, 1053, 1054})
            EXPECT_FALSE(host.controlState(id)->visible) << id;
        const std::vector<std::pair<int, int>> moved{
            {1065, 10}, {1004, 10}, {1013, 10}, {1066, 10}, {1014, 10}, {1067, 14}, {1016, 14},
            {1069, 18}, {1027, 18}, {1071, 22}, {1002, 22}, {1144, 22}, {1073, 26}, {1029, 26},
            {1003, 26}, {1075, 26}, {1074, 30}, {1042, 30}, {1076, 30}, {1046, 30}};
        for (const auto& [id, dy] : moved)
            EXPECT_EQ(host.offset(id), (std::pair{0, dy})) << id;
        for (int id : {1082, 1030, 1025, 1052, 1064, 1})
            EXPECT_EQ(host.offset(id), (std::pair{0, 0})) << id;
        for (int id : {1038, 1039, 1040, 1017, 1022, 1023, 1024, 1048, 1049, 1050, 1051})
            EXPECT_TRUE(host.controlState(id)->readOnly) << id;
        for (int id : {1034, 1035, 1036, 1037})
            EXPECT_FALSE(host.controlState(id)->enabled) << id;
        EXPECT_EQ(text(host, 1047), "Timer2");
        EXPECT_EQ(text(host, 1045), "SD Cycle");
        EXPECT_EQ(text(host, 1041), "Beep Sound");
    }));
}

TEST(P4CameraMenu, VideoLengthAndIntervalBytes) {
    FormHarness h(4);
    std::vector<int> length, interval;
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        h.chooseFolder(host);
        for (const char* typed : {"1", "60"}) {
            host.userType(1002, typed);
            host.userClick(1);
            length.push_back(h.written().at(4));
        }
        host.userType(1002, "0");
        EXPECT_EQ(text(host, 1002), "10");
        host.userType(1002, "61");
        EXPECT_EQ(text(host, 1002), "10");
        host.userSelect(1029, 0);
        for (const char* typed : {"0", "45"}) {
            host.userType(1003, typed);
            host.userClick(1);
            interval.push_back(h.written().at(6));
        }
        host.userSelect(1029, 1);
        host.userType(1003, "60");
        host.userClick(1);
        interval.push_back(h.written().at(6));
    }));
    EXPECT_EQ(length, (std::vector<int>{0, 59}));
    EXPECT_EQ(interval, (std::vector<int>{128, 173, 60}));
    const auto messages = h.messages();
    ASSERT_GE(messages.size(), 4u);
    EXPECT_EQ(messages[2], "Please enter an integer between 1 and 60!");
    EXPECT_EQ(messages[3], "Please enter an integer between 1 and 60!");
}

TEST(P4CameraMenu, SwitchesStoreTheirListPosition) {
    FormHarness h(4);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        h.chooseFolder(host);
        for (int id : {1025, 1052, 1032, 1042, 1046, 1028})
            host.userSelect(id, 1); // On
        host.userSelect(1026, 0);   // Time Stamp On
        host.userSelect(1033, 0);   // Time Lapse On
        host.userClick(1);
    }));
    const auto bytes = h.written();
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes[5], 0);  // time stamp on
    EXPECT_EQ(bytes[10], 0); // time lapse on
    for (int at : {8, 9, 24, 31, 32, 33})
        EXPECT_EQ(bytes[at], 1) << at;
    EXPECT_EQ(bytes[51], 0);
}

TEST(P4CameraMenu, SwitchesGovernTheirFields) {
    FormHarness h(4);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        host.userSelect(1052, 1);
        for (int id : {1048, 1049, 1050, 1051})
            EXPECT_FALSE(host.controlState(id)->readOnly) << id;
        host.userSelect(1033, 0);
        for (int id : {1038, 1039, 1040})
            EXPECT_FALSE(host.controlState(id)->readOnly) << id;
        host.userSelect(1033, 1);
        for (int id : {1038, 1039, 1040})
            EXPECT_TRUE(host.controlState(id)->readOnly) << id;
        host.userSelect(1032, 1);
        for (int id : {1034, 1035, 1036, 1037})
            EXPECT_TRUE(host.controlState(id)->enabled) << id;
        EXPECT_TRUE(host.controlState(1017)->readOnly); // timer 1 still Off
    }));
}

TEST(P4CameraMenu, Timer2StartHourAbove23BecomesZero) {
    FormHarness h(4);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu& form) {
        host.userSelect(1052, 1);
        host.userType(1048, "30");
        EXPECT_EQ(text(host, 1048), "0");
        EXPECT_EQ(form.heldNumber(1048), 0);
        EXPECT_EQ(host.focus(), 1048);
    }));
    EXPECT_EQ(h.messages(), std::vector<std::string>{"Please enter an integer between 0 and 23!"});
}

TEST(P4CameraMenu, TimesAreWrittenWhileTheirSwitchIsOff) {
    FormHarness h(4);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        h.chooseFolder(host);
        host.userSelect(1025, 1);
        host.userType(1017, "17");
        host.userType(1022, "30");
        host.userType(1023, "6");
        host.userType(1024, "5");
        host.userSelect(1052, 1);
        host.userType(1048, "1");
        host.userType(1049, "2");
        host.userType(1050, "3");
        host.userType(1051, "4");
        host.userSelect(1033, 0);
        host.userType(1038, "23");
        host.userType(1039, "59");
        host.userType(1040, "58");
        host.userSelect(1025, 0);
        host.userSelect(1052, 0);
        host.userSelect(1033, 1);
        host.userClick(1);
    }));
    const auto bytes = h.written();
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(std::vector<int>(bytes.begin() + 8, bytes.begin() + 14),
              (std::vector<int>{0, 1, 1, 23, 59, 58}));
    EXPECT_EQ(std::vector<int>(bytes.begin() + 20, bytes.begin() + 24),
              (std::vector<int>{17, 30, 6, 5}));
    EXPECT_EQ(std::vector<int>(bytes.begin() + 33, bytes.begin() + 38),
              (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(h.messages(), std::vector<std::string>{"Configuration file is generated"});
}

TEST(P4CameraMenu, DefaultSelectsSidePirByModelAndKeepsSdCycle) {
    for (const auto& [model, sidePir] :
         {std::pair{2, 1}, std::pair{4, 1}, std::pair{7, 1}, std::pair{10, 0}}) {
        FormHarness h(model);
        h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu& form) {
            h.chooseFolder(host);
            host.userSelect(1028, 1 - sidePir);
            host.userSelect(1046, 1);
            host.userSelect(1015, 2);
            host.userSelect(1044, 0);
            host.userSelect(1025, 1);
            host.userType(1022, "44");
            host.userType(1002, "33");
            host.userClick(1062);
            EXPECT_EQ(selected(host, 1028), sidePir) << model;
            EXPECT_EQ(selected(host, 1046), 1) << model;
            EXPECT_EQ(selected(host, 1015), 1);
            EXPECT_EQ(selected(host, 1044), 1);
            EXPECT_EQ(text(host, 1022), "0");
            EXPECT_EQ(text(host, 1002), "10");
            EXPECT_EQ(form.heldNumber(1022), 0);
            EXPECT_TRUE(host.controlState(1022)->readOnly);
        }));
        EXPECT_EQ(h.written(), sealed(kResetPattern)) << model;
        EXPECT_EQ(h.messages().back(), "Camera menu factory settings file has been generated");
    }
}

TEST(P4CameraMenu, ChineseFactoryMessageHasNoLeadingSpace) {
    FormHarness h(4, kChinese);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        EXPECT_EQ(text(host, 1041), "按键音");
        h.chooseFolder(host);
        host.userClick(1);
        host.userClick(1062);
    }));
    EXPECT_EQ(h.messages(), (std::vector<std::string>{"相机菜单设置文件已经生成",
                                                      "相机菜单出厂设置文件已经生成"}));
}

TEST(P4CameraMenu, GenerateAndDefaultWriteIntoTheTypedFolderAtOnce) {
    FormHarness h(4);
    TempDir typed;
    TempDir other;
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu& form) {
        h.chooseFolder(host);
        host.userClear(1064);
        host.userType(1064, typed.path());
        host.userClick(1); // the folder the edit shows, never the one held before
        EXPECT_FALSE(std::filesystem::exists(h.file()));
        EXPECT_TRUE(std::filesystem::exists(typed.file("menu.dat")));
        EXPECT_EQ(form.heldText(1064), typed.path());
        host.userClear(1064);
        host.userType(1064, other.path());
        host.userClick(1062);
        EXPECT_FALSE(std::filesystem::exists(h.file()));
    }));
    EXPECT_EQ(readBytes(typed.file("menu.dat")).at(0), 0);
    EXPECT_EQ(readBytes(other.file("menu.dat")), sealed(kResetPattern));
}

TEST(P4CameraMenu, TypedFolderAfterANumberChangeIsUsed) {
    FormHarness h(4);
    TempDir typed;
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        h.chooseFolder(host);
        host.userClear(1064);
        host.userType(1064, typed.path());
        host.userType(1002, "12");
        host.userClick(1);
    }));
    EXPECT_EQ(readBytes(typed.file("menu.dat")).at(4), 11);
    EXPECT_FALSE(std::filesystem::exists(h.file()));
}

TEST(P4CameraMenu, RecordCarriesTheLastClockReadingNotTheClick) {
    FormHarness h(4);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        h.chooseFolder(host);
        host.fixClock({2030, 1, 1, 0, 0, 0});
        host.userClick(1);
        EXPECT_EQ(h.written().at(14), 14);
        host.userClick(1031);
        EXPECT_EQ(text(host, 1030), "01/01/2030 00:00:00");
        host.fixClock({2031, 2, 2, 2, 2, 2});
        host.userClick(1);
    }));
    const auto bytes = h.written();
    EXPECT_EQ(std::vector<int>(bytes.begin() + 14, bytes.begin() + 20),
              (std::vector<int>{20, 1, 1, 0, 0, 0}));
}

// A number that failed its range in another field's pass is held as typed; Generate writes what
// the form holds.
TEST(P4CameraMenu, ValueTakenOverByAnotherFieldsPassIsCorrectedBeforeItIsWritten) {
    FormHarness h(4);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu& form) {
        h.chooseFolder(host);
        host.userSelect(1033, 0);
        host.userClear(1002);
        host.userType(1038, "30"); // each keystroke's pass stops at the empty video length
        EXPECT_EQ(form.heldNumber(1038), 0);
        host.userType(1002, "5"); // this pass reaches 1038, takes 30 over and corrects it
        EXPECT_EQ(form.heldNumber(1038), 0);
        EXPECT_EQ(host.controlState(1038)->text, "0");
        EXPECT_EQ(host.focus(), 1038);
        host.userClick(1);
    }));
    EXPECT_EQ(h.messages(),
              (std::vector<std::string>{"Please enter an integer.", "Please enter an integer.",
                                        "Please enter an integer.",
                                        "Please enter an integer between 0 and 23!",
                                        "Configuration file is generated"}));
    EXPECT_EQ(h.written().at(11), 0); // never an hour of 30 on the camera
    EXPECT_EQ(h.written().at(4), 4);
}

TEST(P4CameraMenu, EnterGeneratesAndEscLeaves) {
    FormHarness h(4);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexP4Menu&) {
        h.chooseFolder(host);
        host.userKey(ui::Key::Enter);
        EXPECT_TRUE(host.hasWindow());
        host.userKey(ui::Key::Esc);
    }));
    const auto lines = h.lines();
    EXPECT_EQ(lines.front(), "window CQuorvexP4Menu \"Quorvex P4\"");
    EXPECT_EQ(lines.back(), "closed CQuorvexP4Menu");
    EXPECT_EQ(h.written().size(), 60u);
}

} // namespace
} // namespace quorvex::testing
