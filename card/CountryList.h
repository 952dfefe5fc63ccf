// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace quorvex {

// Each language row holds 44 names; the last one, a second Ukraine, is offered by no form.
inline constexpr std::size_t kCountryListLength = 44;
// The MMS forms offer countries 0-42.
inline constexpr std::size_t kCountryCount = 43;

using CountryRow = std::array<std::string_view, kCountryListLength>;

namespace country_list_detail {

inline constexpr CountryRow kEnglish{
    "China",       "United States",   "Deutschland", "United Kingdom", "Canada",
    "Sweden",      "Slovenia",        "Portugal",    "Turkey",         "Schweiz",
    "Spain",       "Slovakia",        "Russia",      "Romania",        "Poland",
    "Netherlands", "Italy",           "Ireland",     "Hungary",        "Greece",
    "France",      "Australia",       "Oesterreich", "Brazil",         "Bulgaria",
    "Croatia",     "Ceska republika", "Denmark",     "Finland",        "New Zealand",
    "Norway",      "South Africa",    "Egypt",       "Ukraine",        "Lithuania",
    "India",       "Latvia",          "Namibia",     "Estonia",        "Belgium",
    "Cyprus",      "Cayman Islands",  "Israel",      "Ukraine"};

inline constexpr CountryRow kPolish{
    "Chiny",     "Stany Zjednoczone", "Niemcy",    "Wielka Brytania",
    "Kanada",    "Szwecja",           "Słowenia",  "Portugalia",
    "Turcja",    "Szwajcaria",        "Hiszpania", "Słowacja",
    "Rosja",     "Rumunia",           "Polska",    "Holandia",
    "Włochy",    "Irlandia",          "Węgry",     "Grecja",
    "Francja",   "Australia",         "Austria",   "Brazylia",
    "Bułgaria",  "Chorwacja",         "Czechy",    "Dania",
    "Finlandia", "Nowa Zelandia",     "Norwegia",  "Afryka Południowa",
    "Egipt",     "Ukraina",           "Litwa",     "Indie",
    "Łotwa",     "Namibia",           "Estonia",   "Belgia",
    "Cypr",      "Kajmany",           "Izrael",    "Ukraina"};

inline constexpr CountryRow kTurkish{"Çin",
                                     "Amerika Birleşik Devletleri",
                                     "Almanya",
                                     "Birleşik Krallık",
                                     "Kanada",
                                     "İsveç",
                                     "Slovenya",
                                     "Portekiz",
                                     "Türkiye",
                                     "İsviçre",
                                     "İspanya",
                                     "Slovakya",
                                     "Rusya",
                                     "Romanya",
                                     "Polonya",
                                     "Hollanda",
                                     "İtalya",
                                     "İrlanda",
                                     "Macaristan",
                                     "Yunanistan",
                                     "Fransa",
                                     "Avustralya",
                                     "Avusturya",
                                     "Brezilya",
                                     "Bulgaristan",
                                     "Hırvatistan",
                                     "Çek Cumhuriyeti",
                                     "Danimarka",
                                     "Finlandiya",
                                     "Yeni Zelanda",
                                     "Norveç",
                                     "Güney Afrika",
                                     "Mısır",
                                     "Ukrayna",
                                     "Litvanya",
                                     "Hindistan",
                                     "Letonya",
                                     "Namibya",
                                     "Estonya",
                                     "Belçika",
                                     "Kıbrıs",
                                     "Cayman Adaları",
                                     "İsrail",
                                     "Ukrayna"};

inline constexpr CountryRow kRussian{
    "Китай",    "США",          "Германия", "Великобритания", "Канада",    "Швеция",
    "Словения", "Португалия",   "Турция",   "Швейцария",      "Испания",   "Словакия",
    "Россия",   "Румыния",      "Польша",   "Нидерланды",     "Италия",    "Ирландия",
    "Венгрия",  "Греция",       "Франция",  "Австралия",      "Австрия",   "Бразилия",
    "Болгария", "Хорватия",     "Чехия",    "Дания",          "Финляндия", "Новая Зеландия",
    "Норвегия", "Южная Африка", "Египет",   "Украина",        "Литва",     "Индия",
    "Латвия",   "Намибия",      "Эстония",  "Бельгия",        "Кипр",      "Каймановы острова",
    "Израиль",  "Украина"};

// Most languages keep the English names; a few change a single entry.
constexpr CountryRow withEntry(CountryRow row, std::size_t index, std::string_view name) {
    row[index] = name;
    return row;
}

} // namespace country_list_detail

// One row per LanguageId, in LanguageId order.
inline constexpr std::array<CountryRow, kLanguageCount> CountryList{
    country_list_detail::withEntry(country_list_detail::kEnglish, 0, "中国"),
    country_list_detail::kEnglish,
    country_list_detail::kEnglish,
    country_list_detail::kEnglish,
    country_list_detail::kEnglish,
    country_list_detail::kEnglish,
    country_list_detail::kEnglish,
    country_list_detail::withEntry(country_list_detail::kEnglish, 6, "Slovenija"),
    country_list_detail::kEnglish,
    country_list_detail::kEnglish,
    country_list_detail::kEnglish,
    country_list_detail::kPolish,
    country_list_detail::kTurkish,
    country_list_detail::withEntry(country_list_detail::kEnglish, 42, "Ізраїль"),
    country_list_detail::kRussian};

// The countries the MMS forms offer (entries 0-42 of the language's row). An unknown language
// gets the English names, as every LocalizedText does.
std::span<const std::string_view, kCountryCount> countryNames(LanguageId language);

// Any of the 44 entries of a row, including the unlisted second Ukraine; empty past the row.
std::string_view countryName(LanguageId language, std::size_t country);

} // namespace quorvex
