// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <type_traits>

namespace quorvex {

// 1 Chinese, 2 English, 3 German ... 15 Russian; the same number is the camera's language byte.
using LanguageId = int;
inline constexpr int kLanguageCount = 15;
inline constexpr LanguageId kChinese = 1;
inline constexpr LanguageId kEnglish = 2;

inline constexpr bool isValidLanguage(long long id) {
    return id >= 1 && id <= kLanguageCount;
}

// One text per language, in LanguageId order. The constructor takes exactly fifteen texts, so a
// table that forgets a language does not compile.
class LocalizedText {
  public:
    template <typename... Texts>
    requires(sizeof...(Texts) == kLanguageCount &&
             (std::is_convertible_v<Texts, std::string_view> &&
              ...)) constexpr LocalizedText(Texts... texts)
        : m_texts{std::string_view(texts)...} {}

    // Out-of-range ids (never produced by the program) fall back to English instead of
    // reading outside the table.
    constexpr std::string_view operator[](LanguageId id) const {
        return m_texts[static_cast<std::size_t>(isValidLanguage(id) ? id - 1 : kEnglish - 1)];
    }

  private:
    std::array<std::string_view, kLanguageCount> m_texts;
};

// An option list: one LocalizedText per option, in list order.
using OptionList = std::span<const LocalizedText>;

constexpr std::string_view textFor(const LocalizedText& text, LanguageId id) {
    return text[id];
}

constexpr std::string_view textFor(OptionList options, LanguageId id, std::size_t index) {
    return index < options.size() ? options[index][id] : std::string_view{};
}

// Message boxes exist in two languages only: Chinese for LanguageId 1, English otherwise.
struct Message {
    std::string_view english;
    std::string_view chinese;
};

constexpr std::string_view messageFor(const Message& message, LanguageId id) {
    return id == kChinese ? message.chinese : message.english;
}

} // namespace quorvex
