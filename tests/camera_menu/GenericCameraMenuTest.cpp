// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexCameraMenu.h"

#include "FormHarness.h"
#include "card/RecordLayouts.h"
#include "core/DurableFile.h"
#include "support/Platform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvex::testing {
namespace {

using camera_menu::CQuorvexCameraMenu;
using Action = std::function<void(ui::MemoryHost&, CQuorvexCameraMenu&)>;

std::vector<std::string> items(ui::MemoryHost& host, int id) {
    return host.controlState(id)->items;
}
int selected(ui::MemoryHost& host, int id) {
    return host.controlState(id)->selected;
}
std::string text(ui::MemoryHost& host, int id) {
    return host.controlState(id)->text;
}

TEST(GenericCameraMenu, UnchangedFormWritesDefaultsThenTheFactoryRecord) {
    FormHarness h(3);
    h.state().tvMode = 0x0101;
    std::vector<std::uint8_t> generated;
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        h.chooseFolder(host);
        host.userClick(1);
        generated = h.written();
        host.userClick(1062);
    }));
    // Clock 2024-05-06 13:45:09 read when the form was created; English; TV mode low byte 1.
    // clang-format off
    const std::array<std::uint8_t, 56> defaults{
        0, 0, 0, 0, 9, 0, 1, 0, 0, 1,    // mode, 5MP, 640x480, 1 photo, 10 s, stamp on, 1 min, normal,
                                         // timer 1 off, side PIR on
        1, 0, 0, 0, 14, 5, 6, 13, 45, 9, // time lapse off, clock
        0, 0, 0, 0, 0, 0, 0, 0, 0, 2,    // timer 1, serial off "0000", English
        1, 0, 0, 0, 0, 0, 0, 0, 0, 0,    // TV mode, timer 2, no SD cycle for the K4
        0, 0, 0, 0, 0, 0, 0, 0, 1, 0,    // date format MMDDYY
        0, 1, 0, 0, 0, 0};               // copy of side PIR
    // clang-format on
    EXPECT_EQ(generated, sealed(defaults));
    // clang-format off
    const std::array<std::uint8_t, 56> factory{
        0, 1, 1, 0, 9, 0, 1, 0, 0, 1,    // "Default" selects 12MP and 320x240 for the K4
        1, 0, 0, 0, 14, 5, 6, 13, 45, 9,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 2,
        1, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 1, 0,
        0, 1, 0, 0, 0, 0};
    // clang-format on
    EXPECT_EQ(h.written(), sealed(factory));
    // What the form writes for "Default" is what the readers take for the factory record.
    EXPECT_TRUE(isFactoryRecord(menuLayout(MenuLayoutId::GenericK4), h.written()));
    EXPECT_FALSE(isFactoryRecord(menuLayout(MenuLayoutId::GenericK4), generated));
    EXPECT_EQ(h.messages(),
              (std::vector<std::string>{"Camera menu configuration file is generated",
                                        "Camera menu factory settings file has been generated"}));
}

TEST(GenericCameraMenu, ListsFollowTheModel) {
    struct Case {
        int model;
        std::vector<std::string> images;
        int image;
        std::vector<std::string> videos;
        int video;
        std::size_t modes;
        std::string title;
    };
    const std::vector<Case> cases{
        {1, {"5MP", "12MP", "1.3MP"}, 0, {"640x480", "320x240"}, 0, 3, "Quorvex K4"},
        {5, {"12MP", "5MP", "1.3MP"}, 0, {"1280x720", "640x480", "320x240"}, 0, 3, "Quorvex K5"},
        {16,
         {"5MP", "12MP", "1.3MP"},
         1,
         {"1920x1080", "1280x720", "640x480", "320x240"},
         1,
         3,
         "Quorvex K5 1080P"},
        {0, {"5MP", "12MP", "1.3MP"}, 1, {"640x480", "320x240"}, 0, 2, "Quorvex"},
        {42, {"5MP", "12MP", "1.3MP"}, 1, {"640x480", "320x240"}, 0, 2, "Quorvex"},
    };
    for (const Case& c : cases) {
        FormHarness h(c.model);
        h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
            EXPECT_EQ(host.title(), c.title);
            EXPECT_EQ(items(host, 1014), c.images) << c.model;
            EXPECT_EQ(selected(host, 1014), c.image) << c.model;
            EXPECT_EQ(items(host, 1015), c.videos) << c.model;
            EXPECT_EQ(selected(host, 1015), c.video) << c.model;
            EXPECT_EQ(items(host, 1013).size(), c.modes) << c.model;
            h.chooseFolder(host);
            host.userSelect(1013, static_cast<int>(c.modes) - 1);
            host.userClick(1);
        }));
        const auto bytes = h.written();
        ASSERT_EQ(bytes.size(), 60u) << c.model;
        EXPECT_EQ(bytes[0], c.modes - 1);
        EXPECT_EQ(bytes[1], c.image);
        EXPECT_EQ(bytes[2], c.video);
    }
}

