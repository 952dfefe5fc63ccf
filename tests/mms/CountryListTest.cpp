// SPDX-License-Identifier: MIT
#include "card/CountryList.h"
#include "mms/OtherText.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

namespace quorvex {
namespace {

const std::vector<std::string_view> kEnglishNames{
    "China",       "United States",   "Deutschland", "United Kingdom", "Canada",
    "Sweden",      "Slovenia",        "Portugal",    "Turkey",         "Schweiz",
    "Spain",       "Slovakia",        "Russia",      "Romania",        "Poland",
    "Netherlands", "Italy",           "Ireland",     "Hungary",        "Greece",
    "France",      "Australia",       "Oesterreich", "Brazil",         "Bulgaria",
    "Croatia",     "Ceska republika", "Denmark",     "Finland",        "New Zealand",
    "Norway",      "South Africa",    "Egypt",       "Ukraine",        "Lithuania",
    "India",       "Latvia",          "Namibia",     "Estonia",        "Belgium",
    "Cyprus",      "Cayman Islands",  "Israel"};

std::vector<std::size_t> differencesFromEnglish(LanguageId language) {
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < kCountryListLength; ++i)
        if (countryName(language, i) != countryName(kEnglish, i))
            positions.push_back(i);
    return positions;
}

TEST(CountryList, FifteenRowsOfFortyFourNames) {
    ASSERT_EQ(CountryList.size(), 15u);
    for (const CountryRow& row : CountryList) {
        ASSERT_EQ(row.size(), 44u);
        for (std::string_view name : row)
            EXPECT_FALSE(name.empty());
    }
    for (LanguageId language = 1; language <= kLanguageCount; ++language)
        EXPECT_EQ(countryNames(language).size(), 43u) << "language " << language;
}

TEST(CountryList, EnglishNamesInIndexOrder) {
    const auto names = countryNames(kEnglish);
    ASSERT_EQ(names.size(), kEnglishNames.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(names[i], kEnglishNames[i]) << "index " << i;
    // The unlisted last entry repeats Ukraine.
    EXPECT_EQ(countryName(kEnglish, 43), "Ukraine");
}

TEST(CountryList, LanguagesThatKeepTheEnglishNames) {
    for (LanguageId language : {3, 4, 5, 6, 7, 9, 10, 11})
        EXPECT_TRUE(differencesFromEnglish(language).empty()) << "language " << language;

    EXPECT_EQ(differencesFromEnglish(1), std::vector<std::size_t>{0});
    EXPECT_EQ(countryName(1, 0), "中国");
    EXPECT_EQ(differencesFromEnglish(8), std::vector<std::size_t>{6});
    EXPECT_EQ(countryName(8, 6), "Slovenija");
    EXPECT_EQ(differencesFromEnglish(14), std::vector<std::size_t>{42});
    EXPECT_EQ(countryName(14, 42), "Ізраїль");
}

TEST(CountryList, PolishTurkishAndRussianAreTranslated) {
    EXPECT_EQ(countryName(12, 0), "Chiny");
    EXPECT_EQ(countryName(12, 2), "Niemcy");
    EXPECT_EQ(countryName(12, 14), "Polska");
    EXPECT_EQ(countryName(12, 22), "Austria");
    EXPECT_EQ(countryName(13, 0), "Çin");
    EXPECT_EQ(countryName(13, 8), "Türkiye");
    EXPECT_EQ(countryName(13, 41), "Cayman Adaları");
    EXPECT_EQ(countryName(15, 0), "Китай");
    EXPECT_EQ(countryName(15, 12), "Россия");
    EXPECT_EQ(countryName(15, 42), "Израиль");

    // Russian has no name in common with English; Polish and Turkish only the few names the
    // languages share ("Australia", "Namibia", "Estonia" in Polish).
    EXPECT_EQ(differencesFromEnglish(15).size(), kCountryListLength);
    EXPECT_GE(differencesFromEnglish(12).size(), kCountryListLength - 4);
    EXPECT_GE(differencesFromEnglish(13).size(), kCountryListLength - 4);
}

TEST(CountryList, TranslatedNamesAreDistinct) {
    // Apart from the second Ukraine, two entries with one name would be indistinguishable.
    for (LanguageId language = 1; language <= kLanguageCount; ++language) {
        const auto names = countryNames(language);
        for (std::size_t i = 0; i < names.size(); ++i)
            for (std::size_t j = i + 1; j < names.size(); ++j)
                EXPECT_NE(names[i], names[j]) << "language " << language << ", " << i << "/" << j;
        EXPECT_EQ(countryName(language, 43), countryName(language, 33)) << "language " << language;
    }
}

TEST(CountryList, LookupsNeverLeaveTheTable) {
    EXPECT_EQ(countryName(kEnglish, 44), "");
    EXPECT_EQ(countryName(kEnglish, std::numeric_limits<std::size_t>::max()), "");
    EXPECT_EQ(countryName(15, 44), "");
    // Unknown languages read the English row, like every other localised text.
    for (LanguageId language : {0, 16, -1, std::numeric_limits<int>::max()}) {
        EXPECT_EQ(countryName(language, 0), "China");
        EXPECT_EQ(countryNames(language).data(), countryNames(kEnglish).data());
    }
}

TEST(OtherText, OneEntryPerLanguage) {
    const std::vector<std::string_view> expected{"其他",   "Other", "Andere", "Muut",    "Altri",
                                                 "Autres", "egyéb", "Ostalo", "ostatní", "その他",
                                                 "kitas",  "Inne",  "Diğer",  "Інші",    "другое"};
    for (LanguageId language = 1; language <= kLanguageCount; ++language)
        EXPECT_EQ(textFor(OtherText, language), expected[static_cast<std::size_t>(language - 1)]);
}

} // namespace
} // namespace quorvex
