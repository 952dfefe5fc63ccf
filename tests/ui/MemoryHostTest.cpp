// SPDX-License-Identifier: MIT
#include "ui/MemoryHost.h"
#include "ui/Utf8.h"

#include "HostContract.h"

namespace quorvex::testing {
namespace {

struct MemoryHostFactory {
    static std::unique_ptr<ui::ScriptedHost> make(ui::Transcript& t) { return std::make_unique<ui::MemoryHost>(t); }
};
using Hosts = ::testing::Types<MemoryHostFactory>;
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, HostContract, Hosts);

TEST(MemoryHost, MovesAndFocusAreKeptPerControl) {
    std::ostringstream out;
    ui::Transcript transcript(out);
    ui::MemoryHost host(transcript);
    contract::RecordingDialog d;
    d.init = [](ui::DialogWindow& w) {
        w.moveBy(contract::kEdit, 0, 4);
        w.moveBy(contract::kEdit, 2, -14);
        w.setFocus(contract::kDigits);
    };
    host.setStep([](ui::ScriptedHost& h) {
        auto& m = static_cast<ui::MemoryHost&>(h);
        EXPECT_EQ(m.offset(contract::kEdit), (std::pair{2, -10}));
        EXPECT_EQ(m.offset(contract::kList), (std::pair{0, 0}));
        EXPECT_EQ(m.focus(), contract::kDigits);
        h.userClick(1);
        return true;
    });
    host.run(d);
}

TEST(Utf8, SplitsCharactersAndSurvivesBrokenBytes) {
    EXPECT_EQ(ui::splitUtf8("aé中😀"), (std::vector<std::string>{"a", "é", "中", "😀"}));
    EXPECT_EQ(ui::utf8Length("\xC3"), 1u);
    EXPECT_EQ(ui::utf8Length("\xE4\xB8x"), 3u);
    EXPECT_EQ(ui::utf8Length(""), 0u);
}

TEST(Transcript, QuotesBackslashesAndQuotes) {
    EXPECT_EQ(ui::Transcript::quoted("C:\\ \"x\""), "\"C:\\\\ \\\"x\\\"\"");
}

} // namespace
} // namespace quorvex::testing