TEST(GenericCameraMenu, SdCycleRowOnlyForThe1080PModels) {
    FormHarness k4(1);
    k4.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        EXPECT_FALSE(host.controlState(1052)->visible);
        EXPECT_FALSE(host.controlState(1051)->visible);
        EXPECT_FALSE(host.controlState(1076)->visible);
        EXPECT_EQ(host.offset(1065), (std::pair{0, 0}));
        EXPECT_EQ(host.offset(1066), (std::pair{0, 0}));
        EXPECT_EQ(host.offset(1067), (std::pair{0, 4}));
        EXPECT_EQ(host.offset(1015), (std::pair{0, 4}));
        EXPECT_EQ(host.offset(1075), (std::pair{0, 32}));
        EXPECT_EQ(host.offset(1044), (std::pair{0, 32}));
        EXPECT_EQ(host.offset(1144), (std::pair{0, 24}));
        EXPECT_EQ(host.offset(1003), (std::pair{0, 28}));
        for (int id : {1082, 1030, 1025, 1125, 1037, 1159, 1064, 1, 1062, 2})
            EXPECT_EQ(host.offset(id), (std::pair{0, -10})) << id;
        k4.chooseFolder(host);
        host.userSelect(1052, 1); // not reachable by a user; the record ignores it anyway
        host.userClick(1);
    }));
    EXPECT_EQ(k4.written().at(36), 0);

    FormHarness k8(17);
    k8.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        EXPECT_TRUE(host.controlState(1052)->visible);
        EXPECT_EQ(text(host, 1051), "SD Cycle");
        for (int id : {1067, 1075, 1144, 1003, 1082, 1})
            EXPECT_EQ(host.offset(id), (std::pair{0, 0})) << id;
        k8.chooseFolder(host);
        host.userSelect(1052, 1);
        host.userClick(1);
        EXPECT_EQ(k8.written().at(36), 1);
        host.userClick(1062); // "Default" turns SD cycling off
        EXPECT_EQ(selected(host, 1052), 0);
    }));
    EXPECT_EQ(k8.written().at(36), 0);
}

TEST(GenericCameraMenu, FactoryRecordOfTheK5SelectsItsSecondImageSize) {
    FormHarness h(5);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        h.chooseFolder(host);
        host.userClick(1062);
        EXPECT_EQ(host.controlState(1014)->items[1], "5MP");
        EXPECT_EQ(selected(host, 1014), 1);
    }));
    EXPECT_EQ(h.written().at(1), 1);
}

TEST(GenericCameraMenu, IntervalBytesFollowTheUnit) {
    FormHarness h(3);
    std::vector<int> stored;
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        h.chooseFolder(host);
        host.userSelect(1029, 0);
        host.userType(1003, "30");
        host.userClick(1);
        stored.push_back(h.written().at(6));
        host.userSelect(1029, 1);
        host.userClick(1);
        stored.push_back(h.written().at(6));
        host.userSelect(1029, 0);
        host.userType(1003, "0");
        host.userClick(1);
        stored.push_back(h.written().at(6));
        // To minutes with an interval of 0: it becomes 1.
        host.userSelect(1029, 1);
        EXPECT_EQ(text(host, 1003), "1");
        host.userClick(1);
        stored.push_back(h.written().at(6));
    }));
    EXPECT_EQ(stored, (std::vector<int>{158, 30, 128, 1}));
    EXPECT_EQ(h.messages(),
              std::vector<std::string>(4, "Camera menu configuration file is generated"));
}

