// SPDX-License-Identifier: MIT
#include "core/SystemText.h"
#include "tools/write/WriteCommand.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    // UTF-8 on every system (Windows hands narrow arguments over in its ANSI code page).
    const std::vector<std::string> arguments = quorvex::commandLineArguments(argc, argv);
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
    return quorvex::write::WriteCommand{}.execute(args, std::cin, std::cout, std::cerr);
}
