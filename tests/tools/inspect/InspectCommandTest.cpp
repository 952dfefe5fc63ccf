// SPDX-License-Identifier: MIT
#include "tools/inspect/InspectCommand.h"

#include "SettingsFiles.h"
#include "core/ModelCatalogue.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace quorvex::inspect {
namespace {

using quorvex::testing::TempDir;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> args) {
    std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = InspectCommand{}.execute(views, out, err);
    return {status, out.str(), err.str()};
}

void writeBytes(const std::string& path, const testing::Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

testing::Bytes p4Menu() {
    std::array<std::uint8_t, 56> p{2, 2, 2};
    p[6] = 1, p[14] = 10, p[15] = 7, p[16] = 4, p[29] = 2, p[31] = 1, p[48] = 1;
    return testing::sealedMenu(p);
}

testing::Bytes setupFile() {
    testing::Plain h = testing::endedRecord();
    h[0] = 1, h[1] = 2, h[5] = 2, h[8] = 3, h[10] = 25, h[55] = 1;
    return testing::scrambledFile(h, {"http://mms", "apn", "1.2.3.4", "80", "", "", "", "", "", ""},
                                  0);
}

testing::Bytes smtpFile() {
    testing::Plain h = testing::endedRecord();
    h[2] = 1, h[5] = 2, h[6] = 1, h[7] = 1, h[8] = 3, h[55] = 1;
    return testing::scrambledFile(
        h, {"apn", "", "", "smtp", "25", "me@x.y", "", "", "me", "you@x.y"}, 15);
}

TEST(InspectCommand, ExitStatusesForValidDamagedAndUnreadable) {
    TempDir dir;
    writeBytes(dir.file("menu.dat"), p4Menu());
    EXPECT_EQ(run({"--model", "4", dir.file("menu.dat")}).status, 0);
    // Without a model selected the generic form offers neither Camera+Video nor a third video size.
    EXPECT_EQ(run({"--model=0", dir.file("menu.dat")}).status, 1);

    testing::Bytes damaged = p4Menu();
    damaged[20] = 99;
    writeBytes(dir.file("menu.dat"), damaged);
    const Outcome bad = run({"--model", "4", dir.file("menu.dat")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("DAMAGED (2 problems)\n    byte 56: the checksum holds"),
              std::string::npos)
        << bad.out;
    EXPECT_NE(bad.out.find("\n    byte 20: holds 99; Timer 1 start hour is stored as 0-23\n"),
              std::string::npos);

    const Outcome missing = run({dir.file("smtp.dat")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err,
              "quorvex-inspect: " + dir.file("smtp.dat") + ": No such file or directory\n");

    // Unreadable wins over damaged.
    EXPECT_EQ(run({dir.file("menu.dat"), dir.file("smtp.dat")}).status, 2);

    writeBytes(dir.file("notes.txt"), {1, 2, 3});
    const Outcome unknown = run({dir.file("notes.txt")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("is not named menu.dat, setup.dat or smtp.dat"), std::string::npos);
}

TEST(InspectCommand, WithoutAModelAMenuValidInSomeLayoutIsValid) {
    TempDir dir;
    std::array<std::uint8_t, 56> reset{255, 255, 255, 255};
    reset[48] = 1;
    writeBytes(dir.file("menu.dat"), testing::sealedMenu(reset));
    const Outcome factory = run({dir.file("menu.dat")});
    EXPECT_EQ(factory.status, 0) << factory.out;
    EXPECT_NE(factory.out.find(": menu.dat, 60 bytes, P4\n"), std::string::npos) << factory.out;
    EXPECT_NE(factory.out.find("\n  Factory-reset record of the P4 layout\n"), std::string::npos);
    EXPECT_NE(factory.out.find("\n  The record is valid in the layout of P4 (ModelId " +
                               modelsWithLayout(MenuLayoutId::P4) + "); "),
              std::string::npos);
    EXPECT_NE(
        factory.out.find("; K9 (K9MG) (ModelId " + modelsWithLayout(MenuLayoutId::K9MG) + ")"),
        std::string::npos);
    // A model given still reads the file by that model's form alone.
    EXPECT_EQ(run({"--model", "0", dir.file("menu.dat")}).status, 1);

    writeBytes(dir.file("menu.dat"), p4Menu());
    const auto json = nlohmann::json::parse(run({"--json", dir.file("menu.dat")}).out);
    EXPECT_EQ(json.at("status"), 0);
    // The P4 form's record is also one of the generic form's, read in the first layout it fits.
    const auto& notes = json.at("files").at(0).at("notes");
    EXPECT_NE(notes.back().get<std::string>().find("; P4 (ModelId "), std::string::npos) << notes;

    testing::Bytes none = p4Menu();
    none[20] = 99; // Timer 1 start hour
    writeBytes(dir.file("menu.dat"), testing::sealedMenu(std::span(none).first(56)));
    const Outcome damaged = run({dir.file("menu.dat")});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.out.find("\n    byte 20: holds 99; Timer 1 start hour is stored as 0-23\n"),
              std::string::npos)
        << damaged.out;
}

// Records everything written to it the moment it is written, as a terminal would show it.
class WatchedOutput final : public std::streambuf {
  public:
    explicit WatchedOutput(std::function<void(const std::string&)> onWrite)
        : m_onWrite(std::move(onWrite)) {}
    const std::string& text() const { return m_text; }

  protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            xsputn(&reinterpret_cast<const char&>(c), 1);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        m_text.append(s, static_cast<std::size_t>(n));
        m_onWrite(m_text);
        return n;
    }

  private:
    std::function<void(const std::string&)> m_onWrite;
    std::string m_text;
};

// Each file's report is out before the next file is read: once a report shows up, the next file
// is cut short, and the inspector must see it cut short.
TEST(InspectCommand, EachReportIsPrintedBeforeTheNextFileIsRead) {
    for (const bool json : {false, true}) {
        const std::array<TempDir, 3> dirs;
        std::vector<std::string> args{"--model", "4"};
        if (json)
            args.emplace_back("--json");
        for (const TempDir& dir : dirs) {
            writeBytes(dir.file("menu.dat"), p4Menu());
            args.push_back(dir.file("menu.dat"));
        }
        std::size_t seen = 0;
        WatchedOutput watched([&](const std::string& text) {
            // As the output shows the path: JSON escapes a Windows path's backslashes.
            const auto shown = [&](const TempDir& dir) {
                const std::string path = dir.file("menu.dat");
                return json ? nlohmann::json(path).dump() : path;
            };
            while (seen + 1 < dirs.size() && text.find(shown(dirs[seen])) != std::string::npos)
                writeBytes(dirs[++seen].file("menu.dat"), {1, 2, 3});
        });
        std::ostream out(&watched);
        std::ostringstream err;
        const std::vector<std::string_view> views(args.begin(), args.end());
        EXPECT_EQ(InspectCommand{}.execute(views, out, err), 1);
        EXPECT_EQ(seen, 2u) << json;
        if (!json) {
            for (std::size_t i = 0; i < dirs.size(); ++i)
                EXPECT_NE(watched.text().find(dirs[i].file("menu.dat") + ": menu.dat, " +
                                              (i ? "3" : "60") + " bytes, P4\n"),
                          std::string::npos)
                    << watched.text();
            continue;
        }
        // ...and the pieces make one document.
        const auto document = nlohmann::json::parse(watched.text());
        ASSERT_EQ(document.at("files").size(), 3u);
        EXPECT_EQ(document.at("files").at(0).at("valid"), true);
        EXPECT_EQ(document.at("files").at(1).at("size"), 3);
        EXPECT_EQ(document.at("files").at(2).at("size"), 3);
        EXPECT_EQ(document.at("status"), 1);
    }
    // A document with no file, only an error, is whole too.
    const Outcome missing = run({"--json", "/nonexistent/menu.dat"});
    const auto document = nlohmann::json::parse(missing.out);
    EXPECT_TRUE(document.at("files").empty());
    EXPECT_EQ(document.at("errors").at(0).at("path"), "/nonexistent/menu.dat");
    EXPECT_EQ(document.at("status"), 2);
}

TEST(InspectCommand, UsageErrors) {
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({"--model"}).status, 2);
    EXPECT_EQ(run({"--model", "18", "menu.dat"}).status, 2);
    EXPECT_EQ(run({"--model", "4x", "menu.dat"}).status, 2);
    EXPECT_EQ(run({"--model", "-1", "menu.dat"}).status, 2);
    EXPECT_EQ(run({"--modell", "menu.dat"}).status, 2);
    const Outcome unknown = run({"--frobnicate", "menu.dat"});
    EXPECT_EQ(unknown.err.substr(0, unknown.err.find('\n')),
              "quorvex-inspect: unknown option --frobnicate");
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, 52), "usage: quorvex-inspect [--model N] [--json] PATH...\n");
}

