// SPDX-License-Identifier: MIT
#include "tools/inspect/MenuFileDecoder.h"
#include "tools/inspect/ReportRendering.h"

#include "SettingsFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace quorvex::inspect {
namespace {

using testing::Bytes;
using testing::sealedMenu;

// A K7 record as its form writes it: Camera+Video, 12MP, 1280x720, 2 pictures, 20 s video, time
// stamp off, 45 seconds, high sensitivity, timer 1 on 08:15-18:45, time lapse on every 1:02:03,
// 2024-03-15 14:05:09, serial "Q7", Deutsch, TV mode 1, timer 2 on 17:30-06:00, DDMMYY.
Bytes k7Record() {
    std::array<std::uint8_t, 56> p{2, 0, 0, 1,  19, 1,  173, 1,  1, 1, 0, 1, 2, 3, 14, 3,  15, 14,
                                   5, 9, 8, 15, 18, 45, 1,   26, 7, 0, 0, 3, 1, 1, 17, 30, 6,  0};
    p[48] = 2;
    return sealedMenu(p);
}

std::string hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFF);
    return text;
}

unsigned storedCrc(const Bytes& record) {
    return record[56] | (record[57] << 8);
}

std::map<std::string, std::string> meanings(const FileReport& report) {
    std::map<std::string, std::string> out;
    for (const ReportField& f : report.fields)
        out[f.name] = f.meaning;
    return out;
}

TEST(MenuFileDecoder, PrintsAK7RecordFieldByField) {
    FileReport report = decodeMenuFile(k7Record(), menuLayoutForModel(6));
    report.path = "E:/menu.dat";
    EXPECT_EQ(renderText(report), "E:/menu.dat: menu.dat, 60 bytes, K7\n"
                                  "  Checksum " +
                                      hex4(storedCrc(k7Record())) +
                                      " of bytes 0-49 matches\n"
                                      "  byte 0   Capture mode: Camera+Video\n"
                                      "  byte 1   Image size: 12MP\n"
                                      "  byte 2   Video size: 1280x720\n"
                                      "  byte 3   Pictures per trigger: 02 Photo\n"
                                      "  byte 4   Video length: 20 seconds\n"
                                      "  byte 5   Time stamp: Off\n"
                                      "  byte 6   Interval: 45 seconds\n"
                                      "  byte 7   PIR sensitivity: High\n"
                                      "  byte 8   Timer 1: On\n"
                                      "  byte 10  Time lapse: On\n"
                                      "  byte 11  Time-lapse hours: 1\n"
                                      "  byte 12  Time-lapse minutes: 2\n"
                                      "  byte 13  Time-lapse seconds: 3\n"
                                      "  byte 14  Clock year: 2024\n"
                                      "  byte 15  Clock month: 3\n"
                                      "  byte 16  Clock day: 15\n"
                                      "  byte 17  Clock hour: 14\n"
                                      "  byte 18  Clock minute: 5\n"
                                      "  byte 19  Clock second: 9\n"
                                      "  byte 14  Clock: 2024-03-15 14:05:09\n"
                                      "  byte 20  Timer 1 start hour: 8\n"
                                      "  byte 21  Timer 1 start minute: 15\n"
                                      "  byte 22  Timer 1 stop hour: 18\n"
                                      "  byte 23  Timer 1 stop minute: 45\n"
                                      "  byte 24  Serial number: On\n"
                                      "  byte 25  Serial character 1: Q\n"
                                      "  byte 26  Serial character 2: 7\n"
                                      "  byte 27  Serial character 3: 0\n"
                                      "  byte 28  Serial character 4: 0\n"
                                      "  byte 29  Camera language: Deutsch\n"
                                      "  byte 30  TV mode: 1\n"
                                      "  byte 31  Timer 2: On\n"
                                      "  byte 32  Timer 2 start hour: 17\n"
                                      "  byte 33  Timer 2 start minute: 30\n"
                                      "  byte 34  Timer 2 stop hour: 6\n"
                                      "  byte 35  Timer 2 stop minute: 0\n"
                                      "  byte 48  Date format: DDMMYY\n"
                                      "  valid\n");
}

