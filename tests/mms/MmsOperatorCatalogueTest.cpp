// SPDX-License-Identifier: MIT
#include "card/MmsOperatorCatalogue.h"
#include "card/ScrambledSettingsFile.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstddef>
#include <limits>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {
namespace {

struct Offered {
    std::string_view name;
    std::string_view port;
};

// The operator lists as the forms must show them, with each operator's proxy port.
const std::vector<std::vector<Offered>> kOffered{
    {{"China Mobile", "80"}, {"China Unicom", "80"}},
    {{"T-Mobile", "8080"}, {"AT&T", "80"}},
    {{"Vodafone", "80"}, {"T-Mobile", "8008"}, {"E-Plus", "8080"}, {"O2", "8080"}},
    {{"Vodafone", "9201"},
     {"O2", "8080"},
     {"O2 Payandgo", "8080"},
     {"Orange", "8080"},
     {"3", "8799"},
     {"Virgin", "8080"},
     {"Vodafone Prepay", "8799"},
     {"BT Mobile", "8799"},
     {"ASDA Mobile", "9201"}},
    {{"Fido", "8080"}, {"Rogers", "80"}},
    {{"Telenor", "8799"}, {"Telia", "8080"}, {"Tele2 ", "8080"}},
    {{"Mobitel", "8080"},
     {"Izi Mobil", "8080"},
     {"Si Mobil", "9201"},
     {"Bob", "9201"},
     {"Telemach", "8080"}},
    {{"Optimus", "8799"}, {"Vodafone", "8799"}},
    {{"Avea", "8080"}, {"Turkcell", "8080"}},
    {{"Orange", "8080"}, {"Sunrise", "8080"}, {"Swisscom", "8080"}},
    {{"Orange", "8080"}, {"Vodafone", "80"}, {"Telstra", "8080"}, {"Movistar", "8080"}},
    {{"T-Mobile", "8080"}, {"Orange", "8799"}, {"O2", "8080"}},
    {{"Мегафон", "8080"}, {"Билайн", "8080"}, {"МТС", "8080"}, {"Tele2", "8080"}},
    {{"Orange", "8080"}, {"Telekom", "8080"}, {"Vodafone", "8080"}},
    {{"ERA", "8080"}, {"Orange", "8080"}, {"Plus", "8080"}, {"Heyah", "8080"}, {"Play", "8080"}},
    {{"T-Mobile", "8080"}, {"Vodafone", "8799"}},
    {{"TIM", "80"}, {"Vodafone", "8080"}, {"WIND", "8080"}, {"TRE", "8799"}},
    {{"Meteor", "8799"}, {"Vodafone", "80"}},
    {{"T-Mobile", "8080"}, {"Vodafone", "8080"}},
    {{"T-Cosmote", "8080"}, {"Vodafone", "8080"}},
    {{"Bouygues", "8080"}, {"Orange", "8080"}, {"SFR", "8080"}, {"Free", ""}},
    {{"Optus", "8070"},
     {"Telstra", "80"},
     {"Mic1", "9201"},
     {"Vodafone", "8080"},
     {"Three", "8799"},
     {"Virgin", "8070"}},
    {{"A1", "8001"}, {"T-Mobile", "80"}},
    {{"Brazil Telecom", "8080"}, {"Claro", "8080"}},
    {{"Globul", "8004"}, {"Mtel", "8080"}, {"Vivacom", "8080"}},
    {{"VIPNet", "8080"}, {"T-mobile HR", "8080"}},
    {{"Eurotel", "8080"}, {"O2", "8080"}, {"T-Mobile", "80"}, {"Vodafone", "80"}},
    {{"Sonofon", "8080"}, {"TDC", "8080"}, {"Telia", "8080"}},
    {{"Alands", "8080"}, {"DNA", "8080"}, {"Sonera", "80"}, {"Elisa", "80"}},
    {{"Vodafone", "8080"}},
    {{"Teila N", "8080"},
     {"Telenor", "8080"},
     {"Onecall", "80"},
     {"Tele2", "8080"},
     {"NetworkNorway", "80"},
     {"Chess", "8080"}},
    {{"Cell C", "8080"}, {"Virgin", "8080"}, {"MTN", "8080"}, {"Vodacom", "8080"}},
    {{"MobilNil", "8080"}, {"Vodafone", "8080"}},
    {{"KiyvStar", "8080"},
     {"MTS", "8080"},
     {"LIFE", "8080"},
     {"Beeline UA", "8080"},
     {"UMC Ukraine", "8080"},
     {"Vodafone-MTS", "8080"}},
    {{"Omnitel", "8080"}, {"Omnitel Ezio", "8080"}, {"Tele2 Pildyk", "8080"}, {"Bite", "8080"}},
    {{"Idea", "8080"},
     {"CellOne", "8080"},
     {"BPL", "8080"},
     {"Airtel", "8080"},
     {"VodaFone", "8080"}},
    {{"Okarte", "8080"}, {"Zelta zivtina", "8080"}, {"BITE Latvia", "8080"}},
    {{"MTC", "80"}},
    {{"EMT", "8080"}, {"ELISA", "8000"}, {"TELE2", "9201"}},
    {{"Proximus", "80"}, {"Mobistar", "8080"}, {"Base", "8080"}},
    {{"Cyta", "8080"}},
    {{"Digicel", "8080"}},
    {{"Golan Telecom", "80"}},
};

constexpr std::size_t kEnd = std::numeric_limits<std::size_t>::max();

bool isDecimal(std::string_view text, unsigned maxValue) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size() &&
           value <= maxValue;
}