TEST(GenericCameraMenu, OutOfRangeNumbersShowTheirRangeThenTheirCorrection) {
    FormHarness h(3);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        host.userSelect(1025, 1);
        host.userType(1022, "75");
        EXPECT_EQ(text(host, 1022), "0");
        host.userType(1017, "24");
        EXPECT_EQ(text(host, 1017), "0");
        host.userType(1002, "0");
        EXPECT_EQ(text(host, 1002), "10");
        host.userType(1002, "61");
        EXPECT_EQ(text(host, 1002), "10");
        host.userType(1003, "61");
        EXPECT_EQ(text(host, 1003), "1");
        host.userType(1003, "0"); // unit Minute
        EXPECT_EQ(text(host, 1003), "1");
    }));
    EXPECT_EQ(h.messages(), (std::vector<std::string>{
                                "Please enter an integer between 0 and 59!",
                                "Please enter an integer between 0 and 23!",
                                "Please enter an integer between 1 and 60!",
                                "Please enter an integer between 1 and 60!",
                                "Please enter an integer between 0 and 60!",
                            }));
}

TEST(GenericCameraMenu, ClockYearIsKeptWithinTheCamerasRange) {
    for (const auto& [year, byte] : {std::pair{2005, 1}, std::pair{2009, 1}, std::pair{2010, 0},
                                     std::pair{2031, 21}, std::pair{2040, 21}}) {
        FormHarness h(3);
        h.host().fixClock({year, 2, 29, 23, 59, 58});
        h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
            h.chooseFolder(host);
            host.userClick(1);
        }));
        const auto bytes = h.written();
        ASSERT_EQ(bytes.size(), 60u);
        EXPECT_EQ(bytes[14], byte) << year;
        EXPECT_EQ(bytes[15], 2);
        EXPECT_EQ(bytes[16], 29);
        EXPECT_EQ(bytes[17], 23);
        EXPECT_EQ(bytes[18], 59);
        EXPECT_EQ(bytes[19], 58);
    }
}

TEST(GenericCameraMenu, ClockTextAndRecordFollowTheLastReading) {
    FormHarness h(3);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        EXPECT_EQ(text(host, 1030),
                  "2024/05/06 13:45:09"); // year first although MMDDYY is selected
        h.chooseFolder(host);
        host.fixClock({2025, 12, 31, 7, 8, 9});
        host.userClick(1); // still the moment the form was created
        EXPECT_EQ(h.written().at(14), 14);
        EXPECT_EQ(h.written().at(19), 9);
        host.userClick(1031);
        EXPECT_EQ(text(host, 1030), "12/31/2025 07:08:09");
        host.fixClock({2026, 1, 2, 3, 4, 5});
        host.userSelect(1044, 2); // a date-format change reads the clock again
        EXPECT_EQ(text(host, 1030), "02/01/2026 03:04:05");
        host.userSelect(1044, 0);
        EXPECT_EQ(text(host, 1030), "2026/01/02 03:04:05");
        host.fixClock({2027, 6, 7, 8, 9, 10});
        host.userClick(1);
    }));
    const auto bytes = h.written();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 14, bytes.begin() + 20),
              (std::vector<std::uint8_t>{16, 1, 2, 3, 4, 5}));
    EXPECT_EQ(bytes[48], 0);
}

TEST(GenericCameraMenu, ClockIsSharedByEveryForm) {
    FormHarness h(3);
    h.run(Action([&](ui::MemoryHost&, CQuorvexCameraMenu&) {}));
    EXPECT_EQ(h.clock().year, 2024);
    h.host().fixClock({2030, 3, 4, 5, 6, 7});
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        EXPECT_EQ(text(host, 1030), "2030/03/04 05:06:07");
    }));
    EXPECT_EQ(h.clock().year, 2030);
    EXPECT_EQ(h.clock().second, 7);
}

