// SPDX-License-Identifier: MIT
// Profiles spoilt one field at a time are refused with that field named, and no card is touched.
#include "WriteHarness.h"

#include "card/MenuFileWriter.h"
#include "card/MmsFileWriter.h"
#include "card/RecordLayouts.h"
#include "card/SmtpFileWriter.h"

#include "support/RecordingMessages.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>

namespace quorvex::write::testing {
namespace {

using nlohmann::json;
using quorvex::testing::RecordingMessages;

// One card with all three files, as the forms of the P4MG write them, and its profile.
json goodProfile() {
    Folder card;
    RecordingMessages messages;
    const RecordLayout& layout = menuLayoutForModel(4);
    MenuValues values;
    for (const LayoutField& f : layout.fields)
        values.values[f.field] = f.min;
    values.values[MenuField::Interval] = 5;
    EXPECT_TRUE(writeMenuFile(buildMenuRecord(layout, values).value(), card.path(),
                              RecordKind::Configuration, MenuMessages{}, kEnglish, messages));
    MmsHeaderValues mms;
    mms.sendCode = 2;
    mms.sendPosition = 3;
    EXPECT_TRUE(MmsFileWriter::write(card.path(), mms,
                                     {"http://mms", "apn", "1.2.3.4", "80", "13812345678", "a@b.c",
                                      "acc", "pw", "", ""},
                                     kEnglish, messages)
                    .written);
    EXPECT_TRUE(SmtpFileWriter::write(
                    card.path(), SmtpHeaderValues{},
                    {"apn", "acc", "pw", "smtp.x", "25", "me@x.y", "pw", "123", "you@x.y"},
                    kEnglish, messages)
                    .written);
    return json::parse(inspectJson(card.path(), 4));
}

struct BadProfile {
    json profile;
    std::string field; // the field the refusal must name
    std::string what;
};

// Every spoilt copy of `good`: each field out of range, of the wrong type and each text without a
// code-page form; an unknown field added to each file.
std::vector<BadProfile> spoilt(const json& good) {
    std::vector<BadProfile> bad;
    auto each = [&](const std::function<void(std::size_t, json&)>& spoil) {
        for (std::size_t file = 0; file < good["files"].size(); ++file) {
            for (std::size_t i = 0; i < good["files"][file]["fields"].size(); ++i) {
                json copy = good;
                json& field = copy["files"][file]["fields"][i];
                const std::string before = field.dump();
                spoil(file, field);
                if (field.dump() != before)
                    bad.push_back({copy, field["name"], before + " -> " + field.dump()});
            }
        }
    };
    // Out of range: beyond the layout's range (menu.dat) or beyond a byte and then beyond what
    // the inspector accepts (headers).
    const RecordLayout& layout = menuLayoutForModel(4);
    each([&](std::size_t file, json& field) {
        if (!field["value"].is_number_integer())
            return;
        if (file == 0) {
            for (const LayoutField& f : layout.fields)
                if (f.name == field["name"])
                    field["value"] = f.kind == FieldKind::Interval ? 61 : f.max + 1;
        } else {
            field["value"] = 256;
        }
    });
    each([&](std::size_t file, json& field) {
        if (file != 0 && field["value"].is_number_integer() && field["name"] != "TV mode")
            field["value"] = field["value"].get<int>() + 100;
    });
    each([&](std::size_t file, json& field) {
        if (file == 0 && field["value"].is_number_integer())
            field["value"] = -1;
    });
    // Wrong type.
    each([](std::size_t, json& field) {
        if (field["value"].is_number_integer())
            field["value"] = std::to_string(field["value"].get<int>());
        else
            field["value"] = 7;
    });
    each([](std::size_t, json& field) {
        if (field["value"].is_number_integer())
            field["value"] = 1.5;
    });
    // No form in the camera's code page.
    each([](std::size_t file, json& field) {
        if (file != 0 && field["value"].is_string())
            field["value"] = "Zone " + std::string(field["value"]) + "\u20AC";
    });
    each([](std::size_t file, json& field) {
        if (file != 0 && field["value"].is_string())
            field["value"] = "\u4E2D";
    });
    // Unknown fields.
    for (std::size_t file = 0; file < good["files"].size(); ++file) {
        json copy = good;
        copy["files"][file]["fields"].push_back({{"name", "Flash"}, {"value", 1}});
        bad.push_back({copy, "Flash", "an added field"});
        copy = good;
        copy["files"][file]["fields"][1]["key"] = "colour";
        copy["files"][file]["fields"][1]["name"] = "Colour";
        bad.push_back({copy, "Colour", "a renamed field"});
        // A profile from before the keys names its fields by their labels alone.
        copy = good;
        copy["files"][file].erase("version");
        for (json& field : copy["files"][file]["fields"])
            field.erase("key");
        copy["files"][file]["fields"][1]["name"] = "Colour";
        bad.push_back({copy, "Colour", "a renamed field of a profile without keys"});
    }
    return bad;
}

TEST(BadProfile, EachIsRefusedWithItsFieldNamedAndNothingWritten) {
    const json good = goodProfile();
    ASSERT_EQ(good["files"].size(), 3u);
    Folder work;
    Folder card1;
    Folder card2;
    writeText(work.file("good.json"), good.dump());
    ASSERT_EQ(runWrite({"--dry-run", work.file("good.json"), card1.path()}).status, 0);

    const std::vector<BadProfile> bad = spoilt(good);
    EXPECT_GE(bad.size(), 100u);
    for (const BadProfile& b : bad) {
        writeText(work.file("bad.json"), b.profile.dump());
        for (const std::string clock : {"now", "keep"}) {
            const Outcome outcome =
                runWrite({"--clock", clock, work.file("bad.json"), card1.path(), card2.path()});
            EXPECT_EQ(outcome.status, 2) << b.what;
            EXPECT_NE(outcome.err.find("\"" + b.field + "\""), std::string::npos) << b.what << "\n"
                                                                                  << outcome.err;
            EXPECT_NE(outcome.err.find("nothing written"), std::string::npos) << outcome.err;
            EXPECT_EQ(outcome.out, "");
        }
        ASSERT_TRUE(card1.empty() && card2.empty()) << b.what;
    }
}

// Fields are matched by their keys, so a label worded anew breaks no profile; a profile written
// before the keys (no "version", labels only) is still read by its labels.
TEST(BadProfile, RewordedLabelsAndProfilesWithoutKeysAreNotBad) {
    const json good = goodProfile();
    json reworded = good;
    json unkeyed = good;
    for (std::size_t file = 0; file < good["files"].size(); ++file) {
        for (json& field : reworded["files"][file]["fields"])
            field["name"] = "Setting " + field["name"].get<std::string>();
        unkeyed["files"][file].erase("version");
        for (json& field : unkeyed["files"][file]["fields"]) {
            ASSERT_TRUE(field.contains("key")) << field.dump();
            field.erase("key");
        }
    }
    Folder work;
    Folder card;
    const auto dryRun = [&](const json& profile) {
        writeText(work.file("profile.json"), profile.dump());
        return runWrite({"--dry-run", "--clock", "keep", work.file("profile.json"), card.path()});
    };
    const Outcome expected = dryRun(good);
    ASSERT_EQ(expected.status, 0) << expected.err;
    for (const json& profile : {reworded, unkeyed}) {
        const Outcome outcome = dryRun(profile);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.out, expected.out);
    }
}

TEST(BadProfile, ProfilesThatAreNoProfile) {
    Folder work;
    Folder card;
    const json good = goodProfile();
    json damaged = good;
    damaged["files"][0]["valid"] = false;
    json twice = good;
    twice["files"][1] = good["files"][0];
    json noLayout = good;
    noLayout["files"][0].erase("layout");
    json repeated = good;
    repeated["files"][0]["fields"].push_back(good["files"][0]["fields"][0]);
    json otherLayout = good;
    otherLayout["files"][0]["layout"] = "K7";
    const std::vector<std::pair<std::string, std::string>> cases{
        {"{", "not JSON"},
        {"[]", "holds no file"},
        {R"({"files": []})", "holds no file"},
        {R"({"files": [{"kind": "photo.dat", "fields": []}]})", "field \"kind\""},
        {damaged.dump(), "damaged file"},
        {twice.dump(), "two files of this kind"},
        {noLayout.dump(), "field \"layout\": is missing"},
        {repeated.dump(), "field \"Capture mode\": is given twice"},
        {otherLayout.dump(), "field \"Side PIR\": unknown field: the K7 layout has none"},
    };
    for (const auto& [text, reason] : cases) {
        writeText(work.file("p.json"), text);
        const Outcome outcome = runWrite({work.file("p.json"), card.path()});
        EXPECT_EQ(outcome.status, 2) << text;
        EXPECT_NE(outcome.err.find(reason), std::string::npos) << outcome.err;
        EXPECT_TRUE(card.empty());
    }
    // With the model's layout given, a profile without one is read in it.
    writeText(work.file("p.json"), noLayout.dump());
    EXPECT_EQ(runWrite({"--model", "4", work.file("p.json"), card.path()}).status, 0);
}

TEST(BadProfile, ARecordTheModelsFormDoesNotWriteIsRefused) {
    Folder work;
    Folder card;
    writeText(work.file("p.json"), goodProfile().dump());
    // The K7 form fixes byte 9 (the P4's side PIR) to 1.
    const Outcome k7 = runWrite({"--model", "6", work.file("p.json"), card.path()});
    EXPECT_EQ(k7.status, 2);
    EXPECT_NE(k7.err.find("menu.dat, field \"Side PIR\": ModelId 6's camera form (K7 layout)"),
              std::string::npos)
        << k7.err;
    // The generic form of ModelId 0 has no P4 MMS form's SMS code.
    const Outcome none = runWrite({"--model", "0", work.file("p.json"), card.path()});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(card.empty());
}

} // namespace
} // namespace quorvex::write::testing
