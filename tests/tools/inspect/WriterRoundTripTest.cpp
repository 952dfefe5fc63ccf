// SPDX-License-Identifier: MIT
// What the writers put on a card, the inspector reads back as the values that went in.
#include "card/MenuFileWriter.h"
#include "card/MmsFileReader.h"
#include "card/MmsFileWriter.h"
#include "card/RecordLayouts.h"
#include "card/SettingsFileReader.h"
#include "card/SettingsHeaderSchema.h"
#include "card/SmtpFileReader.h"
#include "card/SmtpFileWriter.h"
#include "tools/inspect/FileInspector.h"
#include "tools/inspect/InspectCommand.h"
#include "tools/inspect/MenuFileDecoder.h"
#include "tools/inspect/SetupFileDecoder.h"
#include "tools/inspect/SmtpFileDecoder.h"

#include "support/MenuSamples.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

namespace quorvex::inspect {
namespace {

using quorvex::testing::readBytes;
using quorvex::testing::RecordingMessages;
using quorvex::testing::TempDir;

constexpr MenuMessages kMessages{
    {"Camera menu configuration file is generated", "相机菜单设置文件已经生成"},
    {"Camera menu factory settings file has been generated", " 相机菜单出厂设置文件已经生成"}};

struct Decoded {
    std::int64_t number = -1;
    std::string text;
    std::string meaning;
    std::string unit;
};

std::map<std::string, Decoded> byName(const FileReport& report) {
    std::map<std::string, Decoded> out;
    for (const ReportField& f : report.fields) {
        Decoded d;
        if (const auto* n = std::get_if<std::int64_t>(&f.value))
            d.number = *n;
        if (const auto* t = std::get_if<std::string>(&f.value))
            d.text = *t;
        d.meaning = f.meaning;
        d.unit = f.unit;
        out[f.name] = d;
    }
    return out;
}

std::vector<std::uint8_t> writeAndRead(const CameraSettingsRecord& record, RecordKind kind) {
    TempDir dir;
    RecordingMessages messages;
    EXPECT_TRUE(writeMenuFile(record, dir.path(), kind, kMessages, kEnglish, messages));
    return readBytes(dir.file("menu.dat"));
}

TEST(WriterRoundTrip, MenuRecordsOfEveryLayout) {
    for (const RecordLayout* layout : allMenuLayouts()) {
        for (int variant = 0; variant < 6; ++variant) {
            const MenuValues values = quorvex::testing::spreadMenuValues(*layout, variant);
            const auto record = buildMenuRecord(*layout, values);
            ASSERT_TRUE(record) << layout->name;
            const FileReport report =
                decodeMenuFile(writeAndRead(*record, RecordKind::Configuration), *layout);
            ASSERT_TRUE(report.valid())
                << layout->name << " " << variant << ": " << report.problems[0].reason;
            std::size_t compared = 0;
            for (const ReportField& field : report.fields) {
                const LayoutField* source = nullptr;
                for (const LayoutField& f : layout->fields)
                    if (f.offset == field.byte && f.name == field.name)
                        source = &f;
                if (!source)
                    continue; // the clock line
                const auto value = std::get<std::int64_t>(field.value);
                if (source->kind == FieldKind::CopyOf) {
                    EXPECT_EQ(value, values.get(MenuField::SidePir)) << layout->name;
                    continue;
                }
                EXPECT_EQ(value, values.get(source->field)) << layout->name << " " << field.name;
                if (source->kind == FieldKind::Interval) {
                    EXPECT_EQ(field.unit, intervalUnitName(values.intervalUnit));
                }
                ++compared;
            }
            std::size_t named = 0;
            for (const LayoutField& f : layout->fields)
                named += f.kind != FieldKind::Fixed && f.kind != FieldKind::CopyOf;
            EXPECT_EQ(compared, named) << layout->name;
        }
    }
}

TEST(WriterRoundTrip, FactoryRecordsOfEveryLayout) {
    MenuValues moment;
    moment.values = {{MenuField::ClockYear, 2025},    {MenuField::ClockMonth, 6},
                     {MenuField::ClockDay, 30},       {MenuField::ClockHour, 23},
                     {MenuField::ClockMinute, 59},    {MenuField::ClockSecond, 58},
                     {MenuField::CameraLanguage, 15}, {MenuField::TvMode, 200}};
    for (int model = 0; model <= 17; ++model) {
        const RecordLayout& layout = menuLayoutForModel(model);
        const FileReport report = decodeMenuFile(
            writeAndRead(*buildFactoryRecord(layout, moment), RecordKind::FactorySettings), layout);
        EXPECT_TRUE(report.valid()) << model;
        ASSERT_EQ(report.notes.size(), 2u) << model;
        EXPECT_EQ(report.notes[1],
                  "Factory-reset record of the " + std::string(layout.name) + " layout");
        if (!layout.factory.varying.empty()) {
            const auto fields = byName(report);
            EXPECT_EQ(fields.at("Clock").text, "2025-06-30 23:59:58");
            EXPECT_EQ(fields.at("Camera language").meaning, "Russian");
            EXPECT_EQ(fields.at("TV mode").number, 200);
        }
    }
}

struct MmsCase {
    int model;
    int code;
    int position;
    std::string_view sendName;
};

TEST(WriterRoundTrip, SetupFilesFromTheMmsWriter) {
    const std::vector<MmsCase> cases{{1, 0, 1, "Off"}, {1, 2, 3, "QVGA"}, {3, 3, 4, "SMS"},
                                     {5, 3, 3, "SMS"}, {6, 1, 2, "VGA"},  {4, 2, 3, "SMS"},
                                     {13, 1, 2, "VGA"}};
    int n = 0;
    for (const MmsCase& c : cases) {
        for (bool international : {false, true}) {
            for (DataSetupMode mode : {DataSetupMode::Auto, DataSetupMode::Manual}) {
                ++n;
                MmsHeaderValues header;
                header.sendCode = c.code;
                header.sendPosition = c.position;
                header.connectionType = mode == DataSetupMode::Manual ? n % 2 : 0;
                header.picturesPerDay = (n * 13) % 100;
                header.cameraLanguage = 1 + n % 15;
                header.tvMode = 0x1200 + n;
                header.internationalNumbering = international;
                header.countryByte = mode == DataSetupMode::Manual ? 128 : n % 43;
                header.operatorByte = mode == DataSetupMode::Manual ? 0 : n % 10;
                header.remoteControl = n % 26;
                header.mode = mode;
                MmsTexts texts{"http://mms.example.com/mms/wapenc",
                               "mms.example",
                               "10.0.0.10",
                               "8080",
                               international ? "+491511234567" : "13812345678",
                               "photo@example.com",
                               "Müller",
                               "pässwörd",
                               "",
                               n % 2 ? "second@example.org" : ""};
                TempDir dir;
                RecordingMessages messages;
                ASSERT_TRUE(
                    MmsFileWriter::write(dir.path(), header, texts, kEnglish, messages).written);
                const FileReport report =
                    decodeSetupFile(readBytes(dir.file("setup.dat")), c.model);
                ASSERT_TRUE(report.valid()) << n << ": " << report.problems[0].reason;
                auto f = byName(report);
                EXPECT_EQ(f.at("MMS Send").number, c.code);
                EXPECT_EQ(f.at("MMS Send").meaning, c.sendName);
                EXPECT_EQ(f.at("MMS Send position").number, c.position);
                EXPECT_EQ(f.at("Connection type").number, header.connectionType);
                EXPECT_EQ(f.at("Pictures per day").number, header.picturesPerDay);
                EXPECT_EQ(f.at("Camera language").number, header.cameraLanguage);
                EXPECT_EQ(f.at("TV mode").number, header.tvMode & 0xFF);
                EXPECT_EQ(f.at("Numbering").number, international ? 1 : 0);
                EXPECT_EQ(f.at("Country").number, header.countryByte);
                EXPECT_EQ(f.at("Operator").number, header.operatorByte);
                EXPECT_EQ(f.at("SMS remote control").number, header.remoteControl);
                EXPECT_EQ(f.at("Data mode").number, mode == DataSetupMode::Auto ? 1 : 0);
                EXPECT_EQ(f.at("MMSC URL").text, texts.url);
                EXPECT_EQ(f.at("APN").text, texts.apn);
                EXPECT_EQ(f.at("Gateway").text, texts.gateway);
                EXPECT_EQ(f.at("Port").text, texts.port);
                EXPECT_EQ(f.at("Phone No").text, texts.phoneNo);
                EXPECT_EQ(f.at("Email").text, texts.email);
                EXPECT_EQ(f.at("Account").text, texts.account);
                EXPECT_EQ(f.at("Password").text, texts.password);
                EXPECT_EQ(f.at("Phone or Email 2").text, texts.phoneOrEmail2);
                EXPECT_EQ(f.at("Phone or Email 3").text, texts.phoneOrEmail3);
                EXPECT_NE(
                    report.notes.at(0).find(international ? "international numbering" : "domestic"),
                    std::string::npos);
            }
        }
    }
}

TEST(WriterRoundTrip, SmtpFilesFromTheSmtpWriter) {
    int n = 0;
    for (SmtpLayout layout : {SmtpLayout::P4, SmtpLayout::K4}) {
        for (DataSetupMode mode : {DataSetupMode::Auto, DataSetupMode::Manual}) {
            for (int remote : {0, 1, 24, 25}) {
                ++n;
                SmtpHeaderValues header;
                header.layout = layout;
                header.operatorIndex = mode == DataSetupMode::Manual ? 0 : n % 8;
                header.countryIndex = n % 42;
                header.picturesPerDay = (n * 11) % 100;
                header.cameraLanguage = 1 + n % 15;
                header.smtpStatus = n % 3;
                header.remoteControl = remote;
                header.mode = mode;
                SmtpTexts texts{"internet.example",
                                n % 2 ? "gprs" : "",
                                "",
                                "smtp.example.com",
                                "465",
                                n % 2 ? "Jörg.Müller@example.de" : "nobody",
                                "sécret",
                                "+4412345",
                                "to@example.org"};
                TempDir dir;
                RecordingMessages messages;
                ASSERT_TRUE(
                    SmtpFileWriter::write(dir.path(), header, texts, kEnglish, messages).written);
                const int model = layout == SmtpLayout::P4 ? 4 : 3;
                const FileReport report = decodeSmtpFile(readBytes(dir.file("smtp.dat")), model);
                ASSERT_TRUE(report.valid()) << n << ": " << report.problems[0].reason;
                EXPECT_EQ(report.layout, layout == SmtpLayout::P4 ? "P4" : "K4");
                auto f = byName(report);
                EXPECT_EQ(f.at("Operator").number, header.operatorIndex);
                EXPECT_EQ(f.at("Country").number,
                          mode == DataSetupMode::Manual ? 128 : header.countryIndex);
                EXPECT_EQ(f.at("Pictures per day").number, header.picturesPerDay);
                EXPECT_EQ(f.at("Camera language").number, header.cameraLanguage);
                EXPECT_EQ(f.at("SMS remote control").number, remote);
                if (layout == SmtpLayout::P4) {
                    EXPECT_EQ(f.at("SMTP Status").number, header.smtpStatus);
                }
                EXPECT_EQ(f.at("MMS Mode").number, mode == DataSetupMode::Auto ? 1 : 0);
                EXPECT_EQ(f.at("APN").text, texts.apn);
                EXPECT_EQ(f.at("GPRS account").text, texts.gprsAccount);
                EXPECT_EQ(f.at("GPRS password").text, texts.gprsPassword);
                EXPECT_EQ(f.at("SMTP server").text, texts.smtpServer);
                EXPECT_EQ(f.at("SMTP port").text, texts.smtpPort);
                EXPECT_EQ(f.at("Sender email").text, texts.senderEmail);
                EXPECT_EQ(f.at("Sender password").text, texts.senderPassword);
                EXPECT_EQ(f.at("SMS phone number").text, texts.smsPhone);
                EXPECT_EQ(f.at("Sender user name").text, n % 2 ? "Jörg.Müller" : "nobody");
                EXPECT_EQ(f.at("Recipient email").text, texts.recipient);
            }
        }
    }
}

// Every header field of the schema: the inspector finds the written value under the field's key
// at the field's byte, and a value out of the field's range there is a problem at that byte for
// the inspector (at the first of smtp.dat's layout bytes for those) and damage for "Load from
// card".
void checkHeaderFields(std::span<const HeaderField> fields, SettingsFileBytes file,
                       std::span<const HeaderField> layoutBytes,
                       const std::function<FileReport(std::span<const std::uint8_t>)>& inspect,
                       const std::function<CardCheck(std::span<const std::uint8_t>)>& load) {
    const SettingsRecordBytes plain = plainRecords(file)[0];
    const FileReport report = inspect(file);
    ASSERT_TRUE(report.valid()) << report.problems[0].reason;
    ASSERT_TRUE(load(file).readable()) << load(file).detail;
    for (const HeaderField& field : fields) {
        const auto found =
            std::find_if(report.fields.begin(), report.fields.end(), [&](const ReportField& f) {
                return f.key == field.name.key && f.byte == static_cast<int>(field.byte);
            });
        ASSERT_NE(found, report.fields.end()) << field.name.key << " at " << field.byte;
        EXPECT_EQ(found->name, field.name.label);
        const int value = field.name.key == kPicturesPerDay.name.key ? pictureLimit(plain, field)
                                                                     : plain[field.byte];
        EXPECT_EQ(std::get<std::int64_t>(found->value), value) << field.name.key;
        if (field.max == 255 || field.isMarker())
            continue;
        SettingsRecordBytes broken = plain;
        broken[field.byte] = field.name.key == kPicturesPerDay.name.key ? 10 : field.max + 1;
        SettingsFileBytes damaged = file;
        const SettingsRecordBytes stored = recordScramble(broken);
        std::copy(stored.begin(), stored.end(), damaged.begin());
        const auto addend =
            static_cast<std::uint16_t>(storedSettingsChecksum(file) - settingsFileCrc(file));
        const auto check = static_cast<std::uint16_t>(settingsFileCrc(damaged) + addend);
        damaged[kChecksumRecord * kSettingsRecordSize + kChecksumLowByte] = check & 0xFF;
        damaged[kChecksumRecord * kSettingsRecordSize + kChecksumLowByte + 1] = check >> 8;
        const bool layoutByte =
            std::any_of(layoutBytes.begin(), layoutBytes.end(),
                        [&](const HeaderField& f) { return f.byte == field.byte; });
        const auto at = static_cast<int>(layoutByte ? layoutBytes.front().byte : field.byte);
        const FileReport problem = inspect(damaged);
        EXPECT_TRUE(std::any_of(problem.problems.begin(), problem.problems.end(),
                                [&](const Problem& p) { return p.record == 0 && p.byte == at; }))
            << field.name.key;
        EXPECT_FALSE(load(damaged).readable()) << field.name.key;
    }
}

TEST(WriterRoundTrip, ReaderWriterAndInspectorAgreeOnEveryHeaderField) {
    MmsHeaderValues mms;
    mms.sendCode = 2, mms.sendPosition = 3, mms.connectionType = 0, mms.picturesPerDay = 47;
    mms.cameraLanguage = 9, mms.tvMode = 0x37, mms.countryByte = 12, mms.operatorByte = 1;
    mms.remoteControl = 6;
    checkHeaderFields(
        kSetupHeader.fields(), MmsFileWriter::build(mms, MmsTexts{}).bytes, {},
        [](auto bytes) { return decodeSetupFile(bytes, 1); },
        [&](auto bytes) {
            const MmsFileContent read = readMmsFile(bytes, MmsSendList::FourEntries);
            if (read.check.readable()) {
                EXPECT_EQ(MmsFileWriter::headerRecord(read.header),
                          MmsFileWriter::headerRecord(mms));
            }
            return read.check;
        });
    for (SmtpLayout layout : {SmtpLayout::P4, SmtpLayout::K4}) {
        SmtpHeaderValues smtp;
        smtp.layout = layout, smtp.operatorIndex = 1, smtp.countryIndex = 0;
        smtp.picturesPerDay = 38, smtp.cameraLanguage = 11, smtp.smtpStatus = 2;
        smtp.remoteControl = 19;
        checkHeaderFields(
            kSmtpHeader.fields(layout), SmtpFileWriter::build(smtp, SmtpTexts{}).bytes,
            kSmtpHeader.layout(layout).bytes,
            [&](auto bytes) { return decodeSmtpFile(bytes, layout == SmtpLayout::P4 ? 4 : 3); },
            [&](auto bytes) {
                const SmtpFileContent read = readSmtpFile(bytes, layout);
                if (read.check.readable()) {
                    EXPECT_EQ(SmtpFileWriter::headerRecord(read.header),
                              SmtpFileWriter::headerRecord(smtp));
                }
                return read.check;
            });
    }
}

TEST(WriterRoundTrip, ACardWrittenByAllThreeWritersIsValid) {
    TempDir dir;
    RecordingMessages messages;
    const RecordLayout& layout = menuLayoutForModel(4);
    ASSERT_TRUE(
        writeMenuFile(*buildMenuRecord(layout, quorvex::testing::spreadMenuValues(layout, 3)),
                      dir.path(), RecordKind::Configuration, kMessages, kEnglish, messages));
    MmsHeaderValues mms;
    mms.sendCode = 2, mms.sendPosition = 3;
    ASSERT_TRUE(MmsFileWriter::write(dir.path(), mms, MmsTexts{}, kEnglish, messages).written);
    ASSERT_TRUE(
        SmtpFileWriter::write(dir.path(), SmtpHeaderValues{}, SmtpTexts{}, kEnglish, messages)
            .written);

    const std::vector<std::string_view> args{"--model", "4", dir.path()};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(InspectCommand{}.execute(args, out, err), 0) << out.str() << err.str();
    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace quorvex::inspect
