// SPDX-License-Identifier: MIT
#include "tools/script/ScriptInterpreter.h"

#include "ui/MemoryHost.h"

#include "support/Platform.h"
#include "support/TempDir.h"

#include "support/Environment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quorvex {
namespace {

struct Driver {
    int run(std::istream& script) {
        testing::setEnvironment("QUORVEX_PREFERENCES", dir.file("prefs"));
        script::ScriptInterpreter interpreter(script, errors, host, transcript, forms);
        const int status = interpreter.run();
        testing::unsetEnvironment("QUORVEX_PREFERENCES");
        return status;
    }

    testing::TempDir dir;
    std::ostringstream out, errors;
    ui::Transcript transcript{out};
    ui::MemoryHost host{transcript};
    FormRegistry forms;
};

// A folder opens like a file but cannot be read: that is bad usage, not an empty script.
TEST(ScriptInterpreter, AScriptThatCannotBeReadIsNotAnEmptyOne) {
    QUORVEX_SKIP_ON_WINDOWS("Windows opens no folder as a file");
    Driver driver;
    std::ifstream folder(driver.dir.path());
    ASSERT_TRUE(folder.is_open());
    EXPECT_EQ(driver.run(folder), 2);
    EXPECT_EQ(driver.out.str(), "");
    EXPECT_EQ(driver.errors.str(), "error: cannot read the script after line 0\n");
}

TEST(ScriptInterpreter, AnEmptyScriptRunsToItsEnd) {
    Driver driver;
    std::istringstream empty("# nothing but a comment\n\n");
    EXPECT_EQ(driver.run(empty), 0);
    EXPECT_EQ(driver.errors.str(), "");
}

} // namespace
} // namespace quorvex
