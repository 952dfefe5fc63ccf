// SPDX-License-Identifier: MIT
#pragma once

#include "TempDir.h"

#include <string>

#include <sys/mount.h>

namespace quorvex::testing {

// A tiny tmpfs of its own (root only), to test a full or read-only card for real.
// mounted() is false where mounting is not allowed; such tests skip themselves.
class ScratchMount {
  public:
    explicit ScratchMount(std::size_t bytes) {
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
        m_mounted = ::mount("tmpfs", m_dir.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~ScratchMount() {
        if (m_mounted)
            ::umount2(m_dir.path().c_str(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool mounted() const { return m_mounted; }
    const std::string& path() const { return m_dir.path(); }
    std::string file(const std::string& name) const { return m_dir.file(name); }

    bool makeReadOnly() {
        return ::mount("tmpfs", m_dir.path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
    }

  private:
    TempDir m_dir;
    bool m_mounted = false;
};

} // namespace quorvex::testing
