// SPDX-License-Identifier: MIT
#pragma once

#include "mms/CountryList.h"
#include "mms/OperatorProfile.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvex {

inline constexpr std::size_t kOperatorSlots = 10;

struct OperatorEntry {
    std::string_view name;
    OperatorProfile profile;
};

using OperatorRow = std::array<OperatorEntry, kOperatorSlots>;

// The operators of each country in list order, with their published MMS settings (MMSC URL,
// APN, proxy address, proxy port, user, password). The port belongs to the catalogue and stays
// as it is where an operator also publishes another one. A value nobody publishes is left
// empty rather than guessed. Names are shown exactly as written here ("Tele2 " included).
inline constexpr std::array<OperatorRow, kCountryCount> kMmsOperatorRows{{
    // 0 China
    OperatorRow{{
        {"China Mobile", {"http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", ""}},
        {"China Unicom", {"http://mmsc.myuni.com.cn", "3gwap", "10.0.0.172", "80", "", ""}},
    }},
    // 1 United States
    OperatorRow{{
        {"T-Mobile",
         {"http://216.155.174.84/servlets/mms", "wap.voicestream.com", "216.155.165.50", "8080", "",
          ""}},
        // The proxy is published as a host name only.
        {"AT&T", {.mmscUrl = "http://mmsc.mobile.att.net", .apn = "NXTGENPHONE", .port = "80"}},
    }},
    // 2 Deutschland
    OperatorRow{{
        {"Vodafone",
         {"http://139.7.24.1/servlets/mms", "event.vodafone.de", "139.7.29.17", "80", "", ""}},
        {"T-Mobile",
         {"http://mms.t-mobile.de/servlets/mms", "internet.t-mobile", "172.28.23.131", "8008",
          "t-mobile", "tm"}},
        {"E-Plus", {"http://mms/eplus/", "mms.eplus.de", "212.23.97.153", "8080", "mms", "eplus"}},
        {"O2", {"http://10.81.0.7:8002", "internet", "195.182.114.52", "8080", "", ""}},
    }},
    // 3 United Kingdom
    OperatorRow{{
        {"Vodafone",
         {"http://mms.vodafone.co.uk/servlets/mms", "wap.vodafone.co.uk", "212.183.137.12", "9201",
          "wap", "wap"}},
        {"O2",
         {"http://mmsc.mms.o2.co.uk:8002", "wap.o2.co.uk", "193.113.200.195", "8080", "o2wap",
          "password"}},
        {"O2 Payandgo",
         {"http://mmsc.mms.o2.co.uk:8002", "payandgo.o2.co.uk", "193.113.200.195", "8080",
          "payandgo", "password"}},
        {"Orange", {"http://mms.orange.co.uk/", "orangemms", "192.168.224.10", "8080", "", ""}},
        {"3",
         {"http://mms.um.three.co.uk:10021/mmsc", "three.co.uk", "217.171.129.2", "8799", "", ""}},
        {"Virgin", {.port = "8080"}},
        {"Vodafone Prepay",
         {"http://mms.vodafone.co.uk/servlets/mms", "pp.vodafone.co.uk", "212.183.137.12", "8799",
          "wap", "wap"}},
        {"BT Mobile", {.port = "8799"}},
        {"ASDA Mobile",
         {"http://mms.asdamobiles.co.uk/servlets/mms", "asdamobiles.co.uk", "212.183.137.12",
          "9201", "wap", "wap"}},
    }},
    // 4 Canada
    OperatorRow{{
        {"Fido", {.mmscUrl = "http://mms.fido.ca", .apn = "mms.fido.ca", .port = "8080"}},
        {"Rogers",
         {"http://mms.gprs.rogers.com", "media.com", "10.128.1.69", "80", "media", "mda01"}},
    }},
    // 5 Sweden
    OperatorRow{{
        {"Telenor", {"http://mms", "sp-services", "172.30.253.241", "8799", "", ""}},
        {"Telia", {"http://mmss/", "mms.telia.se", "193.209.134.132", "8080", "", ""}},
        {"Tele2 ", {"http://mmsc.tele2.se", "internet.tele2.se", "130.244.202.30", "8080", "", ""}},
    }},
    // 6 Slovenia
    OperatorRow{{
        {"Mobitel",
         {"http://mms.mobitel.si/servlets/mms", "internet", "213.229.249.40", "8080", "mobitel",
          "internet"}},
        {"Izi Mobil", {.port = "8080"}},
        {"Si Mobil",
         {"http://mmc/", "mms.simobil.si", "80.95.224.46", "9201", "simobil", "internet"}},
        {"Bob", {.port = "9201"}},
        {"Telemach", {.port = "8080"}},
    }},
    // 7 Portugal
    OperatorRow{{
        {"Optimus", {"http://mmsc:10021/mmsc", "umts", "62.169.66.5", "8799", "", ""}},
        {"Vodafone",
         {"http://mms/servlets/mms", "vas.vodafone.pt", "213.30.27.63", "8799", "vas", "vas"}},
    }},
    // 8 Turkey
    OperatorRow{{
        {"Avea",
         {"http://mms.avea.com.tr/servlets/mms", "mms", "213.161.151.201", "8080", "mms", "mms"}},
        {"Turkcell",
         {"http://mms.turkcell.com.tr/servlets/mms", "mms", "212.252.169.217", "8080", "mms",
          "mms"}},
    }},
    // 9 Schweiz
    OperatorRow{{
        {"Orange", {"http://192.168.151.3:8002", "mms", "192.168.151.2", "8080", "", ""}},
        {"Sunrise",
         {"http://mmsc.sunrise.ch", "mms.sunrise.ch", "212.35.34.75", "8080", "mms", "mms"}},
        {"Swisscom",
         {"http://mms.natel.ch:8079", "event.swisscom.ch", "192.168.210.2", "8080", "", ""}},
    }},
    // 10 Spain
    OperatorRow{{
        // The proxy is published as a host name only.
        {"Orange",
         {.mmscUrl = "http://mms.orange.es",
          .apn = "orangemms",
          .port = "8080",
          .account = "orange",
          .password = "orange"}},
        {"Vodafone",
         {"http://mmsc.vodafone.es/servlets/mms", "mms.vodafone.net", "212.73.32.10", "80",
          "wap@wap", "wap125"}},
        {"Telstra", {.port = "8080"}},
        {"Movistar",
         {"http://mms.movistar.com", "mms.movistar.es", "10.138.255.5", "8080", "MOVISTAR@mms",
          "MOVISTAR"}},
    }},
    // 11 Slovakia
    OperatorRow{{
        {"T-Mobile", {"http://mms", "mms", "192.168.1.1", "8080", "mms", "mms"}},
        {"Orange", {.port = "8799"}},
        {"O2", {"http://mms.o2world.sk:8002", "o2mms", "10.97.1.11", "8080", "", ""}},
    }},
    // 12 Russia
    OperatorRow{{
        {"Мегафон", {"http://mmsc:8002", "mms", "10.10.10.10", "8080", "mms", "mms"}},
        {"Билайн",
         {"http://mms/", "mms.beeline.ru", "192.168.094.023", "8080", "beeline", "beeline"}},
        {"МТС", {"http://mmsc/", "mms.mts.ru", "192.168.192.192", "8080", "mts", "mts"}},
        {"Tele2", {.port = "8080"}},
    }},
    // 13 Romania
    OperatorRow{{
        {"Orange",
         {"http://wap.mms.orange.ro:8002", "mms", "62.217.247.252", "8080", "mms", "mms"}},
        {"Telekom", {.port = "8080"}},
        {"Vodafone", {.port = "8080"}},
    }},
    // 14 Poland
    OperatorRow{{
        // Era has become T-Mobile; the network publishes one setting for both names.
        {"ERA", {"http://mms/servlets/mms", "mms", "213.158.194.226", "8080", "", ""}},
        {"Orange", {"http://mms.orange.pl", "mms", "192.168.6.104", "8080", "mms", "mms"}},
        {"Plus", {"http://mms.plusgsm.pl:8002", "mms", "212.2.96.16", "8080", "", ""}},
        {"Heyah",
         {"http://mms.heyah.pl/servlets/mms", "heyahmms", "213.158.194.226", "8080", "heyah",
          "heyah"}},
        {"Play", {.mmscUrl = "http://mmsc.play.pl/mms/wapenc", .apn = "mms", .port = "8080"}},
    }},
    // 15 Netherlands
    OperatorRow{{
        {"T-Mobile",
         {"http://t-mobilemms", "mms", "10.10.10.11", "8080", "tmobilemms", "tmobilemms"}},
        {"Vodafone", {.port = "8799"}},
    }},
    // 16 Italy
    OperatorRow{{
        {"TIM", {"http://mms.tim.it/servlets/mms", "unico.tim.it", "213.230.130.89", "80", "", ""}},
        {"Vodafone", {.port = "8080"}},
        {"WIND", {"http://mms.wind.it", "mms.wind", "212.245.244.100", "8080", "", ""}},
        // The proxy is published as a host name only.
        {"TRE", {.mmscUrl = "http://10.216.59.240:10021/mmsc", .apn = "tre.it", .port = "8799"}},
    }},
    // 17 Ireland
    OperatorRow{{
        {"Meteor",
         {"http://mms.mymeteor.ie", "mms.mymeteor.ie", "10.85.85.85", "8799", "my", "wap"}},
        {"Vodafone", {.port = "80"}},
    }},
    // 18 Hungary
    OperatorRow{{
        {"T-Mobile", {.apn = "mms-westel", .port = "8080", .account = "mms"}},
        {"Vodafone", {.port = "8080"}},
    }},
    // 19 Greece
    OperatorRow{{
        {"T-Cosmote", {"http://mmsc.cosmote.gr:8002", "mms", "10.10.10.20", "8080", "", ""}},
        {"Vodafone", {.port = "8080"}},
    }},
    // 20 France
    OperatorRow{{
        {"Bouygues",
         {"http://mms.bouyguestelecom.fr/mms/wapenc", "mmsbouygtel.com", "62.201.129.226", "8080",
          "", ""}},
        {"Orange",
         {"http://mms.orange.fr", "orange.acte", "192.168.10.200", "8080", "orange", "orange"}},
        {"SFR", {"http://mms1", "sl2sfr", "10.151.0.1", "8080", "", ""}},
        // No proxy: the camera talks to the MMSC directly.
        {"Free", {.mmscUrl = "http://mms.free.fr", .apn = "mmsfree"}},
    }},
    // 21 Australia
    OperatorRow{{
        {"Optus", {"http://mmsc.optus.com.au:8002/", "mms", "61.88.190.10", "8070", "", ""}},
        {"Telstra", {"http://mmsc.telstra.com:8002", "telstra.mms", "10.1.1.180", "80", "", ""}},
        {"Mic1", {.port = "9201"}},
        {"Vodafone", {.port = "8080"}},
        // The proxy is published as a host name only.
        {"Three",
         {.mmscUrl = "http://mmsc.three.net.au:10021/mmsc", .apn = "3services", .port = "8799"}},
        {"Virgin", {.port = "8070"}},
    }},
    // 22 Oesterreich
    OperatorRow{{
        // The proxy is published as a host name only.
        {"A1",
         {.mmscUrl = "http://mmsc.A1.net",
          .apn = "free.A1.net",
          .port = "8001",
          .account = "ppp@A1plus.at",
          .password = "ppp"}},
        {"T-Mobile",
         {"http://mmsc.t-mobile.at/servlets/mms", "gprsmms", "10.12.0.20", "80", "t-mobile", "tm"}},
    }},
    // 23 Brazil
    OperatorRow{{
        {"Brazil Telecom",
         {"http://mms.brasiltelecom.com.br/", "mms.brt.br", "200.96.8.29", "8080", "brt", "brt"}},
        {"Claro",
         {"http://mms.claro.com.br/", "mms.claro.com.br", "200.169.126.10", "8080", "claro",
          "claro"}},
    }},
    // 24 Bulgaria
    OperatorRow{{
        {"Globul",
         {.mmscUrl = "http://mmsc1.mms.globul.bg:8002",
          .apn = "mms.globul.bg",
          .gateway = "192.168.87.11",
          .port = "8004",
          .account = "mms"}},
        {"Mtel", {"http://mmsc/", "mms-gprs.mtel.bg", "10.150.0.33", "8080", "mtel", "mtel"}},
        {"Vivacom",
         {"http://mmsc.vivacom.bg", "mms.vivacom.bg", "192.168.123.123", "8080", "mms", "mms"}},
    }},
    // 25 Croatia
    OperatorRow{{
        {"VIPNet",
         {"http://mms.vipnet.hr/servlets/mms", "mms.vipnet.hr", "212.91.99.91", "8080", "", ""}},
        {"T-mobile HR", {.port = "8080"}},
    }},
    // 26 Ceska republika
    OperatorRow{{
        // Eurotel is the former name of O2's network.
        {"Eurotel", {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},
        {"O2", {"http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""}},
        {"T-Mobile", {.port = "80"}},
        {"Vodafone", {.port = "80"}},
    }},
    // 27 Denmark
    OperatorRow{{
        // Sonofon is the former name of Telenor's network.
        {"Sonofon", {"http://mms.telenor.dk", "telenor", "212.88.64.8", "8080", "", ""}},
        {"TDC", {.port = "8080"}},
        {"Telia", {"http://mms.telia.dk", "www.mms.mtelia.dk", "193.209.134.131", "8080", "", ""}},
    }},
    // 28 Finland
    OperatorRow{{
        {"Alands", {.port = "8080"}},
        {"DNA", {"http://mmsc.dnafinland.fi", "mms", "10.1.1.2", "8080", "dna", "mms"}},
        {"Sonera", {"http://mms.sonera.net:8002", "telefinland", "195.156.25.33", "80", "", ""}},
        {"Elisa", {"http://mms.elisa.fi", "mms", "213.161.41.57", "80", "", ""}},
    }},
    // 29 New Zealand
    OperatorRow{{
        {"Vodafone", {.port = "8080"}},
    }},
    // 30 Norway
    OperatorRow{{
        // Telia Norway runs the former NetCom network.
        {"Teila N", {"http://mms/", "mms.netcom.no", "212.169.66.4", "8080", "mms", "netcom"}},
        // The proxy is published as a host name only.
        {"Telenor", {.mmscUrl = "http://mmsc", .apn = "telenor.smart", .port = "8080"}},
        {"Onecall", {.port = "80"}},
        {"Tele2", {.port = "8080"}},
        {"NetworkNorway", {"http://mms.nwn.no", "mms", "89.254.65.20", "80", "", ""}},
        {"Chess", {"http://mms/", "mms.netcom.no", "212.169.66.4", "8080", "chess", "chess"}},
    }},
    // 31 South Africa
    OperatorRow{{
        {"Cell C", {"http://mms.cmobile.co.za/", "mms", "196.31.116.250", "8080", "", ""}},
        {"Virgin", {"http://mms.virginmobile.co.za", "vmms", "196.31.116.242", "8080", "", ""}},
        {"MTN",
         {"http://mms.mtn.co.za/mms/wapenc", "mymtn", "196.11.240.211", "8080", "mtnmms",
          "mtnmms"}},
        {"Vodacom",
         {"http://mmsc.vodacom4me.co.za", "mms.vodacom.net", "196.6.128.13", "8080", "", ""}},
    }},
    // 32 Egypt
    OperatorRow{{
        {"MobilNil", {"http://10.7.13.24:8002/", "mobinilmms", "62.241.155.45", "8080", "", ""}},
        {"Vodafone",
         {"http://mmsc.vodafone.com.eg/servlets/mms", "mms.vodafone.eg", "163.121.178.2", "8080",
          "mms", "mms"}},
    }},
    // 33 Ukraine
    OperatorRow{{
        {"KiyvStar",
         {"http://mms.kyivstar.net", "mms.kyivstar.net", "10.10.10.10", "8080", "mms", "mms"}},
        // MTS, UMC and Vodafone-MTS are successive names of one network.
        {"MTS", {"http://mmsc:8002/", "mms.umc.ua", "192.168.10.10", "8080", "", ""}},
        {"LIFE", {"http://mms.life.com.ua/cmmsc/post", "mms", "212.58.162.230", "8080", "", ""}},
        {"Beeline UA", {"http://mms/", "mms.beeline.ua", "10.11.8.18", "8080", "", ""}},
        {"UMC Ukraine", {"http://mmsc:8002/", "mms.umc.ua", "192.168.10.10", "8080", "", ""}},
        {"Vodafone-MTS", {"http://mmsc:8002/", "mms.umc.ua", "192.168.10.10", "8080", "", ""}},
    }},
    // 34 Lithuania
    OperatorRow{{
        {"Omnitel",
         {"http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms", "mms"}},
        {"Omnitel Ezio", {.port = "8080"}},
        {"Tele2 Pildyk",
         {"http://mmsc.tele2.lt", "mms.tele2.lt", "193.12.40.29", "8080", "wap", "wap"}},
        {"Bite", {"http://mmsc/servlets/mms", "mms", "192.168.150.2", "8080", "mms@mms", "mms"}},
    }},
    // 35 India
    OperatorRow{{
        {"Idea", {"http://10.4.42.21:8002", "mmsc", "10.4.42.15", "8080", "", ""}},
        {"CellOne", {"http://bsnlmmsc.in:8514", "bsnlmms", "10.210.10.11", "8080", "", ""}},
        {"BPL", {.port = "8080"}},
        {"Airtel", {.port = "8080"}},
        {"VodaFone",
         {"http://mms1.live.vodafone.in/mms/", "portalnmms", "10.10.1.100", "8080", "", ""}},
    }},
    // 36 Latvia
    OperatorRow{{
        {"Okarte", {.port = "8080"}},
        {"Zelta zivtina", {.port = "8080"}},
        {"BITE Latvia", {.port = "8080"}},
    }},
    // 37 Namibia
    OperatorRow{{
        {"MTC", {.port = "80"}},
    }},
    // 38 Estonia
    OperatorRow{{
        {"EMT", {"http://mms.emt.ee/servlets/mms", "mms.emt.ee", "217.71.32.82", "8080", "", ""}},
        {"ELISA", {"http://194.204.2.10", "mms", "194.204.2.6", "8000", "", ""}},
        {"TELE2", {.port = "9201"}},
    }},
    // 39 Belgium
    OperatorRow{{
        {"Proximus",
         {"http://mmsc.proximus.be/mms", "event.proximus.be", "10.55.14.75", "80", "mms", "mms"}},
        {"Mobistar", {"http://mmsc.mobistar.be", "mms.be", "212.65.63.143", "8080", "", ""}},
        {"Base", {"http://mmsc.base.be", "mms.base.be", "217.72.235.1", "8080", "base", "base"}},
    }},
    // 40 Cyprus
    OperatorRow{{
        {"Cyta", {"http://mmsc.cyta.com.cy", "cytamobile", "212.31.96.161", "8080", "", ""}},
    }},
    // 41 Cayman Islands
    OperatorRow{{
        {"Digicel", {.port = "8080"}},
    }},
    // 42 Israel
    OperatorRow{{
        {"Golan Telecom",
         {"http://mmsc.golantelecom.co.il", "mms.golantelecom.net.il", "10.224.228.81", "80", "",
          ""}},
    }},
}};

} // namespace quorvex
