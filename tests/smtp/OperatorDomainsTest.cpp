// SPDX-License-Identifier: MIT
#include "card/GprsOperatorCatalogue.h"
#include "card/MmsOperatorCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {
namespace {

// The host names a value reaches: the host of a URL, an APN written as a domain, the domain
// of a mail-style account.
std::string_view urlHost(std::string_view url) {
    if (const auto scheme = url.find("://"); scheme != std::string_view::npos)
        url.remove_prefix(scheme + 3);
    return url.substr(0, url.find_first_of(":/"));
}

std::string_view accountDomain(std::string_view account) {
    const auto at = account.find('@');
    return at == std::string_view::npos ? std::string_view{} : account.substr(at + 1);
}

// The country-code top-level domain of a host (two letters, lower case), or empty for an
// address, a single word or a generic domain such as .com or .net.
std::string countryCodeDomain(std::string_view host) {
    const auto dot = host.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    std::string tld(host.substr(dot + 1));
    if (tld.size() != 2 ||
        !std::all_of(tld.begin(), tld.end(), [](unsigned char c) { return std::isalpha(c) != 0; }))
        return {};
    std::transform(tld.begin(), tld.end(), tld.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tld;
}

struct Seen {
    std::string where;
    std::string domain;
};

// Per CountryList entry, every country-code domain that one of its profiles (MMS and GPRS
// alike) reaches, with the value it was found in.
std::map<std::size_t, std::vector<Seen>> domainsByCountry() {
    std::map<std::size_t, std::vector<Seen>> found;
    const auto note = [&](std::size_t country, std::string_view host, const std::string& where) {
        if (const std::string tld = countryCodeDomain(host); !tld.empty())
            found[country].push_back({where + " " + std::string(host), tld});
    };
    for (std::size_t country = 0; country < kCountryCount; ++country)
        for (std::size_t op = 0; op < operatorCount(country); ++op) {
            const OperatorProfile p = operatorProfile(country, op);
            const std::string where = "MMS " + std::to_string(country) + "/" +
                                      std::string(operatorNames(country, kEnglish)[op]);
            note(country, urlHost(p.mmscUrl), where);
            note(country, p.apn, where);
            note(country, accountDomain(p.account), where);
        }
    for (std::size_t row = 0; row < kGprsCountryCount; ++row)
        for (std::size_t slot = 0; slot < gprsOperatorCount(row); ++slot) {
            const GprsConnection c = gprsConnection(row, slot);
            const std::string where =
                "GPRS " + std::to_string(row) + "/" + std::string(gprsOperatorNames(row)[slot]);
            note(countryListEntryForGprsRow(row), c.apn, where);
            note(countryListEntryForGprsRow(row), accountDomain(c.account), where);
        }
    return found;
}

TEST(OperatorDomains, HostNamesAreReadAsExpected) {
    EXPECT_EQ(urlHost("http://mms.example.co.uk:8002/servlets/mms"), "mms.example.co.uk");
    EXPECT_EQ(urlHost("mmsu.example.net.il"), "mmsu.example.net.il");
    EXPECT_EQ(urlHost("http://10.1.2.3/mms"), "10.1.2.3");
    EXPECT_EQ(accountDomain("ppp@Example.AT"), "Example.AT");
    EXPECT_EQ(accountDomain("wap"), "");
    EXPECT_EQ(countryCodeDomain("Example.AT"), "at");
    EXPECT_EQ(countryCodeDomain("10.1.2.3"), "");
    EXPECT_EQ(countryCodeDomain("mms.example.com"), "");
    EXPECT_EQ(countryCodeDomain("cmwap"), "");
}

// A country's operators are reached under that country's own domain (or a generic one): one
// country-code domain per country, and none shared by two countries. A profile copied from
// another country's operator shows up as a second domain in its country or as a domain that
// two countries share.
TEST(OperatorDomains, NoCountryReachesAnotherCountrysDomain) {
    const auto found = domainsByCountry();
    ASSERT_FALSE(found.empty());
    std::map<std::string, std::set<std::size_t>> countriesOfDomain;
    for (const auto& [country, seen] : found) {
        std::set<std::string> domains;
        for (const Seen& s : seen) {
            domains.insert(s.domain);
            countriesOfDomain[s.domain].insert(country);
        }
        if (domains.size() > 1) {
            std::string list;
            for (const Seen& s : seen)
                list += "\n  " + s.where + " (." + s.domain + ")";
            ADD_FAILURE() << "country " << country << " reaches several country domains:" << list;
        }
    }
    for (const auto& [domain, countries] : countriesOfDomain) {
        if (countries.size() <= 1)
            continue;
        std::string list;
        for (std::size_t country : countries)
            for (const Seen& s : found.at(country))
                if (s.domain == domain)
                    list += "\n  " + s.where;
        ADD_FAILURE() << "." << domain << " is reached from several countries:" << list;
    }
}

} // namespace
} // namespace quorvex