TEST(MenuFileDecoder, ModelListsAndUnitsGiveTheMeaning) {
    std::array<std::uint8_t, 56> p{};
    p[1] = 0, p[2] = 3, p[4] = 0, p[6] = 60, p[14] = 21, p[15] = 12, p[16] = 31, p[29] = 1,
    p[36] = 1, p[48] = 0;
    const auto hd = meanings(decodeMenuFile(sealedMenu(p), menuLayoutForModel(17)));
    EXPECT_EQ(hd.at("Image size"), "5MP");
    EXPECT_EQ(hd.at("Video size"), "320x240");
    EXPECT_EQ(hd.at("Video length"), "1 second");
    EXPECT_EQ(hd.at("Interval"), "60 minutes");
    EXPECT_EQ(hd.at("Clock"), "2031-12-31 00:00:00");
    EXPECT_EQ(hd.at("Camera language"), "Chinese");
    EXPECT_EQ(hd.at("SD cycle"), "On");
    EXPECT_EQ(hd.at("Side PIR (copy)"), "Off (copy of byte 9)");

    p[6] = 1, p[36] = 0;
    const auto k5 = meanings(decodeMenuFile(sealedMenu(p), menuLayoutForModel(5)));
    EXPECT_EQ(k5.at("Image size"), "12MP"); // K5 lists 12MP first
    EXPECT_EQ(k5.at("Interval"), "1 minute");

    std::array<std::uint8_t, 56> k9{};
    k9[6] = 1, k9[14] = 1, k9[15] = 1, k9[16] = 1, k9[29] = 2;
    k9[40] = 1, k9[41] = 180, k9[44] = 1, k9[45] = 90, k9[36] = 1;
    const auto decoded = decodeMenuFile(sealedMenu(k9), menuLayoutForModel(13));
    EXPECT_TRUE(decoded.valid());
    const auto m = meanings(decoded);
    EXPECT_EQ(m.at("Longitude direction"), "W");
    EXPECT_EQ(m.at("Longitude degrees"), "180");
    EXPECT_EQ(m.at("Latitude direction"), "N");
    EXPECT_EQ(m.at("Latitude degrees"), "90");
    EXPECT_EQ(m.at("SD cycle"), "On");

    std::array<std::uint8_t, 56> d2{};
    d2[6] = 1, d2[14] = 1, d2[15] = 1, d2[16] = 1, d2[29] = 2;
    d2[36] = 4, d2[37] = 0, d2[38] = 9, d2[39] = 2, d2[40] = 1;
    const auto wireless = meanings(decodeMenuFile(sealedMenu(d2), menuLayoutForModel(14)));
    EXPECT_EQ(wireless.at("Wireless code digit 1"), "4");
    EXPECT_EQ(wireless.at("Wireless code digit 3"), "9");
    EXPECT_EQ(wireless.at("Wireless code"), "On");
}

TEST(MenuFileDecoder, TheGenericLayoutWithoutAModelGivesPositions) {
    std::array<std::uint8_t, 56> p{};
    p[1] = 2, p[2] = 3, p[6] = 1, p[14] = 1, p[15] = 1, p[16] = 1, p[29] = 2;
    const auto report = decodeMenuFile(sealedMenu(p), genericMenuLayout());
    EXPECT_TRUE(report.valid());
    const auto m = meanings(report);
    EXPECT_EQ(m.at("Image size (position in the model's list)"), "2");
    EXPECT_EQ(m.at("Video size (position in the model's list)"), "3");
    // ModelId 1 has only two video sizes.
    EXPECT_FALSE(decodeMenuFile(sealedMenu(p), menuLayoutForModel(1)).valid());
}

