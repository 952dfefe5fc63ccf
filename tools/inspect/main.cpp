// SPDX-License-Identifier: MIT
#include "tools/inspect/InspectCommand.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return quorvex::inspect::InspectCommand{}.execute(args, std::cout, std::cerr);
}
