// SPDX-License-Identifier: MIT
#pragma once

#include "tools/inspect/FileInspector.h"

#include <ostream>
#include <span>
#include <string>

namespace quorvex::inspect {

// 0 every file valid, 1 some file damaged, 2 some path could not be inspected.
int exitStatusFor(bool anyUnreadable, bool anyDamaged);
int exitStatusFor(const InspectResult& result);

// Where a problem or field sits: "byte 7" in menu.dat, "record 3, byte 57" in the others.
std::string locationText(FileKind kind, int record, int byte);

std::string renderText(const FileReport& report);

// {"files": [...], "errors": [...], "status": N} written piece by piece: each file's object goes
// out when it is given, so no report has to wait for the others.
class JsonDocumentWriter final {
  public:
    explicit JsonDocumentWriter(std::ostream& out) : m_out(out) {}
    void begin();
    void file(const FileReport& report);
    void end(std::span<const InspectError> errors, int status);

  private:
    std::ostream& m_out;
    bool m_anyFile = false;
};

std::string renderJson(const InspectResult& result);

} // namespace quorvex::inspect
