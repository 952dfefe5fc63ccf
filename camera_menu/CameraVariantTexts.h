// SPDX-License-Identifier: MIT
#pragma once

#include "camera_menu/CameraMenuTexts.h"
#include "core/Language.h"

#include <array>
#include <string_view>

// Texts only the K7, K9 and D2 forms show; everything else they share with the generic and P4
// forms (CameraMenuTexts.h). The P7 form has no texts of its own: it uses the P4 lists and
// labels. Entries are in LanguageId order, as there.
namespace quorvex::camera_menu {

// 1019 (K9, D2): timer 1; the other forms label the same id kLabelTimer.
inline constexpr LocalizedText kLabelTimer1{
    "定时设置1",   "Timer1",    "Timer 1",       "Ajastin 1", "Timer 1",
    "Minuterie 1", "Időzítő 1", "Časovnik 1",    "Časovač 1", "タイマー1",
    "Laikmatis 1", "Timer 1",   "Zamanlayıcı 1", "Таймер 1",  "Таймер 1"};

// K9 coordinates.

// 1054 (K9): longitude row.
inline constexpr LocalizedText kLabelLongitude{
    "经度",      "Longitude",  "Längengrad",   "Pituusaste", "Longitudine",
    "Longitude", "Hosszúság",  "Zem. dolžina", "Zem. délka", "経度",
    "Ilguma",    "Dł. geogr.", "Boylam",       "Довгота",    "Долгота"};

// 1012 (K9): latitude row. The generic and P4 forms use this id for kLabelSidePir.
inline constexpr LocalizedText kLabelLatitude{
    "纬度",     "Latitude",     "Breitengrad", "Leveysaste", "Latitudine",
    "Latitude", "Szélesség",    "Zem. širina", "Zem. šířka", "緯度",
    "Platuma",  "Szer. geogr.", "Enlem",       "Широта",     "Широта"};

// 1076 (K9): direction column head.
inline constexpr LocalizedText kLabelDirection{"方向",    "Dir.",  "Richt.", "Suunta", "Dir.",
                                               "Dir.",    "Irány", "Smer",   "Směr",   "方向",
                                               "Kryptis", "Kier.", "Yön",    "Напр.",  "Напр."};

// 1077 (K9): degrees column head. Minutes (1078) and seconds (1079) use kLabelMinute and
// kLabelSecond.
inline constexpr LocalizedText kLabelDegree{"度",       "Degree",  "Grad",     "Aste",   "Gradi",
                                            "Degré",    "Fok",     "Stopinja", "Stupeň", "度",
                                            "Laipsnis", "Stopień", "Derece",   "Градус", "Градус"};

// 1080 (K9): coordinate group.
inline constexpr LocalizedText kLabelCoordinate{
    "坐标",        "Coordinate",  "Koordinaten", "Koordinaatit", "Coordinate",
    "Coordonnées", "Koordináták", "Koordinate",  "Souřadnice",   "座標",
    "Koordinatės", "Współrzędne", "Koordinat",   "Координати",   "Координаты"};

// 1055 (K9): position 0 east, 1 west.
inline constexpr std::array<LocalizedText, 2> kOptionsLongitudeDirection{
    LocalizedText{"东", "E", "O", "I", "E", "E", "K", "V", "V", "東", "R", "E", "D", "Сх", "В"},
    LocalizedText{"西", "W", "W", "L", "O", "O", "Ny", "Z", "Z", "西", "V", "W", "B", "Зх", "З"}};

// 1049 (K9): position 0 south, 1 north.
inline constexpr std::array<LocalizedText, 2> kOptionsLatitudeDirection{
    LocalizedText{"南", "S", "S", "E", "S", "S", "D", "J", "J", "南", "P", "S", "G", "Пд", "Ю"},
    LocalizedText{"北", "N", "N", "P", "N", "N", "É", "S", "S", "北", "Š", "N", "K", "Пн", "С"}};

// D2 wireless pairing code.

// 1012 (D2): wireless code switch (list 1049, kOnOff) beside the code edit 1028.
inline constexpr LocalizedText kLabelWirelessPwd{
    "无线密码",          "Wireless PWD",    "Funk-Kennwort",   "Langaton koodi",
    "Password wireless", "MdP sans fil",    "Rádiós jelszó",   "Brezžično geslo",
    "Bezdrátové heslo",  "無線パスワード",  "Belaidis slapt.", "Hasło bezprzew.",
    "Kablosuz şifre",    "Бездрот. пароль", "Беспров. пароль"};

} // namespace quorvex::camera_menu
