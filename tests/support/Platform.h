// SPDX-License-Identifier: MIT
#pragma once

#include "core/SystemText.h"

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

// What differs between the systems the tests run on: the system's own reasons, and facilities a
// test needs that one system lacks (such a test is skipped there with the reason, not left out).
namespace quorvex::testing {

// The reason the system gives for a file in a folder that does not exist.
inline std::string missingFolderReason() {
#ifdef _WIN32
    return windowsErrorText(ERROR_PATH_NOT_FOUND);
#else
    return errnoText(ENOENT);
#endif
}

// The reason the system gives for a file name that a folder already has.
inline std::string folderInTheWayReason() {
#ifdef _WIN32
    return windowsErrorText(ERROR_ACCESS_DENIED);
#else
    return errnoText(EISDIR);
#endif
}

} // namespace quorvex::testing

#ifdef _WIN32
#define QUORVEX_SKIP_ON_WINDOWS(reason) GTEST_SKIP() << (reason)
#else
#define QUORVEX_SKIP_ON_WINDOWS(reason) static_cast<void>(0)
#endif

// Making links needs a privilege that ordinary Windows accounts lack.
#define QUORVEX_SKIP_WITHOUT_LINKS() QUORVEX_SKIP_ON_WINDOWS("making links needs a privilege")