TEST(GenericCameraMenu, FolderChooserCancelledKeepsTheFolderShown) {
    FormHarness h(3);
    TempDir typed;
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu& form) {
        EXPECT_EQ(text(host, 1064), host.defaultFolder());
        h.chooseFolder(host);
        EXPECT_EQ(text(host, 1064), h.folder());
        host.userClick(1057); // nothing queued: cancelled
        EXPECT_EQ(text(host, 1064), h.folder());
        EXPECT_EQ(form.heldText(1064), h.folder());
        EXPECT_EQ(host.lastStartFolder(), h.folder());
        // A typed folder is what the form shows: the chooser opens there and a cancel keeps it.
        host.userClear(1064);
        host.userType(1064, typed.path());
        host.userClick(1057);
        EXPECT_EQ(host.lastStartFolder(), typed.path());
        EXPECT_EQ(text(host, 1064), typed.path());
        EXPECT_EQ(form.heldText(1064), typed.path());
    }));
}

TEST(GenericCameraMenu, FrameworkMessagesForAnEmptyNumberAndALongFolder) {
    FormHarness h(3);
    const std::string longFolder = h.folder() + "/" + std::string(90, 'd');
    std::filesystem::create_directory(longFolder);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu& form) {
        host.userClear(1002);
        EXPECT_EQ(form.heldNumber(1002), 10); // not taken over
        EXPECT_EQ(host.focus(), 1002);
        host.userType(1002, "7");
        h.chooseFolder(host);
        host.queueFolder(longFolder); // more than the field holds: refused, the folder stays
        host.userClick(1057);
        EXPECT_EQ(form.heldText(1064), h.folder());
        EXPECT_EQ(text(host, 1064), h.folder());
        host.userType(1002, "8"); // the whole pass runs
        EXPECT_EQ(form.heldNumber(1002), 8);
        host.userClick(1);
    }));
    EXPECT_EQ(h.messages(),
              (std::vector<std::string>{"Please enter an integer.",
                                        "Please enter no more than 80 characters.",
                                        "Camera menu configuration file is generated"}));
    EXPECT_FALSE(std::filesystem::exists(longFolder + "/menu.dat"));
    EXPECT_EQ(h.written().at(4), 7);
}

TEST(GenericCameraMenu, AValueTakenOverOutOfRangeByAnotherFieldsPassIsCorrectedToo) {
    FormHarness h(3);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu& form) {
        host.userSelect(1025, 1);
        host.userClear(1002);      // video length empty: every pass stops there
        host.userType(1017, "30"); // not reached by the passes, so not corrected either
        EXPECT_EQ(text(host, 1017), "30");
        host.userType(1002, "5"); // this pass reaches 1017 and takes the 30 over
        EXPECT_EQ(form.heldNumber(1017), 0);
        EXPECT_EQ(text(host, 1017), "0");
        h.chooseFolder(host);
        host.userClick(1);
    }));
    const auto bytes = h.written();
    ASSERT_EQ(bytes.size(), 60u);
    EXPECT_EQ(bytes[4], 4);  // video length 5
    EXPECT_EQ(bytes[20], 0); // never an hour of 30 on the camera
    EXPECT_EQ(h.messages().back(), "Camera menu configuration file is generated");
    EXPECT_NE(std::find(h.messages().begin(), h.messages().end(),
                        "Please enter an integer between 0 and 23!"),
              h.messages().end());
}

TEST(GenericCameraMenu, AnIntervalOfZeroMinutesTakenOverByAnotherFieldsPassBecomesOne) {
    FormHarness h(3);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu& form) {
        h.chooseFolder(host);
        host.userSelect(1025, 1);
        host.userClear(1002);     // every pass stops at the empty video length...
        host.userType(1003, "0"); // ...so the interval's own pass leaves 0 uncorrected
        EXPECT_EQ(form.heldNumber(1003), 1);
        host.userType(1002, "5"); // this pass takes the 0 over (within 0-60) and goes on
        EXPECT_EQ(form.heldNumber(1003), 1);
        EXPECT_EQ(text(host, 1003), "1");
        EXPECT_EQ(form.heldNumber(1002), 5);
        host.userClick(1);
        EXPECT_EQ(h.written().at(6), 1); // one minute; 0 would be no interval the camera knows
        // With the unit Second a taken-over 0 stays 0 (128).
        host.userSelect(1029, 0);
        host.userClear(1002);
        host.userType(1003, "0");
        host.userType(1002, "6");
        EXPECT_EQ(form.heldNumber(1003), 0);
        host.userClick(1);
        EXPECT_EQ(h.written().at(6), 128);
    }));
    EXPECT_EQ(h.messages(),
              (std::vector<std::string>{"Please enter an integer.", "Please enter an integer.",
                                        "Camera menu configuration file is generated",
                                        "Please enter an integer.", "Please enter an integer.",
                                        "Camera menu configuration file is generated"}));
}

