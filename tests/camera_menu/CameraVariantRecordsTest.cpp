// SPDX-License-Identifier: MIT
#include "camera_menu/CQuorvexD2Menu.h"
#include "camera_menu/CQuorvexK7Menu.h"
#include "camera_menu/CQuorvexK9Menu.h"
#include "camera_menu/CQuorvexP7Menu.h"

#include "FormHarness.h"

#include <gtest/gtest.h>

namespace quorvex::testing {
namespace {

using camera_menu::CQuorvexD2Menu;
using camera_menu::CQuorvexK7Menu;
using camera_menu::CQuorvexK9Menu;
using camera_menu::CQuorvexP7Menu;

// K8 with timer 2 On from 17:30 to 6:00: byte 9 is the constant 1 and timer 2 sits right after
// the TV mode byte, with nothing in 36-37.
TEST(K7CameraMenu, TimerTwoFollowsTheTvModeByte) {
    FormHarness h(9);
    h.state().tvMode = 0x0102; // only the low byte reaches the record
    h.run(std::function<void(ui::MemoryHost&, CQuorvexK7Menu&)>(
        [&](ui::MemoryHost& host, CQuorvexK7Menu&) {
            EXPECT_EQ(host.title(), "Quorvex K8");
            host.userSelect(1048, 1);
            host.userType(1042, "17");
            host.userType(1045, "30");
            host.userType(1046, "6");
            h.chooseFolder(host);
            host.userClick(1);
        }));
    // clang-format off
    const std::array<std::uint8_t, 56> expected{
        0, 0, 0, 0, 9, 0, 1, 0, 0, 1,    // 12MP, 1280x720, 10 s, 1 min, byte 9 always 1
        1, 0, 0, 0, 14, 5, 6, 13, 45, 9, // time lapse off, clock 2024-05-06 13:45:09
        0, 0, 0, 0, 0, 0, 0, 0, 0, 2,    // timer 1, serial off "0000", English
        2, 1, 17, 30, 6, 0, 0, 0, 0, 0,  // TV mode low byte, timer 2 on 17:30-6:00
        0, 0, 0, 0, 0, 0, 0, 0, 1, 0,    // date format MMDDYY
        0, 0, 0, 0, 0, 0};
    // clang-format on
    EXPECT_EQ(h.written(), sealed(expected));
}

// P7: the P4 record with byte 9 always 0, beep and SD cycle in 31-32, timer 2 in 33-37.
TEST(P7CameraMenu, RecordHasNoSidePir) {
    FormHarness h(8); // English on screen, Chinese in the camera
    h.state().chineseCameraEnglishUi = true;
    h.run(std::function<void(ui::MemoryHost&, CQuorvexP7Menu&)>(
        [&](ui::MemoryHost& host, CQuorvexP7Menu&) {
            host.userSelect(1046, 1);
            host.userSelect(1052, 1);
            host.userType(1051, "59");
            h.chooseFolder(host);
            host.userClick(1);
        }));
    // clang-format off
    const std::array<std::uint8_t, 56> expected{
        0, 0, 1, 0, 9, 0, 1, 0, 0, 0,    // 1280x720 by default, no side PIR
        1, 0, 0, 0, 14, 5, 6, 13, 45, 9,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 1,    // camera language 1
        0, 1, 1, 1, 0, 0, 0, 59, 0, 0,   // beep on, SD cycle on, timer 2 on, stop minute 59
        0, 0, 0, 0, 0, 0, 0, 0, 1, 0,
        0, 0, 0, 0, 0, 0};
    // clang-format on
    EXPECT_EQ(h.written(), sealed(expected));
}

// K9MG at W 120 30 15, N 45 59 0 with SD cycle on and side PIR off: the position in 40-47, SD
// cycle in 36 and side PIR's copy in byte 51.
TEST(K9CameraMenu, PositionAndSideCopy) {
    FormHarness h(13);
    h.run(std::function<void(ui::MemoryHost&, CQuorvexK9Menu&)>(
        [&](ui::MemoryHost& host, CQuorvexK9Menu&) {
            host.userSelect(1055, 1);
            host.userType(1056, "120");
            host.userType(1058, "30");
            host.userType(1071, "15");
            host.userSelect(1049, 1);
            host.userType(1051, "45");
            host.userType(1052, "59");
            host.userSelect(1081, 1);
            host.userSelect(1028, 0);
            host.userSelect(1014, 2);
            h.chooseFolder(host);
            host.userClick(1);
        }));
    // clang-format off
    const std::array<std::uint8_t, 56> expected{
        0, 2, 1, 0, 9, 0, 1, 0, 0, 0,     // 1.3MP, 1280x720, side PIR off
        1, 0, 0, 0, 14, 5, 6, 13, 45, 9,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 2,
        0, 0, 0, 0, 0, 0, 1, 0, 0, 0,     // SD cycle on
        1, 120, 30, 15, 1, 45, 59, 0, 1, 0,
        0, 0, 0, 0, 0, 0};                // the copy of side PIR (off)
    // clang-format on
    EXPECT_EQ(h.written(), sealed(expected));
}

// D2 with a code of three digits and a letter's place left empty: digits in 36-38, 0 in 39.
TEST(D2CameraMenu, WirelessCodeDigits) {
    FormHarness h(14);
    h.run(std::function<void(ui::MemoryHost&, CQuorvexD2Menu&)>(
        [&](ui::MemoryHost& host, CQuorvexD2Menu&) {
            host.userSelect(1049, 1);
            host.userType(1028, "907");
            h.chooseFolder(host);
            host.userClick(1);
        }));
    // clang-format off
    const std::array<std::uint8_t, 56> expected{
        0, 1, 0, 0, 9, 0, 1, 0, 0, 0,     // 5MP, 640x480, byte 9 always 0
        1, 0, 0, 0, 14, 5, 6, 13, 45, 9,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 2,
        0, 0, 0, 0, 0, 0, 9, 0, 7, 0,
        1, 0, 0, 0, 0, 0, 0, 0, 1, 0,     // wireless on
        0, 0, 0, 0, 0, 0};
    // clang-format on
    EXPECT_EQ(h.written(), sealed(expected));
}

} // namespace
} // namespace quorvex::testing
