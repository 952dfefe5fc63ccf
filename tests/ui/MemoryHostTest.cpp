// SPDX-License-Identifier: MIT
#include "ui/MemoryHost.h"

#include "HostContract.h"

#include <deque>
#include <functional>

namespace quorvex::testing {
namespace {

struct MemoryHostFactory {
    static std::unique_ptr<ui::ScriptedHost> make(ui::Transcript& t) {
        return std::make_unique<ui::MemoryHost>(t);
    }
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

// Keys a single-line edit cannot take insert nothing; a broken byte arrives as U+FFFD; the limit
// counts UTF-16 units, so a character outside the BMP takes two.
TEST(MemoryHost, TypingTakesOnlyWhatAKeyboardCanPutIntoAnEdit) {
    std::ostringstream out;
    ui::Transcript transcript(out);
    ui::MemoryHost host(transcript);
    contract::RecordingDialog d;
    std::deque<std::function<void(ui::ScriptedHost&)>> actions{
        [](ui::ScriptedHost& h) {
            h.userType(contract::kEdit, "a\tb\x01\x7F\xC2\x85"
                                        "c");
        },
        [](ui::ScriptedHost& h) { h.userType(contract::kEdit, "\xFF\xC0\x80\xED\xA0\x80x"); },
        [](ui::ScriptedHost& h) {
            h.userType(contract::kLimited, "\xF0\x9F\x98\x80\xF0\x9F\x98\x80z");
        },
        [](ui::ScriptedHost& h) {
            h.userType(contract::kDigits, std::string_view("\0"
                                                           "7",
                                                           2));
        },
        [](ui::ScriptedHost& h) { h.userClick(1); }};
    host.setStep([&](ui::ScriptedHost& h) {
        if (actions.empty())
            return false;
        auto action = std::move(actions.front());
        actions.pop_front();
        action(h);
        return true;
    });
    host.run(d);
    const std::string bad = "\xEF\xBF\xBD";
    EXPECT_EQ(d.events, (std::vector<std::string>{
                            "change 10 a", "change 10 ab", "change 10 abc", "change 10 " + bad,
                            "change 10 " + bad + bad, "change 10 " + bad + bad + bad,
                            "change 10 " + bad + bad + bad + "x", "change 12 \xF0\x9F\x98\x80",
                            "change 12 \xF0\x9F\x98\x80z", "change 11 7", "click 1"}));
}

TEST(Transcript, QuotesBackslashesAndQuotes) {
    EXPECT_EQ(ui::Transcript::quoted("C:\\ \"x\""), "\"C:\\\\ \\\"x\\\"\"");
}

} // namespace
} // namespace quorvex::testing