TEST(GenericCameraMenu, ACorrectionDuringAPassKeepsWhatWasTypedIntoLaterFields) {
    FormHarness h(3);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu& form) {
        host.userSelect(1025, 1);
        host.userClear(1002);
        host.userType(1003, "0");  // unit Minute: corrected once a pass takes it over
        host.userType(1017, "12"); // after 1003 in the order: held only by a full pass
        EXPECT_EQ(form.heldNumber(1017), 0);
        host.userType(1002, "5");
        EXPECT_EQ(form.heldNumber(1003), 1);
        EXPECT_EQ(form.heldNumber(1017), 12); // not overwritten before the pass read it
        EXPECT_EQ(text(host, 1017), "12");
    }));
}

TEST(GenericCameraMenu, ValidationStopsAtTheFirstFailureKeepingLaterFields) {
    FormHarness h(3);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu& form) {
        host.userSelect(1048, 1);
        host.userSelect(1025, 1);
        host.userClear(1022);     // timer 1 start minute empty: every pass stops there
        host.userType(1042, "5"); // timer 2 comes after 1022: not taken over
        EXPECT_EQ(form.heldNumber(1042), 0);
        host.userType(1017, "9"); // 1017 comes before 1022: taken over
        EXPECT_EQ(form.heldNumber(1017), 9);
        host.userType(1022, "3");
        EXPECT_EQ(form.heldNumber(1042), 5); // now the whole pass runs
        EXPECT_EQ(form.heldNumber(1022), 3);
    }));
    EXPECT_EQ(h.messages(), std::vector<std::string>(3, "Please enter an integer."));
}

TEST(GenericCameraMenu, ChineseTextsAndMessages) {
    FormHarness h(3, kChinese);
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        EXPECT_EQ(text(host, 1004), "模式");
        EXPECT_EQ(text(host, 1), "生成配置文件");
        EXPECT_EQ(items(host, 1026), (std::vector<std::string>{"开", "关闭"}));
        h.chooseFolder(host);
        host.userType(1002, "0");
        host.userClick(1);
        host.userClick(1062);
    }));
    EXPECT_EQ(h.messages(),
              (std::vector<std::string>{"请输入一个介于1和60之间的值!", "相机菜单设置文件已经生成",
                                        " 相机菜单出厂设置文件已经生成"}));
    EXPECT_EQ(h.written().at(29), 1);
}

TEST(GenericCameraMenu, ChineseCameraWithEnglishTextsWritesLanguageOne) {
    FormHarness h(3);
    h.state().chineseCameraEnglishUi = true;
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        EXPECT_EQ(text(host, 1004), "Mode");
        h.chooseFolder(host);
        host.userClick(1);
    }));
    EXPECT_EQ(h.written().at(29), 1);
    EXPECT_EQ(h.messages(),
              std::vector<std::string>{"Camera menu configuration file is generated"});
}

TEST(GenericCameraMenu, FolderThatCannotBeWrittenIsReported) {
    FormHarness h(3);
    const std::string missing = h.folder() + "/gone";
    h.run(Action([&](ui::MemoryHost& host, CQuorvexCameraMenu&) {
        host.queueFolder(missing);
        host.userClick(1057);
        host.userClick(1);
        host.userClick(1062);
    }));
    const std::string reason = "Cannot write " + outputFilePath(missing, "menu.dat") + ": " +
                               testing::missingFolderReason();
    EXPECT_EQ(h.messages(), (std::vector<std::string>{reason, reason}));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace quorvex::testing
