// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace quorvex::ui {

struct ControlState;

// The driver's account of what a person sees, one line per event. Both hosts write through it,
// so their transcripts can be compared line by line.
class Transcript {
  public:
    explicit Transcript(std::ostream& out) : m_out(out) {}

    void windowShown(std::string_view className, std::string_view title);
    void windowClosed(std::string_view className);
    // A message box: its first line after the word, every further line indented on a line of
    // its own.
    void message(std::string_view text);
    // The same for a box with the warning icon.
    void warning(std::string_view text);
    void wrote(std::string_view path, std::size_t size);
    // A file's bytes in hexadecimal, 20 to a line, so a scenario checks what it wrote.
    void bytes(std::string_view path, std::string_view content);
    // A file the scenario checked is not there.
    void absent(std::string_view path);
    void openUrl(std::string_view url);
    void control(const ControlState& state);
    void focus(int id); // the control with the keyboard focus
    void programEnded();

    // Inside quotes a backslash and a double quote are written as \\ and \".
    static std::string quoted(std::string_view text);

  private:
    void box(std::string_view kind, std::string_view text);

    std::ostream& m_out;
};

} // namespace quorvex::ui
