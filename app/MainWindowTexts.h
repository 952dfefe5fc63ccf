// SPDX-License-Identifier: MIT
#pragma once

#include "core/LanguageNames.h"

#include <array>
#include <string_view>

namespace quorvex::main_window {

// The language list is core/LanguageNames.h, except that Chinese reads "中文" on a Chinese system.
inline constexpr std::string_view kChineseNative = "中文";

inline constexpr LocalizedText kCameraSetup{"相机设置",
                                            "Camera Setup",
                                            "Kamera-Einstellungen",
                                            "Kamera-asetukset",
                                            "Impostazioni fotocamera",
                                            "Réglages caméra",
                                            "Kamera beállítása",
                                            "Nastavitev kamere",
                                            "Nastavení",
                                            "本体設定",
                                            "Kameros nustat.",
                                            "Ustawienia kamery",
                                            "kamera kurulumu",
                                            "Устан. Камеры",
                                            "Настройки"};

inline constexpr LocalizedText kMmsSetup{
    "彩信设置",       "MMS Setup",       "MMS-Einstellungen", "MMS-asetukset", "Impostazioni MMS",
    "Paramètres MMS", "MMS beállítások", "MMS nastavitev",    "Nastavení MMS", "MMSの設定",
    "MMS nustatymai", "Ustawienia MMS",  "MMS kurulum",       "Настройка MMS", "MMS настр."};

inline constexpr LocalizedText kSmtpSetup{
    "SMTP设置",          "Smtp Setup",      "SMTP-Einstellungen", "SMTP-asetukset",
    "Impostazioni SMTP", "Paramètres SMTP", "SMTP beállítások",   "SMTP nastavitev",
    "Nastavení SMTP",    "SMTPの設定",      "SMTP nustatymai",    "Ustawienia SMTP",
    "Smtp kurulum",      "Настройка SMTP",  "SMTP настр."};

inline constexpr LocalizedText kSelectLanguage{"选择语言",
                                               "Select Language",
                                               "Sprache auswählen",
                                               "Valitse kieli",
                                               "Seleziona lingua",
                                               "Sélectionnez la langue",
                                               "Válassza ki a nyelvet",
                                               "Jezik",
                                               "Zvolit Jazyk",
                                               "言語を選択",
                                               "Pasirinkite kalbą",
                                               "Wybierz język",
                                               "dil seç",
                                               "Выбор языка",
                                               "Выберите язык"};

inline constexpr LocalizedText kCameraModel{
    "机器型号",      "Camera Model",          "Kamera-Modell",
    "Kameran malli", "Modello di fotocamera", "Modèle de caméra",
    "Kameramodell",  "Model kamere",          "Fotopast Model",
    "カメラ機種",    "Aparato modelis",       "Model urządzenia",
    "kamera modeli", "Модель камеры",         "Фотоловушка"};

inline constexpr LocalizedText kDownload{"获取最新版本程序更新",
                                         "Click here to get the latest updates",
                                         "Zum Aktualisieren drücken",
                                         "Paina tästä saadaksesi uusimmat päivitykset",
                                         "Premere per aggiornare",
                                         "Cliquez ici pour les dernières mises à jour",
                                         "Kattintson ide a legújabb frissítésekért",
                                         "Prenos najnovejše različice",
                                         "Stiskněte pro aktualizaci",
                                         "押して更新します",
                                         "Paspauskite, jei norite atnaujinti",
                                         "Naciśnij przycisk, aby zaktualizować",
                                         "En son güncelleştirmeleri almak için burayı tıklayın",
                                         "Натисніть, щоб оновити",
                                         "Нажмите для обновления"};

// German keeps its trailing space, so a space stands before the colon.
inline constexpr LocalizedText kVersionPrefix{
    "程序版本", "Version", "Programmversion ", "Versio", "Versione",
    "Version",  "Verzió",  "Različica",        "Verze",  "バージョン",
    "Versija",  "Wersja",  "Versiyon",         "Версія", "Версия"};

inline constexpr std::string_view kAboutItem = "About"; // the system menu's About entry
// The About box names the product; its four-part version follows.
inline constexpr std::string_view kAboutProduct = "Quorvex Setup";

} // namespace quorvex::main_window
