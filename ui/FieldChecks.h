// SPDX-License-Identifier: MIT
#pragma once

#include "core/InfoMessages.h"
#include "core/Language.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvex::ui {

// A number edit out of range, shared by every form; the two %d are the bounds, lower first.
inline constexpr Message kMessageIntegerRange{"Please enter an integer between %d and %d!",
                                              "请输入一个介于%d和%d之间的值!"};

// The dialog framework's own checks, in the interface language (the Chinese texts are the
// framework's own wording).
inline constexpr LocalizedText kFrameworkIntegerRequired{"请输入一个整数。",
                                                         "Please enter an integer.",
                                                         "Bitte geben Sie eine ganze Zahl ein.",
                                                         "Anna kokonaisluku.",
                                                         "Immettere un numero intero.",
                                                         "Veuillez entrer un nombre entier.",
                                                         "Adjon meg egy egész számot.",
                                                         "Vnesite celo število.",
                                                         "Zadejte celé číslo.",
                                                         "整数を入力してください。",
                                                         "Įveskite sveikąjį skaičių.",
                                                         "Wprowadź liczbę całkowitą.",
                                                         "Lütfen bir tam sayı girin.",
                                                         "Введіть ціле число.",
                                                         "Введите целое число."};
// %1 and %2 are the bounds.
inline constexpr LocalizedText kFrameworkIntegerRange{
    "请输入一个 %1 至 %2 之间的整数。",
    "Please enter an integer between %1 and %2.",
    "Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.",
    "Anna kokonaisluku väliltä %1–%2.",
    "Immettere un numero intero compreso tra %1 e %2.",
    "Veuillez entrer un nombre entier compris entre %1 et %2.",
    "Adjon meg egy egész számot %1 és %2 között.",
    "Vnesite celo število med %1 in %2.",
    "Zadejte celé číslo od %1 do %2.",
    "%1 から %2 までの整数を入力してください。",
    "Įveskite sveikąjį skaičių nuo %1 iki %2.",
    "Wprowadź liczbę całkowitą z zakresu od %1 do %2.",
    "Lütfen %1 ile %2 arasında bir tam sayı girin.",
    "Введіть ціле число від %1 до %2.",
    "Введите целое число от %1 до %2."};
// %1 is the character limit.
inline constexpr LocalizedText kFrameworkTooManyCharacters{
    "输入的字符请不要多于 %1 个。",
    "Please enter no more than %1 characters.",
    "Bitte geben Sie höchstens %1 Zeichen ein.",
    "Syötä enintään %1 merkkiä.",
    "Immettere al massimo %1 caratteri.",
    "Veuillez entrer au plus %1 caractères.",
    "Legfeljebb %1 karaktert adjon meg.",
    "Vnesite največ %1 znakov.",
    "Zadejte nejvýše %1 znaků.",
    "%1 文字以内で入力してください。",
    "Įveskite ne daugiau kaip %1 simbolių.",
    "Wprowadź nie więcej niż %1 znaków.",
    "Lütfen en fazla %1 karakter girin.",
    "Введіть не більше ніж %1 символів.",
    "Введите не более %1 символов."};

// ValidateIntRange: passes when min <= value <= max; otherwise shows the range message with the
// bounds filled in and fails.
bool validateIntRange(int value, int min, int max, LanguageId language, InfoMessages& messages);

// The integer of a number edit as the dialog framework reads it: an optional minus sign and digits,
// nothing else; nullopt for an empty text, other characters or a value beyond int.
std::optional<int> parseEditInteger(std::string_view text);

// "%d" placeholders filled in order (the range message's own format; nothing else is expanded).
std::string formatPercentD(std::string_view format, int first, int second);

// The framework's message for a text over its limit, "%1" being the limit.
std::string tooManyCharactersText(int limit, LanguageId language);
// The framework's message for a number out of its range.
std::string frameworkRangeText(int min, int max, LanguageId language);

} // namespace quorvex::ui