TEST(InspectCommand, AFolderInspectsEachSettingsFileItHolds) {
    TempDir dir;
    writeBytes(dir.file("MENU.DAT"), p4Menu()); // FAT cards may show upper-case names
    writeBytes(dir.file("setup.dat"), setupFile());
    writeBytes(dir.file("smtp.dat"), smtpFile());
    writeBytes(dir.file("other.dat"), {1});
    const Outcome all = run({"--model", "4", dir.path()});
    EXPECT_EQ(all.status, 1) << all.out; // ModelId 4 opens the P4 SMTP form; this smtp.dat is K4
    const auto menuAt = all.out.find(dir.file("MENU.DAT") + ": menu.dat");
    const auto setupAt = all.out.find(dir.file("setup.dat") + ": setup.dat");
    const auto smtpAt = all.out.find(dir.file("smtp.dat") + ": smtp.dat");
    ASSERT_NE(menuAt, std::string::npos);
    ASSERT_NE(setupAt, std::string::npos);
    ASSERT_NE(smtpAt, std::string::npos);
    EXPECT_LT(menuAt, setupAt);
    EXPECT_LT(setupAt, smtpAt);
    EXPECT_EQ(all.out.find("other.dat"), std::string::npos);

    EXPECT_EQ(run({"--model", "3", dir.path()}).status, 1); // ...and the menu.dat is a P4 one
    EXPECT_EQ(run({"--model", "4", dir.file("MENU.DAT"), dir.file("setup.dat")}).status, 0);
    EXPECT_EQ(run({"--model", "9", dir.file("setup.dat"), dir.file("smtp.dat")}).status, 0);

    TempDir empty;
    const Outcome none = run({empty.path()});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err,
              "quorvex-inspect: " + empty.path() + ": holds no menu.dat, setup.dat or smtp.dat\n");
}