// Dotted decimal, octets of one to three digits (leading zeros allowed), each at most 255.
bool isDottedIpv4(std::string_view text) {
    for (int octet = 0; octet < 4; ++octet) {
        const std::size_t dot = text.find('.');
        const std::string_view part = octet < 3 ? text.substr(0, dot) : text;
        if ((octet < 3) == (dot == std::string_view::npos) || part.size() > 3 ||
            !isDecimal(part, 255))
            return false;
        text.remove_prefix(octet < 3 ? dot + 1 : text.size());
    }
    return true;
}

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 0x7F)
            return false;
    return true;
}

TEST(MmsOperatorCatalogue, CountsPerCountry) {
    const std::vector<int> expected{2, 2, 4, 9, 2, 3, 5, 2, 2, 3, 4, 3, 4, 3, 5,
                                    2, 4, 2, 2, 2, 4, 6, 2, 2, 3, 2, 4, 3, 4, 1,
                                    6, 4, 2, 6, 4, 5, 3, 1, 3, 3, 1, 1, 1};
    ASSERT_EQ(OperatorCount.size(), 43u);
    for (std::size_t country = 0; country < expected.size(); ++country) {
        EXPECT_EQ(OperatorCount[country], expected[country]) << "country " << country;
        EXPECT_EQ(operatorCount(country), static_cast<std::size_t>(expected[country]));
        EXPECT_GE(OperatorCount[country], 1);
        EXPECT_LE(OperatorCount[country], 9);
    }
    EXPECT_EQ(std::accumulate(OperatorCount.begin(), OperatorCount.end(), 0), 136);
    EXPECT_EQ(OperatorNames.size(), 43u);
    EXPECT_EQ(MmsOperatorCatalogue.size(), 43u);
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        EXPECT_EQ(OperatorNames[country].size(), 10u);
        EXPECT_EQ(MmsOperatorCatalogue[country].size(), 10u);
    }
}

TEST(MmsOperatorCatalogue, NamesAndPortsInListOrder) {
    ASSERT_EQ(kOffered.size(), kCountryCount);
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        const auto names = operatorNames(country, kEnglish);
        ASSERT_EQ(names.size(), kOffered[country].size()) << "country " << country;
        for (std::size_t op = 0; op < names.size(); ++op) {
            EXPECT_EQ(names[op], kOffered[country][op].name) << country << "/" << op;
            EXPECT_EQ(operatorProfile(country, op).port, kOffered[country][op].port)
                << country << "/" << op;
        }
    }
}

TEST(MmsOperatorCatalogue, OperatorNamesAreTheSameInEveryLanguageButChinese) {
    for (LanguageId language = 2; language <= kLanguageCount; ++language)
        for (std::size_t country = 0; country < kCountryCount; ++country) {
            const auto names = operatorNames(country, language);
            const auto english = operatorNames(country, kEnglish);
            ASSERT_EQ(names.size(), english.size());
            for (std::size_t op = 0; op < names.size(); ++op)
                EXPECT_EQ(names[op], english[op]);
        }
    // Only China's own operators change for a Chinese interface.
    for (std::size_t country = 1; country < kCountryCount; ++country)
        EXPECT_EQ(operatorNames(country, kChinese).data(), operatorNames(country, kEnglish).data());
}

TEST(MmsOperatorCatalogue, ChinasOperatorsInChinese) {
    const auto chinese = operatorNames(0, kChinese);
    ASSERT_EQ(chinese.size(), 2u);
    EXPECT_EQ(chinese[0], "中国移动");
    EXPECT_EQ(chinese[1], "中国联通");
    for (LanguageId language : {2, 3, 10, 15}) {
        const auto names = operatorNames(0, language);
        ASSERT_EQ(names.size(), 2u);
        EXPECT_EQ(names[0], "China Mobile");
        EXPECT_EQ(names[1], "China Unicom");
    }
    // The Chinese names stand for the same two profiles.
    EXPECT_EQ(operatorProfile(0, 0).apn, MmsOperatorCatalogue[0][0].apn);
    EXPECT_FALSE(operatorProfile(0, 0).mmscUrl.empty());
    EXPECT_FALSE(operatorProfile(0, 1).mmscUrl.empty());
}