TEST(MenuFileDecoder, FactoryRecordsAreValidAndNamed) {
    std::array<std::uint8_t, 56> reset{255, 255, 255, 255};
    reset[48] = 1;
    for (int model : {2, 6, 8, 11, 14}) {
        const auto report = decodeMenuFile(sealedMenu(reset), menuLayoutForModel(model));
        EXPECT_TRUE(report.valid()) << model;
        ASSERT_EQ(report.notes.size(), 2u);
        EXPECT_EQ(report.notes[1], "Factory-reset record of the " +
                                       std::string(menuLayoutForModel(model).name) + " layout");
    }
    // The generic form's factory record carries the clock, language and TV mode of its moment.
    std::array<std::uint8_t, 56> generic{0, 1, 1, 0, 9, 0, 1, 0, 0, 1, 1};
    generic[14] = 5, generic[15] = 6, generic[16] = 7, generic[17] = 8, generic[29] = 4,
    generic[30] = 7;
    generic[48] = 1, generic[51] = 1;
    const auto report = decodeMenuFile(sealedMenu(generic), menuLayoutForModel(3));
    EXPECT_TRUE(report.valid());
    EXPECT_EQ(report.notes.at(1), "Factory-reset record of the generic (K4) layout");
    EXPECT_EQ(meanings(report).at("Camera language"), "Suomi");

    // Read without the model, the reset pattern is damaged, and the decoder says which forms write
    // it.
    const auto unknown = decodeMenuFile(sealedMenu(reset), genericMenuLayout());
    EXPECT_FALSE(unknown.valid());
    EXPECT_EQ(unknown.notes.back(),
              "The record is valid in the layout of P4 (ModelId 2, 4, 7, 10); P7 (ModelId 8); K7 "
              "(ModelId 6, 9); "
              "K9 (K9A, K9WA) (ModelId 11, 12); K9 (K9MG) (ModelId 13); D2 (ModelId 14)");
}

// Without a model the file is valid when it is valid in some layout; the note names exactly the
// model layouts it is valid in, and it is read in the first of them.
TEST(MenuFileDecoder, WithoutAModelARecordIsValidInEveryLayoutItFits) {
    std::array<std::uint8_t, 56> reset{255, 255, 255, 255};
    reset[48] = 1;
    std::array<std::uint8_t, 56> positions{};
    positions[1] = 2, positions[2] = 3, positions[6] = 1, positions[14] = 1, positions[15] = 1,
    positions[16] = 1, positions[29] = 2;
    for (const Bytes& bytes : {sealedMenu(reset), k7Record(), sealedMenu(positions)}) {
        const auto report = decodeMenuFileOfAnyModel(bytes);
        EXPECT_TRUE(report.valid()) << renderText(report);
        std::string expected;
        const RecordLayout* first = nullptr;
        for (const RecordLayout* layout : allMenuLayouts()) {
            if (layout->id == MenuLayoutId::GenericAnyModel ||
                !decodeMenuFile(bytes, *layout).valid())
                continue;
            first = first ? first : layout;
            expected += (expected.empty() ? "" : "; ") + std::string(layout->name) + " (ModelId " +
                        modelsWithLayout(layout->id) + ")";
        }
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(report.layout, first->name);
        EXPECT_EQ(report.notes.back(), "The record is valid in the layout of " + expected);
        EXPECT_EQ(meanings(report).count("Image size (position in the model's list)"), 0u);
    }
    // The reset pattern is the P4's factory record, and the camera's values come from its form.
    const auto factory = decodeMenuFileOfAnyModel(sealedMenu(reset));
    EXPECT_EQ(factory.layout, "P4");
    EXPECT_EQ(factory.notes.at(1), "Factory-reset record of the P4 layout");
    EXPECT_EQ(meanings(decodeMenuFileOfAnyModel(k7Record())).at("Camera language"), "Deutsch");

    // Valid in no layout: damaged, read in the generic layout, and no layout named.
    Bytes none = k7Record();
    none[15] = 13; // month
    none = sealedMenu(std::span(none).first(56));
    const auto damaged = decodeMenuFileOfAnyModel(none);
    EXPECT_EQ(damaged.layout, "generic");
    EXPECT_TRUE(std::any_of(damaged.problems.begin(), damaged.problems.end(), [](const Problem& p) {
        return p.byte == 15 && p.reason == "holds 13; Clock month is stored as 1-12";
    }));
    EXPECT_EQ(damaged.notes.back().find("valid in the layout"), std::string::npos);
    Bytes unsealed = k7Record();
    unsealed[3] ^= 1;
    EXPECT_FALSE(decodeMenuFileOfAnyModel(unsealed).valid());
}

