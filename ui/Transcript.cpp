// SPDX-License-Identifier: MIT
#include "ui/Transcript.h"

#include <algorithm>

#include "ui/ScriptedHost.h"

namespace quorvex::ui {

std::string Transcript::quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

void Transcript::windowShown(std::string_view className, std::string_view title) {
    m_out << "window " << className << ' ' << quoted(title) << '\n' << std::flush;
}

void Transcript::windowClosed(std::string_view className) {
    m_out << "closed " << className << '\n' << std::flush;
}

void Transcript::box(std::string_view kind, std::string_view text) {
    std::string_view prefix = kind;
    for (;;) {
        const auto end = text.find('\n');
        m_out << prefix << ' ' << quoted(text.substr(0, end)) << '\n';
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
        prefix = " ";
    }
    m_out << std::flush;
}

void Transcript::message(std::string_view text) {
    box("message", text);
}

void Transcript::warning(std::string_view text) {
    box("warning", text);
}

void Transcript::bytes(std::string_view path, std::string_view content) {
    static constexpr char kHex[] = "0123456789abcdef";
    m_out << "bytes " << path << ' ' << content.size() << '\n';
    for (std::size_t at = 0; at < content.size(); at += 20) {
        std::string line = " ";
        for (std::size_t i = at; i < std::min(content.size(), at + 20); ++i) {
            const auto b = static_cast<unsigned char>(content[i]);
            line += ' ';
            line += kHex[b >> 4];
            line += kHex[b & 15];
        }
        m_out << line << '\n';
    }
    m_out << std::flush;
}

void Transcript::wrote(std::string_view path, std::size_t size) {
    m_out << "wrote " << path << ' ' << size << '\n' << std::flush;
}

void Transcript::absent(std::string_view path) {
    m_out << "absent " << path << '\n' << std::flush;
}

void Transcript::openUrl(std::string_view url) {
    m_out << "open-url " << url << '\n' << std::flush;
}

void Transcript::focus(int id) {
    m_out << "focus " << id << '\n' << std::flush;
}

void Transcript::programEnded() {
    m_out << "end\n" << std::flush;
}

void Transcript::control(const ControlState& c) {
    auto flag = [](bool b) { return b ? "1" : "0"; };
    m_out << "control " << c.id << ' ';
    switch (c.kind) {
    case ControlKind::Edit:
        m_out << "edit text=" << quoted(c.text) << " readonly=" << flag(c.readOnly)
              << " enabled=" << flag(c.enabled);
        break;
    case ControlKind::List: {
        m_out << "list items=[";
        for (std::size_t i = 0; i < c.items.size(); ++i)
            m_out << (i ? "," : "") << quoted(c.items[i]);
        m_out << "] selected=" << c.selected << " enabled=" << flag(c.enabled);
        break;
    }
    case ControlKind::Button:
        m_out << "button text=" << quoted(c.text) << " enabled=" << flag(c.enabled);
        break;
    case ControlKind::Static:
    case ControlKind::GroupBox:
        m_out << "static text=" << quoted(c.text);
        break;
    }
    m_out << " visible=" << flag(c.visible) << " name=" << quoted(c.name) << '\n' << std::flush;
}

} // namespace quorvex::ui
