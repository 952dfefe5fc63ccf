// SPDX-License-Identifier: MIT
// libFuzzer target that hands the same bytes to the three readers of a card (the inspector,
// "Load from card" and quorvex-write reading the inspector's JSON) and stops at the first input
// they disagree on.
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/ThreeReaders.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto input = quorvex::testing::fuzzInput(data, size);
    if (!input)
        return 0;
    const std::string why =
        quorvex::testing::readersDisagree(input->kind, input->file, input->modelId);
    if (!why.empty()) {
        std::fprintf(stderr, "readers disagree: %s\n", why.c_str());
        std::abort();
    }
    return 0;
}
