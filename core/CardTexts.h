// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

// Texts of "Load from card…" in every configurator. The messages name the file (the first %s)
// and, where there is one, the inspector's reason or the layouts the file fits (the second %s).
namespace quorvex {

// The item beside About in every configurator's window menu.
inline constexpr LocalizedText kMenuLoadFromCard{
    "从存储卡读取…",        "Load from card…",          "Von Karte laden…",    "Lataa kortilta…",
    "Carica dalla scheda…", "Charger depuis la carte…", "Betöltés kártyáról…", "Naloži s kartice…",
    "Načíst z karty…",      "カードから読み込む…",      "Įkelti iš kortelės…", "Wczytaj z karty…",
    "Karttan yükle…",       "Завантажити з картки…",    "Загрузить с карты…"};

// After a load: %s is the full path of the file read.
inline constexpr LocalizedText kMessageCardLoaded{"已从 %s 读取设置。",
                                                  "Loaded the settings from %s.",
                                                  "Die Einstellungen aus %s wurden geladen.",
                                                  "Asetukset ladattiin tiedostosta %s.",
                                                  "Impostazioni caricate da %s.",
                                                  "Réglages chargés depuis %s.",
                                                  "A beállítások betöltve innen: %s.",
                                                  "Nastavitve so naložene iz %s.",
                                                  "Nastavení byla načtena z %s.",
                                                  "%s から設定を読み込みました。",
                                                  "Nustatymai įkelti iš %s.",
                                                  "Wczytano ustawienia z %s.",
                                                  "Ayarlar %s dosyasından yüklendi.",
                                                  "Налаштування завантажено з %s.",
                                                  "Настройки загружены из %s."};

inline constexpr LocalizedText kMessageCardMissing{
    "所选目录中没有 %s，表单保持原值。",
    "%s was not found in the chosen folder; the form keeps its values.",
    "%s wurde im gewählten Ordner nicht gefunden; das Formular behält seine Werte.",
    "Valitusta kansiosta ei löytynyt tiedostoa %s; lomake säilyttää arvonsa.",
    "%s non è stato trovato nella cartella scelta; il modulo mantiene i suoi valori.",
    "%s est introuvable dans le dossier choisi ; le formulaire garde ses valeurs.",
    "A(z) %s nem található a választott mappában; az űrlap megtartja az értékeit.",
    "%s ni v izbrani mapi; obrazec obdrži svoje vrednosti.",
    "%s ve zvolené složce není; formulář si ponechá své hodnoty.",
    "選択したフォルダーに %s がありません。フォームの値はそのままです。",
    "Pasirinktame aplanke %s nerastas; forma išlaiko savo reikšmes.",
    "Nie znaleziono %s w wybranym folderze; formularz zachowuje swoje wartości.",
    "%s seçilen klasörde bulunamadı; form değerlerini korur.",
    "У вибраній теці немає %s; форма зберігає свої значення.",
    "В выбранной папке нет %s; форма сохраняет свои значения."};

inline constexpr LocalizedText kMessageCardDamaged{
    "%s 已损坏，未读取（%s）。表单保持原值。",
    "%s is damaged and was not loaded (%s); the form keeps its values.",
    "%s ist beschädigt und wurde nicht geladen (%s); das Formular behält seine Werte.",
    "%s on vioittunut eikä sitä ladattu (%s); lomake säilyttää arvonsa.",
    "%s è danneggiato e non è stato caricato (%s); il modulo mantiene i suoi valori.",
    "%s est endommagé et n'a pas été chargé (%s) ; le formulaire garde ses valeurs.",
    "A(z) %s sérült, ezért nem lett betöltve (%s); az űrlap megtartja az értékeit.",
    "%s je poškodovana in ni bila naložena (%s); obrazec obdrži svoje vrednosti.",
    "%s je poškozený a nebyl načten (%s); formulář si ponechá své hodnoty.",
    "%s は破損しているため読み込みませんでした（%s）。フォームの値はそのままです。",
    "%s sugadintas ir neįkeltas (%s); forma išlaiko savo reikšmes.",
    "%s jest uszkodzony i nie został wczytany (%s); formularz zachowuje swoje wartości.",
    "%s bozuk olduğu için yüklenmedi (%s); form değerlerini korur.",
    "%s пошкоджено, його не завантажено (%s); форма зберігає свої значення.",
    "%s повреждён и не загружен (%s); форма сохраняет свои значения."};

inline constexpr LocalizedText kMessageCardOtherLayout{
    "%s 是为其他相机型号写入的（%s），未读取。表单保持原值。",
    "%s was written for another camera model (%s) and was not loaded; the form keeps its values.",
    "%s wurde für ein anderes Kameramodell geschrieben (%s) und nicht geladen; das Formular "
    "behält seine Werte.",
    "%s on kirjoitettu toiselle kameramallille (%s), eikä sitä ladattu; lomake säilyttää "
    "arvonsa.",
    "%s è stato scritto per un altro modello di fotocamera (%s) e non è stato caricato; il "
    "modulo mantiene i suoi valori.",
    "%s a été écrit pour un autre modèle de caméra (%s) et n'a pas été chargé ; le formulaire "
    "garde ses valeurs.",
    "A(z) %s egy másik kameramodellhez készült (%s), ezért nem lett betöltve; az űrlap "
    "megtartja az értékeit.",
    "%s je bila zapisana za drug model kamere (%s) in ni bila naložena; obrazec obdrži svoje "
    "vrednosti.",
    "%s byl zapsán pro jiný model fotoaparátu (%s) a nebyl načten; formulář si ponechá své "
    "hodnoty.",
    "%s "
    "は別のカメラ機種用に書き込まれたため（%s）読み込みませんでした。フォームの値はそのままです。",
    "%s įrašytas kitam kameros modeliui (%s) ir neįkeltas; forma išlaiko savo reikšmes.",
    "%s zapisano dla innego modelu kamery (%s) i nie został wczytany; formularz zachowuje "
    "swoje wartości.",
    "%s başka bir kamera modeli için yazılmış (%s) ve yüklenmedi; form değerlerini korur.",
    "%s записано для іншої моделі камери (%s), його не завантажено; форма зберігає свої "
    "значення.",
    "%s записан для другой модели камеры (%s) и не загружен; форма сохраняет свои значения."};

inline constexpr LocalizedText kMessageCardFactory{
    "%s 是恢复出厂设置记录，没有可读取的设置。表单保持原值。",
    "%s holds the factory reset record, which has no settings to load; the form keeps its "
    "values.",
    "%s enthält den Datensatz zum Zurücksetzen auf Werkseinstellungen, der keine Einstellungen "
    "zum Laden hat; das Formular behält seine Werte.",
    "%s sisältää tehdasasetusten palautustietueen, jossa ei ole ladattavia asetuksia; lomake "
    "säilyttää arvonsa.",
    "%s contiene il record di ripristino delle impostazioni di fabbrica, senza impostazioni da "
    "caricare; il modulo mantiene i suoi valori.",
    "%s contient l'enregistrement de retour aux réglages d'usine, sans réglages à charger ; le "
    "formulaire garde ses valeurs.",
    "A(z) %s a gyári visszaállítás rekordját tartalmazza, amelyben nincs betölthető beállítás; "
    "az űrlap megtartja az értékeit.",
    "%s vsebuje zapis za ponastavitev na tovarniške nastavitve, ki nima nastavitev za nalaganje; "
    "obrazec obdrži svoje vrednosti.",
    "%s obsahuje záznam obnovení továrního nastavení, který nemá žádná nastavení k načtení; "
    "formulář si ponechá své hodnoty.",
    "%s は工場出荷時リセットのレコードで、読み込む設定がありません。フォームの値はそのままです。",
    "%s yra gamyklinių nustatymų atkūrimo įrašas, kuriame nėra nustatymų įkelti; forma "
    "išlaiko savo reikšmes.",
    "%s zawiera rekord przywracania ustawień fabrycznych, który nie ma ustawień do wczytania; "
    "formularz zachowuje swoje wartości.",
    "%s fabrika ayarlarına sıfırlama kaydını içerir, yüklenecek ayar yoktur; form değerlerini "
    "korur.",
    "%s містить запис скидання до заводських налаштувань, у якому немає налаштувань для "
    "завантаження; форма зберігає свої значення.",
    "%s содержит запись сброса к заводским настройкам, в которой нет настроек для загрузки; "
    "форма сохраняет свои значения."};

} // namespace quorvex
