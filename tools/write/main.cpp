// SPDX-License-Identifier: MIT
#include "tools/write/WriteCommand.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return quorvex::write::WriteCommand{}.execute(args, std::cin, std::cout, std::cerr);
}
