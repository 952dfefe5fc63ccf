// SPDX-License-Identifier: MIT
#pragma once

#include "smtp/GprsOperator.h"

#include <array>
#include <cstddef>

namespace quorvex {

// The SMTP forms offer 42 countries, each with up to ten operator slots.
inline constexpr std::size_t kGprsCountryCount = 42;
inline constexpr std::size_t kGprsOperatorSlots = 10;

using GprsOperatorRow = std::array<GprsOperator, kGprsOperatorSlots>;

// The operators of each country row in list order, with their published GPRS internet
// settings (APN, user name, password). Where a network has since been renamed or merged,
// the settings are those its successor publishes for the same network. A value nobody
// publishes is left empty rather than guessed. Names are shown exactly as written here.
inline constexpr std::array<GprsOperatorRow, kGprsCountryCount> kGprsOperatorRows{{
    // 0 China
    GprsOperatorRow{{
        {"China Mobile", {"cmnet", "", ""}},
        {"China Unicom", {"uninet", "", ""}},
    }},
    // 1 United States
    GprsOperatorRow{{
        {"T-Mobile", {"fast.t-mobile.com", "", ""}},
        {"AT&T", {"NXTGENPHONE", "", ""}},
    }},
    // 2 Deutschland
    GprsOperatorRow{{
        {"Vodafone", {"web.vodafone.de", "", ""}},
        {"T-Mobile", {"internet.t-mobile", "t-mobile", "tm"}},
        {"E-Plus", {"internet.eplus.de", "eplus", "gprs"}},
        {"O2", {"internet", "", ""}},
    }},
    // 3 United Kingdom
    GprsOperatorRow{{
        {"Vodafone", {"internet", "web", "web"}},
        {"O2", {"mobile.o2.co.uk", "o2web", "password"}},
        // The network accepts any user name and password; published lists disagree on them.
        {"T-Mobile", {"general.t-mobile.uk", "", ""}},
        {"Orange", {"orangeinternet", "", ""}},
        {"3", {"3internet", "", ""}},
        {"Virgin", {"goto.virginmobile.uk", "user", ""}},
        {"Tesco Mobile", {"prepay.tesco-mobile.com", "tescowap", "password"}},
        {"ASDA Mobile", {"asdamobiles.co.uk", "web", "web"}},
    }},
    // 4 Canada
    GprsOperatorRow{{
        {"Fido", {"ltemobile.apn", "", ""}},
        {"Rogers", {"internet.com", "wapuser1", "wap"}},
    }},
    // 5 Sweden
    GprsOperatorRow{{
        {"Telenor", {"internet.telenor.se", "", ""}},
        {"Telia", {"online.telia.se", "", ""}},
        {"Tele2", {"internet.tele2.se", "", ""}},
    }},
    // 6 Slovenia
    GprsOperatorRow{{
        {"Mobitel", {"internet", "mobitel", "internet"}},
        {"Simobil", {"internet.simobil.si", "simobil", "internet"}},
        // No published settings are known for izimobil and Bob.
        {"izimobil", {}},
        {"Bob", {}},
        {"Telemach", {"internet", "", ""}},
    }},
    // 7 Portugal
    GprsOperatorRow{{
        {"Optimus", {"internet", "", ""}},
        {"Vodafone", {"internet.vodafone.pt", "vodafone", "vodafone"}},
    }},
    // 8 Turkey
    GprsOperatorRow{{
        {"Avea", {"internet", "", ""}},
        {"Turkcell", {"internet", "", ""}},
    }},
    // 9 Schweiz (Orange is today's Salt network)
    GprsOperatorRow{{
        {"Orange", {"internet", "", ""}},
        {"Sunrise", {"internet", "internet", "internet"}},
        {"Swisscom", {"gprs.swisscom.ch", "", ""}},
    }},
    // 10 Spain
    GprsOperatorRow{{
        {"Amena", {"orangeworld", "orange", "orange"}},
        {"Vodafone", {"ac.vodafone.es", "vodafone", "vodafone"}},
        {"Telefonica", {"telefonica.es", "telefonica", "telefonica"}},
        {"Orange", {"internet", "ORANGE", "ORANGE"}},
    }},
    // 11 Slovakia
    GprsOperatorRow{{
        {"T-Mobile", {"internet", "", ""}},
        {"Orange", {"internet", "", ""}},
        {"O2", {"o2internet", "", ""}},
    }},
    // 12 Russia
    GprsOperatorRow{{
        {"Мегафон", {"internet", "gdata", "gdata"}},
        {"Билайн", {"internet.beeline.ru", "beeline", "beeline"}},
        {"МТС", {"internet.mts.ru", "mts", "mts"}},
        {"Tele2", {"internet.tele2.ru", "", ""}},
    }},
    // 13 Romania
    GprsOperatorRow{{
        {"Orange", {"net", "", ""}},
    }},
    // 14 Poland
    GprsOperatorRow{{
        {"ERA", {"erainternet", "erainternet", "erainternet"}},
        {"Orange", {"internet", "internet", "internet"}},
    }},
    // 15 Netherlands
    GprsOperatorRow{{
        {"T-Mobile", {"internet", "", ""}},
        {"Vodafone", {"live.vodafone.com", "vodafone", "vodafone"}},
    }},
    // 16 Italy
    GprsOperatorRow{{
        {"TIM", {"ibox.tim.it", "", ""}},
        {"Vodafone", {"mobile.vodafone.it", "", ""}},
        {"WIND", {"internet.wind", "Wind", "Wind"}},
        {"TRE", {"tre.it", "", ""}},
    }},
    // 17 Ireland
    GprsOperatorRow{{
        {"Meteor", {"data.mymeteor.ie", "my", "meteor"}},
        {"Vodafone", {"hs.vodafone.ie", "vodafone", "vodafone"}},
    }},
    // 18 Hungary (Pannon is today's Telenor network)
    GprsOperatorRow{{
        {"Pannon (contract)", {"net", "", ""}},
        {"Vodafone", {"internet.vodafone.net", "", ""}},
        {"T-Mobile", {"internet", "", ""}},
    }},
    // 19 Greece
    GprsOperatorRow{{
        {"T-Cosmote", {"internet", "", ""}},
        {"Vodafone", {"internet", "", ""}},
    }},
    // 20 France
    GprsOperatorRow{{
        {"Bouygues", {"ebouygtel.com", "", ""}},
        {"Orange", {"orange.fr", "", ""}},
    }},
    // 21 Australia
    GprsOperatorRow{{
        {"Optus", {"internet", "", ""}},
        {"Telstra", {"telstra.internet", "", ""}},
        {"Vodafone", {"vfinternet.au", "", ""}},
        {"Three", {"3netaccess", "a", "a"}},
        {"Virgin", {"VirginInternet", "guest", "guest"}},
    }},
    // 22 Oesterreich
    GprsOperatorRow{{
        {"A1", {"a1.net", "ppp@a1plus.at", "ppp"}},
        {"T-Mobile", {"gprsinternet", "t-mobile", "tm"}},
    }},
    // 23 Brazil
    GprsOperatorRow{{
        {"Brazil Telecom", {"brt.br", "BrT", "BrT"}},
        {"Claro", {"claro.com.br", "claro", "claro"}},
    }},
    // 24 Bulgaria
    GprsOperatorRow{{
        {"Globul", {"internet.globul.bg", "globul", ""}},
        {"Mtel", {"inet-gprs.mtel.bg", "", ""}},
        {"Vivacom", {"internet.vivacom.bg", "vivacom", "vivacom"}},
    }},
    // 25 Croatia
    GprsOperatorRow{{
        {"VIPNet", {"data.vip.hr", "", ""}},
    }},
    // 26 Ceska republika (Eurotel is today's O2 network)
    GprsOperatorRow{{
        {"Eurotel", {"internet", "", ""}},
        {"O2", {"internet", "", ""}},
        {"T-Mobile", {"internet.t-mobile.cz", "", ""}},
        {"Vodafone", {"internet", "", ""}},
    }},
    // 27 Denmark
    GprsOperatorRow{{
        {"TDC", {"internet", "", ""}},
        {"Telia", {"www.internet.mtelia.dk", "", ""}},
    }},
    // 28 Finland (Radiolinja is today's Elisa network, Sonera today's Telia)
    GprsOperatorRow{{
        {"Radiolinja", {"internet", "", ""}},
        {"DNA", {"internet", "", ""}},
        {"Sonera", {"internet", "", ""}},
        {"Elisa", {"internet", "", ""}},
    }},
    // 29 New Zealand
    GprsOperatorRow{{
        {"Vodafone", {"www.vodafone.net.nz", "", ""}},
    }},
    // 30 Norway (Teila N is the former NetCom network)
    GprsOperatorRow{{
        {"Teila N", {"internet.netcom.no", "netcom", "netcom"}},
        {"Telenor", {"telenor.smart", "", ""}},
        {"Tele2", {"internet.tele2.no", "", ""}},
        {"NetworkNorway", {"internet", "", ""}},
    }},
    // 31 South Africa
    GprsOperatorRow{{
        {"Cell C", {"internet", "", ""}},
        {"Vodacom", {"internet", "", ""}},
        {"MTN", {"internet", "", ""}},
    }},
    // 32 Egypt
    GprsOperatorRow{{
        {"MobilNil", {"mobinilweb", "", ""}},
        {"Vodafone", {"internet.vodafone.net", "internet", "internet"}},
    }},
    // 33 Ukraine (Vodafone-MTS is the MTS network under its later name)
    GprsOperatorRow{{
        {"KiyvStar", {"www.kyivstar.net", "", ""}},
        {"MTS", {"internet", "internet", ""}},
        {"LIFE", {"internet", "", ""}},
        {"Beeline UA", {"internet.beeline.ua", "", ""}},
        {"Vodafone-MTS", {"internet", "internet", ""}},
    }},
    // 34 Lithuania
    GprsOperatorRow{{
        {"Omnitel", {"gprs.omnitel.net", "", ""}},
        {"Bite", {"banga", "", ""}},
    }},
    // 35 India
    GprsOperatorRow{{
        {"Idea", {"internet", "", ""}},
        {"BPL", {"bplgprs.com", "bplmobile", ""}},
        {"Airtel", {"airtelgprs.com", "", ""}},
        {"VodaFone", {"www", "", ""}},
    }},
    // 36 Latvia
    GprsOperatorRow{{
        {"LMT", {"internet.lmt.lv", "", ""}},
    }},
    // 37 Namibia
    GprsOperatorRow{{
        {"MTC", {"internet", "", ""}},
    }},
    // 38 Estonia
    GprsOperatorRow{{
        {"EMT", {"internet.emt.ee", "", ""}},
        {"ELISA", {"internet", "", ""}},
        {"TELE2", {"internet.tele2.ee", "wap", "wap"}},
    }},
    // 39 Belgium
    GprsOperatorRow{{
        {"Proximus", {"internet.proximus.be", "", ""}},
        {"Mobistar", {"internet.be", "mobistar", "mobistar"}},
        {"Base", {"gprs.base.be", "base", "base"}},
    }},
    // 40 Cyprus
    GprsOperatorRow{{
        {"Cyta", {"internet", "", ""}},
    }},
    // 41 Israel
    GprsOperatorRow{{
        {"Golan Telecom", {"internet.golantelecom.net.il", "", ""}},
    }},
}};

} // namespace quorvex
