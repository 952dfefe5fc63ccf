// SPDX-License-Identifier: MIT
#include "ui/FieldChecks.h"

#include <charconv>

namespace quorvex::ui {

std::string formatPercentD(std::string_view format, int first, int second) {
    std::string out;
    int used = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'd' && used < 2) {
            out += std::to_string(used++ == 0 ? first : second);
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

bool validateIntRange(int value, int min, int max, LanguageId language, InfoMessages& messages) {
    if (value >= min && value <= max)
        return true;
    messages.showInfoMessage(formatPercentD(messageFor(kMessageIntegerRange, language), min, max));
    return false;
}

std::optional<int> parseEditInteger(std::string_view text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

std::string frameworkRangeText(int min, int max, LanguageId language) {
    std::string out(textFor(kFrameworkIntegerRange, language));
    for (const auto& [mark, value] : {std::pair{"%1", min}, std::pair{"%2", max}})
        if (const auto at = out.find(mark); at != std::string::npos)
            out.replace(at, 2, std::to_string(value));
    return out;
}

std::string tooManyCharactersText(int limit, LanguageId language) {
    std::string out(textFor(kFrameworkTooManyCharacters, language));
    const auto at = out.find("%1");
    if (at != std::string::npos)
        out.replace(at, 2, std::to_string(limit));
    return out;
}

} // namespace quorvex::ui
