// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

// Texts every configurator shows: the buttons every form has and the hour label of the camera
// and MMS forms. Entries are in LanguageId order, as in every text table.
namespace quorvex {

// The unit after an hours value: 1126 (all camera forms): time-lapse hours; 1085 (MMS and SMTP
// forms): behind the remote-control hours list. It reads as a unit after a number, not as the
// noun on its own. Timer hours (1118-1121) are a time of day: camera_menu::kUnitClockHours.
inline constexpr LocalizedText kLabelHour{"小时",   "Hour",   "Std.", "tuntia", "ore",
                                          "heures", "óra",    "ur",   "hodin",  "時間",
                                          "val.",   "godzin", "saat", "год.",   "ч."};

// 1057 (every configurator): folder chooser.
inline constexpr LocalizedText kButtonSelect{"选择目录",  "Select",       "Auswählen",   "Valitse",
                                             "Seleziona", "Sélectionner", "Kiválasztás", "Izberi",
                                             "Vybrat",    "選択",         "Pasirinkti",  "Wybierz",
                                             "Seç",       "Вибрати",      "Выбрать"};

// 1 (every configurator): writes the form's file.
inline constexpr LocalizedText kButtonGenerate{"生成配置文件", "Generate", "Erstellen",  "Luo",
                                               "Genera",       "Générer",  "Létrehozás", "Ustvari",
                                               "Vytvořit",     "生成",     "Sukurti",    "Generuj",
                                               "Oluştur",      "Створити", "Создать"};

// 2 (every configurator): back to the main window.
inline constexpr LocalizedText kButtonExit{"退出",    "Exit",    "Beenden", "Poistu",  "Esci",
                                           "Quitter", "Kilépés", "Izhod",   "Ukončit", "終了",
                                           "Išeiti",  "Zakończ", "Çıkış",   "Вихід",   "Выход"};

} // namespace quorvex
