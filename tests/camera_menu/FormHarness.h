// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraMenuForm.h"
#include "camera_menu/ClockFields.h"
#include "ui/AppContext.h"
#include "ui/MemoryHost.h"

#include "support/NoPreferences.h"
#include "support/TempDir.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace quorvex::testing {

// CRC-16/XMODEM bit by bit, independent of the program's table.
inline std::uint16_t referenceCrc(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0;
    for (std::uint8_t b : bytes) {
        crc ^= static_cast<std::uint16_t>(b << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

// The whole file for a payload given as bytes 0-55: the checksum and CR LF appended.
inline std::vector<std::uint8_t> sealed(const std::array<std::uint8_t, 56>& bytes) {
    std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
    const std::uint16_t crc = referenceCrc(std::span(bytes).first(50));
    file.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    file.push_back(static_cast<std::uint8_t>(crc >> 8));
    file.push_back(13);
    file.push_back(10);
    return file;
}

// One camera form in the in-memory host, driven like a user would, writing into a fresh folder.
class FormHarness {
  public:
    explicit FormHarness(int modelId, LanguageId language = kEnglish)
        : m_transcript(m_out), m_host(m_transcript), m_context{AppState{}, m_store, m_host} {
        m_context.state.modelId = modelId;
        m_context.state.languageId = language;
        m_host.fixClock({2024, 5, 6, 13, 45, 9});
    }

    AppState& state() { return m_context.state; }
    AppContext& context() { return m_context; }
    ui::MemoryHost& host() { return m_host; }
    camera_menu::ClockFields& clock() { return m_clock; }
    const std::string& folder() const { return m_dir.path(); }
    std::string file() const { return m_dir.file("menu.dat"); }

    // Creates the form, opens it, runs `actions` while it is open, then leaves with Exit.
    template <typename Form> void run(const std::function<void(ui::MemoryHost&, Form&)>& actions) {
        Form form(m_context, m_clock);
        bool done = false;
        m_host.setStep([&](ui::ScriptedHost& h) {
            if (!done) {
                done = true;
                actions(m_host, form);
            }
            h.userClick(2);
            return true;
        });
        m_host.run(form);
    }

    // Chooses the harness folder with "Select".
    void chooseFolder(ui::MemoryHost& host) {
        host.queueFolder(m_dir.path());
        host.userClick(1057);
    }

    // The driver's lines: "message ...", "wrote ...", "window ...".
    std::vector<std::string> lines() const {
        std::vector<std::string> all;
        std::istringstream in(m_out.str());
        for (std::string line; std::getline(in, line);)
            all.push_back(line);
        return all;
    }
    // The transcript's quoting undone: "\\\\" and "\\\"" stand for one character each.
    static std::string unquoted(const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i)
            out += text[i] == '\\' && i + 1 < text.size() ? text[++i] : text[i];
        return out;
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> found;
        for (const std::string& line : lines())
            if (line.rfind("message ", 0) == 0)
                found.push_back(unquoted(line.substr(9, line.size() - 10)));
        return found;
    }

    std::vector<std::uint8_t> written() const { return readBytes(file()); }

  private:
    std::ostringstream m_out;
    ui::Transcript m_transcript;
    ui::MemoryHost m_host;
    NoPreferences m_store;
    AppContext m_context;
    camera_menu::ClockFields m_clock;
    TempDir m_dir;
};

} // namespace quorvex::testing