TEST(MenuFileDecoder, ReportsTheBytesThatBreakTheLayout) {
    Bytes bad = k7Record();
    bad[9] = 0;  // K7 always stores 1 here
    bad[40] = 7; // unused
    bad[15] = 13;
    bad = sealedMenu(std::span(bad).first(56));
    const auto report = decodeMenuFile(bad, menuLayoutForModel(6));
    ASSERT_EQ(report.problems.size(), 3u);
    EXPECT_EQ(report.problems[0].byte, 9);
    EXPECT_EQ(report.problems[0].reason, "holds 0; byte 9 is always 1");
    EXPECT_EQ(report.problems[1].byte, 15);
    EXPECT_EQ(report.problems[1].reason, "holds 13; Clock month is stored as 1-12");
    EXPECT_EQ(report.problems[2].byte, 40);
    EXPECT_EQ(report.problems[2].reason, "holds 7; bytes 36-47 are always 0");
    EXPECT_EQ(meanings(report).count("Clock"), 0u);
}

TEST(MenuFileDecoder, ReportsAWrongSize) {
    for (std::size_t size : {0u, 1u, 59u, 61u, 120u}) {
        Bytes bytes = k7Record();
        bytes.resize(size, 0);
        const auto report = decodeMenuFile(bytes, menuLayoutForModel(6));
        ASSERT_EQ(report.problems.size(), 1u) << size;
        EXPECT_EQ(report.problems[0].reason,
                  "the file has " + std::to_string(size) + " bytes; menu.dat has 60");
        EXPECT_TRUE(report.fields.empty());
    }
}

// Every bit and a few patterns; outside the checksummed bytes every value.
std::vector<int> deltasFor(std::size_t offset) {
    std::vector<int> deltas{1, 2, 4, 8, 16, 32, 64, 128, 255, 0x55, 0x0F, 0xF0};
    if (offset >= 50)
        for (int d = 3; d < 255; ++d)
            deltas.push_back(d);
    return deltas;
}

// Every single changed byte of a valid record, whatever the new value, makes it damaged: the
// checksum covers 0-49, the layout fixes 50-55, and 56-59 are the checksum and CR LF.
TEST(MenuFileDecoder, AnyChangedByteIsDamageInEveryLayout) {
    MenuValues values;
    values.values = {{MenuField::VideoLength, 10},   {MenuField::ClockYear, 2020},
                     {MenuField::ClockMonth, 2},     {MenuField::ClockDay, 29},
                     {MenuField::CameraLanguage, 2}, {MenuField::SidePir, 1},
                     {MenuField::Interval, 1},       {MenuField::DateFormat, 1}};
    for (const RecordLayout* layout : allMenuLayouts()) {
        std::vector<Bytes> samples;
        samples.push_back(sealedMenu(buildMenuRecord(*layout, values)->bytes().first(56)));
        samples.push_back(sealedMenu(buildFactoryRecord(*layout, values)->bytes().first(56)));
        for (const Bytes& valid : samples) {
            ASSERT_TRUE(decodeMenuFile(valid, *layout).valid()) << layout->name;
            for (std::size_t i = 0; i < valid.size(); ++i) {
                for (int delta : deltasFor(i)) {
                    Bytes changed = valid;
                    changed[i] = static_cast<std::uint8_t>(changed[i] + delta);
                    const auto report = decodeMenuFile(changed, *layout);
                    ASSERT_FALSE(report.valid()) << layout->name << " byte " << i << " +" << delta;
                }
            }
        }
    }
}

TEST(MenuFileDecoder, NamesTheChecksumAndRecordEnd) {
    Bytes bytes = k7Record();
    bytes[56] ^= 1;
    bytes[59] = 0;
    const auto report = decodeMenuFile(bytes, menuLayoutForModel(6));
    ASSERT_EQ(report.problems.size(), 2u);
    EXPECT_EQ(report.problems[0].byte, 59);
    EXPECT_EQ(report.problems[0].reason, "holds 0x00; every record ends in CR LF (0x0D 0x0A)");
    EXPECT_EQ(report.problems[1].byte, 56);
    EXPECT_EQ(report.problems[1].reason, "the checksum holds " + hex4(storedCrc(bytes)) +
                                             " but bytes 0-49 give " + hex4(storedCrc(k7Record())) +
                                             " (low byte at 56, high byte at 57)");
}

} // namespace
} // namespace quorvex::inspect
