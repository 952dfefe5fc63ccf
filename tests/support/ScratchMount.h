// SPDX-License-Identifier: MIT
#pragma once

#include "TempDir.h"

#include <string>

#ifdef __linux__
#include <sys/mount.h>
#endif

namespace quorvex::testing {

// A tiny tmpfs of its own (root only), to test a full or read-only card for real.
// mounted() is false where mounting is not allowed (not root, not Linux); such tests skip
// themselves.
class ScratchMount {
  public:
    explicit ScratchMount(std::size_t bytes) {
#ifdef __linux__
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
        m_mounted = ::mount("tmpfs", m_dir.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
#else
        (void)bytes;
#endif
    }
    ~ScratchMount() {
#ifdef __linux__
        if (m_mounted)
            ::umount2(m_dir.path().c_str(), MNT_DETACH);
#endif
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool mounted() const {
        return m_mounted;
    }
    const std::string& path() const {
        return m_dir.path();
    }
    std::string file(const std::string& name) const {
        return m_dir.file(name);
    }

    bool makeReadOnly() {
#ifdef __linux__
        return ::mount("tmpfs", m_dir.path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
#else
        return false;
#endif
    }

  private:
    TempDir m_dir;
    bool m_mounted = false;
};

} // namespace quorvex::testing
