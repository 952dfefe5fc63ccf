// SPDX-License-Identifier: MIT
#include "card/GprsOperatorCatalogue.h"

#include "card/ScrambledSettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace quorvex {
namespace {

struct ExpectedRow {
    std::string_view country; // English name
    std::vector<std::string_view> operators;
};

// The Country and Operator lists as the SMTP forms must show them.
const std::vector<ExpectedRow>& expectedRows() {
    static const std::vector<ExpectedRow> rows{
        {"China", {"China Mobile", "China Unicom"}},
        {"United States", {"T-Mobile", "AT&T"}},
        {"Deutschland", {"Vodafone", "T-Mobile", "E-Plus", "O2"}},
        {"United Kingdom",
         {"Vodafone", "O2", "T-Mobile", "Orange", "3", "Virgin", "Tesco Mobile", "ASDA Mobile"}},
        {"Canada", {"Fido", "Rogers"}},
        {"Sweden", {"Telenor", "Telia", "Tele2"}},
        {"Slovenia", {"Mobitel", "Simobil", "izimobil", "Bob", "Telemach"}},
        {"Portugal", {"Optimus", "Vodafone"}},
        {"Turkey", {"Avea", "Turkcell"}},
        {"Schweiz", {"Orange", "Sunrise", "Swisscom"}},
        {"Spain", {"Amena", "Vodafone", "Telefonica", "Orange"}},
        {"Slovakia", {"T-Mobile", "Orange", "O2"}},
        {"Russia", {"Мегафон", "Билайн", "МТС", "Tele2"}},
        {"Romania", {"Orange"}},
        {"Poland", {"ERA", "Orange"}},
        {"Netherlands", {"T-Mobile", "Vodafone"}},
        {"Italy", {"TIM", "Vodafone", "WIND", "TRE"}},
        {"Ireland", {"Meteor", "Vodafone"}},
        {"Hungary", {"Pannon (contract)", "Vodafone", "T-Mobile"}},
        {"Greece", {"T-Cosmote", "Vodafone"}},
        {"France", {"Bouygues", "Orange"}},
        {"Australia", {"Optus", "Telstra", "Vodafone", "Three", "Virgin"}},
        {"Oesterreich", {"A1", "T-Mobile"}},
        {"Brazil", {"Brazil Telecom", "Claro"}},
        {"Bulgaria", {"Globul", "Mtel", "Vivacom"}},
        {"Croatia", {"VIPNet"}},
        {"Ceska republika", {"Eurotel", "O2", "T-Mobile", "Vodafone"}},
        {"Denmark", {"TDC", "Telia"}},
        {"Finland", {"Radiolinja", "DNA", "Sonera", "Elisa"}},
        {"New Zealand", {"Vodafone"}},
        {"Norway", {"Teila N", "Telenor", "Tele2", "NetworkNorway"}},
        {"South Africa", {"Cell C", "Vodacom", "MTN"}},
        {"Egypt", {"MobilNil", "Vodafone"}},
        {"Ukraine", {"KiyvStar", "MTS", "LIFE", "Beeline UA", "Vodafone-MTS"}},
        {"Lithuania", {"Omnitel", "Bite"}},
        {"India", {"Idea", "BPL", "Airtel", "VodaFone"}},
        {"Latvia", {"LMT"}},
        {"Namibia", {"MTC"}},
        {"Estonia", {"EMT", "ELISA", "TELE2"}},
        {"Belgium", {"Proximus", "Mobistar", "Base"}},
        {"Cyprus", {"Cyta"}},
        {"Israel", {"Golan Telecom"}},
    };
    return rows;
}

std::vector<std::string_view> toVector(std::span<const std::string_view> names) {
    return {names.begin(), names.end()};
}

TEST(GprsOperatorCatalogue, HasFortyTwoRowsAndOneHundredSixteenOperators) {
    ASSERT_EQ(expectedRows().size(), kGprsCountryCount);
    EXPECT_EQ(gprsCountryNames(kEnglish).size(), 42u);

    std::size_t total = 0;
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        total += gprsOperatorCount(row);
    EXPECT_EQ(total, 116u);

    ASSERT_EQ(GprsOperatorCount.size(), 44u);
    EXPECT_EQ(GprsOperatorCount[42], 0);
    EXPECT_EQ(GprsOperatorCount[43], 0);
}

TEST(GprsOperatorCatalogue, EveryRowListsItsOperatorsInSlotOrder) {
    for (std::size_t row = 0; row < kGprsCountryCount; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const ExpectedRow& expected = expectedRows()[row];
        EXPECT_EQ(gprsCountryName(kEnglish, row), expected.country);
        EXPECT_EQ(toVector(gprsOperatorNames(row)), expected.operators);
        EXPECT_EQ(gprsOperatorCount(row), expected.operators.size());
        EXPECT_EQ(static_cast<std::size_t>(GprsOperatorCount[row]), expected.operators.size());
    }
}

TEST(GprsOperatorCatalogue, OperatorCountsAtTheExtremes) {
    EXPECT_EQ(gprsOperatorCount(3), 8u);
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        EXPECT_LE(gprsOperatorCount(row), gprsOperatorCount(3)) << "row " << row;

    std::vector<std::size_t> single;
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        if (gprsOperatorCount(row) == 1)
            single.push_back(row);
    EXPECT_EQ(single, (std::vector<std::size_t>{13, 25, 29, 36, 37, 40, 41}));
}

TEST(GprsOperatorCatalogue, RowZeroIsChinaMobileAndChinaUnicomWithoutCredentials) {
    EXPECT_EQ(gprsConnection(0, 0), (GprsConnection{"cmnet", "", ""}));
    EXPECT_EQ(gprsConnection(0, 1), (GprsConnection{"uninet", "", ""}));
    EXPECT_EQ(gprsOperatorCount(0), 2u);
}

TEST(GprsOperatorCatalogue, NamesKeepTheirExactBytes) {
    // Cyrillic names are stored as UTF-8 and must not be transliterated.
    EXPECT_EQ(gprsOperatorNames(12)[0], "\xD0\x9C\xD0\xB5\xD0\xB3\xD0\xB0\xD1\x84\xD0\xBE\xD0\xBD");
    EXPECT_EQ(gprsOperatorNames(12)[2], "\xD0\x9C\xD0\xA2\xD0\xA1");
    EXPECT_EQ(gprsOperatorNames(1)[1], "AT&T");
    EXPECT_EQ(gprsOperatorNames(18)[0], "Pannon (contract)");
    EXPECT_EQ(gprsOperatorNames(30)[0], "Teila N");
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        for (std::string_view name : gprsOperatorNames(row)) {
            EXPECT_FALSE(name.empty()) << "row " << row;
            EXPECT_NE(name.back(), ' ') << "row " << row << " \"" << name << '"';
        }
}

TEST(GprsOperatorCatalogue, EveryConnectionFitsItsBoundsInPlainAscii) {
    const auto ascii = [](std::string_view text) {
        return std::all_of(text.begin(), text.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    };
    const auto noSurroundingSpace = [](std::string_view text) {
        return text.empty() || (text.front() != ' ' && text.back() != ' ');
    };
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        for (std::size_t slot = 0; slot < gprsOperatorCount(row); ++slot) {
            SCOPED_TRACE("row " + std::to_string(row) + " slot " + std::to_string(slot));
            const GprsConnection c = gprsConnection(row, slot);
            EXPECT_LE(c.apn.size(), 28u);
            EXPECT_LE(c.account.size(), 20u);
            EXPECT_LE(c.password.size(), 11u);
            // smtp.dat stores each text in one record.
            for (std::string_view value : {c.apn, c.account, c.password})
                EXPECT_LE(value.size(), kTextRecordCapacity) << value;
            EXPECT_TRUE(ascii(c.apn) && ascii(c.account) && ascii(c.password));
            EXPECT_TRUE(noSurroundingSpace(c.apn) && noSurroundingSpace(c.account) &&
                        noSurroundingSpace(c.password));
        }
}

TEST(GprsOperatorCatalogue, SlotsPastTheCountAreEmpty) {
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        for (std::size_t slot = gprsOperatorCount(row); slot < kGprsOperatorSlots; ++slot) {
            EXPECT_TRUE(GprsOperatorCatalogue[row][slot].name.empty());
            EXPECT_EQ(GprsOperatorCatalogue[row][slot].connection, GprsConnection{});
        }
}

TEST(GprsCountryNames, SkipCaymanIslandsAndEndWithIsrael) {
    for (LanguageId language = 1; language <= kLanguageCount; ++language) {
        SCOPED_TRACE("language " + std::to_string(language));
        const auto names = gprsCountryNames(language);
        for (std::size_t row = 0; row < kGprsCountryCount; ++row) {
            EXPECT_EQ(names[row], gprsCountryName(language, row));
            EXPECT_FALSE(names[row].empty());
        }
        EXPECT_EQ(std::count(names.begin(), names.end(), "Cayman Islands"), 0);
    }
    EXPECT_EQ(gprsCountryName(kEnglish, 41), "Israel");
    EXPECT_EQ(gprsCountryName(kEnglish, 40), "Cyprus");
    EXPECT_EQ(gprsCountryName(kEnglish, 33), "Ukraine");
    // Ukrainian differs from English only in Israel's name.
    EXPECT_EQ(gprsCountryName(14, 41), "\xD0\x86\xD0\xB7\xD1\x80\xD0\xB0\xD1\x97\xD0\xBB\xD1\x8C");
}

TEST(GprsCountryNames, FollowTheLanguage) {
    EXPECT_EQ(gprsCountryName(kChinese, 0), "\xE4\xB8\xAD\xE5\x9B\xBD"); // 中国
    EXPECT_EQ(gprsCountryName(kChinese, 1), "United States");
    EXPECT_EQ(gprsCountryName(8, 6), "Slovenija");
    EXPECT_EQ(gprsCountryName(kEnglish, 6), "Slovenia");
    // An unknown language falls back to English rather than reading outside the table.
    EXPECT_EQ(gprsCountryNames(0), gprsCountryNames(kEnglish));
    EXPECT_EQ(gprsCountryNames(16), gprsCountryNames(kEnglish));
}

TEST(GprsStartupOperatorNames, ChineseOnlyForLanguageOne) {
    EXPECT_EQ(toVector(gprsStartupOperatorNames(kChinese)),
              (std::vector<std::string_view>{"\xE4\xB8\xAD\xE5\x9B\xBD\xE7\xA7\xBB\xE5\x8A\xA8",
                                             "\xE4\xB8\xAD\xE5\x9B\xBD\xE8\x81\x94\xE9\x80\x9A"}));
    for (LanguageId language = 2; language <= kLanguageCount; ++language)
        EXPECT_EQ(toVector(gprsStartupOperatorNames(language)),
                  (std::vector<std::string_view>{"China Mobile", "China Unicom"}));
    // Refills by row never use the Chinese names.
    EXPECT_EQ(toVector(gprsOperatorNames(0)),
              (std::vector<std::string_view>{"China Mobile", "China Unicom"}));
}

TEST(GprsOperatorLookups, PositionsPastTheTablesGiveEmptyEntries) {
    constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
    for (std::size_t row : {std::size_t{42}, std::size_t{43}, std::size_t{44}, kHuge}) {
        SCOPED_TRACE("row " + std::to_string(row));
        EXPECT_EQ(gprsOperatorCount(row), 0u);
        EXPECT_TRUE(gprsOperatorNames(row).empty());
        EXPECT_TRUE(gprsCountryName(kEnglish, row).empty());
        EXPECT_EQ(gprsConnection(row, 0), GprsConnection{});
    }
    EXPECT_EQ(gprsConnection(0, kHuge), GprsConnection{});
    EXPECT_EQ(gprsConnection(0, kGprsOperatorSlots), GprsConnection{});
    // A list position of -1 (nothing selected) arrives as the largest size_t.
    EXPECT_EQ(gprsConnection(static_cast<std::size_t>(-1), static_cast<std::size_t>(-1)),
              GprsConnection{});
}

TEST(GprsOperatorLookups, SlotBeyondTheRowsCountGivesEmptyData) {
    // After Auto is chosen again, the Operator list may still show the United Kingdom's eight
    // operators while China is selected: only China's two slots carry data.
    EXPECT_EQ(gprsConnection(0, 2), GprsConnection{});
    EXPECT_EQ(gprsConnection(0, 7), GprsConnection{});
    EXPECT_NE(gprsConnection(3, 7), GprsConnection{});
    // The last offered slot of every row is still reachable.
    for (std::size_t row = 0; row < kGprsCountryCount; ++row) {
        const std::size_t last = gprsOperatorCount(row) - 1;
        EXPECT_EQ(gprsConnection(row, last), GprsOperatorCatalogue[row][last].connection);
        EXPECT_EQ(gprsConnection(row, last + 1), GprsConnection{});
    }
}

} // namespace
} // namespace quorvex
