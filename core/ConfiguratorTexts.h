// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

// Texts every configurator shows: the buttons every form has and the hour label of the camera
// and MMS forms. Entries are in LanguageId order, as in every text table.
namespace quorvex {

// 1118-1121 (all): timer hours; 1126 (all): time-lapse hours.
inline constexpr LocalizedText kLabelHour{"小时",    "Hour",    "Stunde", "Tunti",  "Ore",
                                          "Heure",   "Óra",     "Ura",    "Hodina", "時",
                                          "Valanda", "Godzina", "Saat",   "Година", "Час"};

// 1057 (every configurator): folder chooser.
inline constexpr LocalizedText kButtonSelect{"选择目录",  "Select",       "Auswählen",  "Valitse",
                                             "Seleziona", "Sélectionner", "Kiválaszt",  "Izberi",
                                             "Vybrat",    "選択",         "Pasirinkti", "Wybierz",
                                             "Seç",       "Вибрати",      "Выбрать"};

// 1 (every configurator): writes the form's file.
inline constexpr LocalizedText kButtonGenerate{"生成配置文件", "Generate", "Erstellen", "Luo",
                                               "Genera",       "Générer",  "Létrehoz",  "Ustvari",
                                               "Vytvořit",     "生成",     "Sukurti",   "Generuj",
                                               "Oluştur",      "Створити", "Создать"};

// 2 (every configurator): back to the main window.
inline constexpr LocalizedText kButtonExit{"退出",    "Exit",    "Beenden", "Poistu",  "Esci",
                                           "Quitter", "Kilépés", "Izhod",   "Ukončit", "終了",
                                           "Išeiti",  "Wyjście", "Çıkış",   "Вихід",   "Выход"};

} // namespace quorvex