TEST(InspectCommand, JsonHoldsTheValues) {
    TempDir dir;
    writeBytes(dir.file("menu.dat"), p4Menu());
    writeBytes(dir.file("setup.dat"), setupFile());
    testing::Bytes damaged = smtpFile();
    damaged[700] = 1;
    writeBytes(dir.file("smtp.dat"), damaged);
    const Outcome result = run({"--json", "--model", "9", dir.path()});
    EXPECT_EQ(result.status, 1);
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json.at("status"), 1);
    ASSERT_EQ(json.at("files").size(), 3u);

    const auto& menu = json.at("files").at(0);
    EXPECT_EQ(menu.at("kind"), "menu.dat");
    EXPECT_EQ(menu.at("valid"), false); // ModelId 9 is a K7: no beep, and byte 9 must be 1
    const auto& setup = json.at("files").at(1);
    EXPECT_EQ(setup.at("valid"), true);
    EXPECT_EQ(setup.at("size"), 720);
    bool sawUrl = false;
    for (const auto& field : setup.at("fields")) {
        if (field.at("name") == "MMSC URL") {
            EXPECT_EQ(field.at("value"), "http://mms");
            EXPECT_EQ(field.at("record"), 1);
            sawUrl = true;
        }
        if (field.at("name") == "SMS remote control") {
            EXPECT_EQ(field.at("value"), 25);
            EXPECT_EQ(field.at("meaning"), "Off");
        }
    }
    EXPECT_TRUE(sawUrl);
    const auto& smtp = json.at("files").at(2);
    EXPECT_EQ(smtp.at("valid"), false);
    ASSERT_EQ(smtp.at("problems").size(), 1u);
    EXPECT_EQ(smtp.at("problems").at(0).at("record"), 11);
    EXPECT_EQ(smtp.at("problems").at(0).at("byte"), 40);

    const Outcome p4 = run({"--json", "--model", "4", dir.file("menu.dat")});
    EXPECT_EQ(p4.status, 0);
    const auto menuJson = nlohmann::json::parse(p4.out).at("files").at(0);
    std::map<std::string, nlohmann::json> byName;
    for (const auto& field : menuJson.at("fields"))
        byName[field.at("name")] = field;
    EXPECT_EQ(byName.at("Image size").at("value"), 2);
    EXPECT_EQ(byName.at("Image size").at("meaning"), "2MP");
    EXPECT_EQ(byName.at("Video size").at("meaning"), "640x480");
    EXPECT_EQ(byName.at("Interval").at("value"), 1);
    EXPECT_EQ(byName.at("Interval").at("unit"), "minutes");
    EXPECT_EQ(byName.at("Clock").at("value"), "2020-07-04 00:00:00");
    EXPECT_EQ(byName.at("Beep sound").at("meaning"), "On");
    EXPECT_EQ(byName.at("Video length").at("stored"), 0);
    EXPECT_EQ(byName.at("Video length").at("value"), 1);
}

TEST(InspectCommand, JsonStaysValidForAnyPathBytes) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows names are UTF-16: no folder name holds bytes that are not UTF-8";
#else
    TempDir dir;
    const std::string odd = dir.path() + "/\xff\x01";
    ::mkdir(odd.c_str(), 0700);
    writeBytes(odd + "/menu.dat", {1, 2, 3});
    const Outcome result = run({"--json", odd});
    EXPECT_EQ(result.status, 1);
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json.at("files").at(0).at("problems").at(0).at("reason"),
              "the file has 3 bytes; menu.dat has 60");
    EXPECT_EQ(run({odd}).out.substr(dir.path().size(), 12), "/\\xFF\\x01/me");
#endif
}

TEST(InspectCommand, NeitherHangsNorReadsWholeOnOddFiles) {
    TempDir dir;
#ifndef _WIN32 // Windows has no named pipes in the file system
    const std::string fifo = dir.file("menu.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Outcome pipe = run({fifo});
    EXPECT_EQ(pipe.status, 2);
    EXPECT_NE(pipe.err.find("not a regular file"), std::string::npos);
#endif

    TempDir big;
    {
        std::ofstream out(big.file("setup.dat"), std::ios::binary);
        out.seekp(100 * 1024 * 1024 - 1);
        out.put('\0');
    }
    const Outcome huge = run({big.file("setup.dat")});
    EXPECT_EQ(huge.status, 1);
    EXPECT_NE(huge.out.find("the file has 104857600 bytes; setup.dat has 720 (12 records of 60)"),
              std::string::npos);
}

} // namespace
} // namespace quorvex::inspect
