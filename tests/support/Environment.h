// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <string>

namespace quorvex::testing {

// Sets (or with no value, removes) an environment variable of this process, on every system.
inline void setEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    ::_putenv_s(name, value.c_str());
#else
    ::setenv(name, value.c_str(), 1);
#endif
}

inline void unsetEnvironment(const char* name) {
#ifdef _WIN32
    ::_putenv_s(name, ""); // an empty value removes the variable on Windows
#else
    ::unsetenv(name);
#endif
}

} // namespace quorvex::testing