TEST(MmsOperatorCatalogue, NotableEntries) {
    // France's fourth operator has neither gateway nor port.
    EXPECT_EQ(operatorNames(20, kEnglish)[3], "Free");
    EXPECT_EQ(operatorProfile(20, 3).gateway, "");
    EXPECT_EQ(operatorProfile(20, 3).port, "");
    // Namibia offers MTC alone.
    const auto namibia = operatorNames(37, kEnglish);
    ASSERT_EQ(namibia.size(), 1u);
    EXPECT_EQ(namibia[0], "MTC");
    // Sweden's Tele2 keeps its trailing space; Norway's does not have one.
    EXPECT_EQ(operatorNames(5, kEnglish)[2], "Tele2 ");
    EXPECT_EQ(operatorNames(30, kEnglish)[3], "Tele2");
    // The United Kingdom has the longest list.
    EXPECT_EQ(operatorNames(3, kEnglish).size(), 9u);
}

TEST(MmsOperatorCatalogue, EveryValueFitsItsFieldAndRecord) {
    for (std::size_t country = 0; country < kCountryCount; ++country)
        for (std::size_t op = 0; op < operatorCount(country); ++op) {
            const OperatorProfile p = operatorProfile(country, op);
            SCOPED_TRACE(std::to_string(country) + "/" + std::to_string(op));
            // Form edit limits; plain ASCII, so one byte per character in setup.dat.
            EXPECT_LE(p.mmscUrl.size(), 50u);
            EXPECT_LE(p.apn.size(), 30u);
            EXPECT_LE(p.gateway.size(), 20u);
            EXPECT_LE(p.port.size(), 10u);
            EXPECT_LE(p.account.size(), 20u);
            EXPECT_LE(p.password.size(), 20u);
            for (std::string_view value :
                 {p.mmscUrl, p.apn, p.gateway, p.port, p.account, p.password}) {
                EXPECT_LE(value.size(), kTextRecordCapacity) << value;
                EXPECT_TRUE(isAscii(value)) << value;
                EXPECT_EQ(value.find(' '), std::string_view::npos) << value;
            }
        }
}

TEST(MmsOperatorCatalogue, ValuesHaveTheirKind) {
    for (std::size_t country = 0; country < kCountryCount; ++country)
        for (std::size_t op = 0; op < operatorCount(country); ++op) {
            const OperatorProfile p = operatorProfile(country, op);
            SCOPED_TRACE(std::to_string(country) + "/" + std::to_string(op));
            if (!p.gateway.empty()) {
                EXPECT_TRUE(isDottedIpv4(p.gateway)) << p.gateway;
            }
            if (!p.port.empty()) {
                EXPECT_TRUE(isDecimal(p.port, 65535) && p.port[0] != '0') << p.port;
            }
            // A message centre is no use without the access point that reaches it, nor a
            // proxy without its port.
            if (!p.mmscUrl.empty()) {
                EXPECT_FALSE(p.apn.empty());
            }
            if (!p.gateway.empty()) {
                EXPECT_FALSE(p.port.empty());
            }
            if (!p.password.empty()) {
                EXPECT_FALSE(p.account.empty());
            }
        }
}

TEST(MmsOperatorCatalogue, UnusedSlotsAreEmpty) {
    for (std::size_t country = 0; country < kCountryCount; ++country)
        for (std::size_t slot = OperatorCount[country]; slot < kOperatorSlots; ++slot) {
            EXPECT_EQ(OperatorNames[country][slot], "");
            EXPECT_EQ(MmsOperatorCatalogue[country][slot], OperatorProfile{});
        }
}

TEST(MmsOperatorCatalogue, LookupsNeverLeaveTheTable) {
    // One past a country's operators, one past the countries, and far beyond.
    EXPECT_EQ(operatorProfile(0, 2), OperatorProfile{});
    EXPECT_EQ(operatorProfile(37, 1), OperatorProfile{});
    EXPECT_EQ(operatorProfile(3, 9), OperatorProfile{});
    EXPECT_EQ(operatorProfile(0, 10), OperatorProfile{});
    EXPECT_EQ(operatorProfile(43, 0), OperatorProfile{});
    EXPECT_EQ(operatorProfile(kEnd, 0), OperatorProfile{});
    EXPECT_EQ(operatorProfile(0, kEnd), OperatorProfile{});
    EXPECT_EQ(operatorCount(43), 0u);
    EXPECT_EQ(operatorCount(kEnd), 0u);
    EXPECT_TRUE(operatorNames(43, kEnglish).empty());
    EXPECT_TRUE(operatorNames(kEnd, kChinese).empty());
    // The last offered slot still answers.
    EXPECT_EQ(operatorProfile(3, 8).port, "9201");
    // An unknown language shows the catalogue names.
    EXPECT_EQ(operatorNames(0, 0)[0], "China Mobile");
    EXPECT_EQ(operatorNames(0, 16)[1], "China Unicom");
}

} // namespace
} // namespace quorvex
