// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"

// What a screen reader announces for each edit and list, one text per language in LanguageId
// order. Names say what the value is, so they are longer than the labels on the form.
namespace quorvex::ui::accessible_names {

inline constexpr LocalizedText kLanguage{"语言",   "Language", "Sprache", "Kieli", "Lingua",
                                         "Langue", "Nyelv",    "Jezik",   "Jazyk", "言語",
                                         "Kalba",  "Język",    "Dil",     "Мова",  "Язык"};
inline constexpr LocalizedText kCameraModel{
    "相机型号",         "Camera model", "Kameramodell",  "Kameran malli",   "Modello fotocamera",
    "Modèle de caméra", "Kameramodell", "Model kamere",  "Model fotopasti", "カメラモデル",
    "Kameros modelis",  "Model kamery", "Kamera modeli", "Модель камери",   "Модель камеры"};
inline constexpr LocalizedText kCaptureMode{
    "拍摄模式",          "Capture mode",     "Aufnahmemodus", "Kuvaustila",    "Modalità di scatto",
    "Mode de capture",   "Felvételi mód",    "Način zajema",  "Režim snímání", "撮影モード",
    "Fiksavimo režimas", "Tryb rejestracji", "Çekim modu",    "Режим зйомки",  "Режим съёмки"};
inline constexpr LocalizedText kImageSize{
    "图像尺寸",         "Image size",      "Bildgröße",       "Kuvakoko",       "Dimensione foto",
    "Taille photo",     "Képméret",        "Velikost slike",  "Velikost fotky", "画像サイズ",
    "Nuotraukos dydis", "Rozmiar zdjęcia", "Fotoğraf boyutu", "Розмір фото",    "Размер фото"};
inline constexpr LocalizedText kVideoSize{
    "录像尺寸",     "Video size",    "Videogröße",     "Videokoko",      "Dimensione video",
    "Taille vidéo", "Videóméret",    "Velikost videa", "Velikost videa", "動画サイズ",
    "Vaizdo dydis", "Rozmiar wideo", "Video boyutu",   "Розмір відео",   "Размер видео"};
inline constexpr LocalizedText kPicturesPerTrigger{"每次拍摄张数",
                                                   "Pictures per trigger",
                                                   "Bilder pro Auslösung",
                                                   "Kuvia laukaisua kohden",
                                                   "Foto per scatto",
                                                   "Photos par déclenchement",
                                                   "Képek kioldásonként",
                                                   "Slik na sprožitev",
                                                   "Fotek na spuštění",
                                                   "1回の撮影枚数",
                                                   "Nuotraukų per suveikimą",
                                                   "Zdjęć na wyzwolenie",
                                                   "Tetikleme başına fotoğraf",
                                                   "Фото на спрацювання",
                                                   "Фото на срабатывание"};
inline constexpr LocalizedText kTimeStamp{
    "时间戳",     "Time stamp",     "Zeitstempel",   "Aikaleima",      "Stampa data",
    "Horodatage", "Időbélyeg",      "Časovni žig",   "Časové razítko", "タイムスタンプ",
    "Laiko žyma", "Znacznik czasu", "Zaman damgası", "Мітка часу",     "Метка времени"};
inline constexpr LocalizedText kPirSensitivity{
    "PIR灵敏度",       "PIR sensitivity", "PIR-Empfindlichkeit", "PIR-herkkyys",
    "Sensibilità PIR", "Sensibilité PIR", "PIR érzékenység",     "Občutljivost PIR",
    "Citlivost PIR",   "PIR感度",         "PIR jautrumas",       "Czułość PIR",
    "PIR hassasiyeti", "Чутливість PIR",  "Чувствительность PIR"};
inline constexpr LocalizedText kSidePir{
    "侧面PIR",     "Side PIR",    "Seiten-PIR",   "Sivu-PIR",   "PIR laterale",
    "PIR latéral", "Oldalsó PIR", "Stranski PIR", "Boční PIR",  "サイドPIR",
    "Šoninis PIR", "Boczny PIR",  "Yan PIR",      "Бічний PIR", "Боковой PIR"};
inline constexpr LocalizedText kVideoLength{
    "录像长度",      "Video length",  "Videolänge",    "Videon pituus",    "Durata video",
    "Durée vidéo",   "Videó hossza",  "Dolžina videa", "Délka videa",      "録画時間",
    "Vaizdo trukmė", "Długość wideo", "Video süresi",  "Тривалість відео", "Длительность видео"};
inline constexpr LocalizedText kIntervalUnit{
    "间隔单位",           "Interval unit",      "Intervalleinheit",    "Aikavälin yksikkö",
    "Unità intervallo",   "Unité d'intervalle", "Intervallum egysége", "Enota intervala",
    "Jednotka intervalu", "インターバル単位",   "Intervalo vienetas",  "Jednostka interwału",
    "Aralık birimi",      "Одиниця інтервалу",  "Единица интервала"};
inline constexpr LocalizedText kIntervalValue{
    "间隔时间",          "Interval value",      "Intervallwert",      "Aikavälin arvo",
    "Valore intervallo", "Valeur d'intervalle", "Intervallum értéke", "Vrednost intervala",
    "Hodnota intervalu", "インターバル値",      "Intervalo reikšmė",  "Wartość interwału",
    "Aralık değeri",     "Значення інтервалу",  "Значение интервала"};
inline constexpr LocalizedText kDateFormat{
    "日期格式",       "Date format",   "Datumsformat",  "Päiväysmuoto", "Formato data",
    "Format de date", "Dátumformátum", "Oblika datuma", "Formát data",  "日付形式",
    "Datos formatas", "Format daty",   "Tarih biçimi",  "Формат дати",  "Формат даты"};
inline constexpr LocalizedText kSdCycle{
    "循环存储",      "SD cycle",        "SD überschreiben", "SD-kierrätys", "Sovrascrivi SD",
    "Écrasement SD", "SD-felülírás",    "Prepis SD",        "Přepis SD",    "SD上書き",
    "SD perrašymas", "Nadpisywanie SD", "SD üzerine yazma", "Перезапис SD", "Перезапись SD"};
inline constexpr LocalizedText kBeepSound{
    "按键音",         "Beep sound",      "Tastenton", "Äänimerkki",  "Suono tasti",
    "Bip touches",    "Gombhang",        "Zvok tipk", "Zvuk kláves", "ビープ音",
    "Mygtukų garsas", "Dźwięk klawiszy", "Tuş sesi",  "Звук клавіш", "Звук клавиш"};
inline constexpr LocalizedText kPirDirection{
    "PIR方向记录",           "PIR direction recording",     "PIR-Richtungsaufzeichnung",
    "PIR-suunnan tallennus", "Registrazione direzione PIR", "Enregistrement direction PIR",
    "PIR irány rögzítése",   "Snemanje smeri PIR",          "Záznam směru PIR",
    "PIR方向記録",           "PIR krypties įrašas",         "Zapis kierunku PIR",
    "PIR yön kaydı",         "Запис напрямку PIR",          "Запись направления PIR"};
inline constexpr LocalizedText kCameraClock{
    "相机时间",      "Camera clock",        "Kamerauhr",
    "Kameran kello", "Orologio fotocamera", "Horloge de la caméra",
    "Kamera órája",  "Ura kamere",          "Hodiny fotopasti",
    "カメラの時計",  "Kameros laikrodis",   "Zegar kamery",
    "Kamera saati",  "Годинник камери",     "Часы камеры"};
inline constexpr LocalizedText kOutputFolder{"输出文件夹",
                                             "Output folder",
                                             "Zielordner",
                                             "Kohdekansio",
                                             "Cartella di destinazione",
                                             "Dossier de destination",
                                             "Célmappa",
                                             "Ciljna mapa",
                                             "Cílová složka",
                                             "出力フォルダー",
                                             "Išvesties aplankas",
                                             "Folder docelowy",
                                             "Çıktı klasörü",
                                             "Папка призначення",
                                             "Папка назначения"};
inline constexpr LocalizedText kTimer1{"定时器1",       "Timer 1",     "Timer 1",     "Ajastin 1",
                                       "Timer 1",       "Minuterie 1", "1. időzítő",  "Časovnik 1",
                                       "Časovač 1",     "タイマー1",   "Laikmatis 1", "Timer 1",
                                       "Zamanlayıcı 1", "Таймер 1",    "Таймер 1"};
inline constexpr LocalizedText kTimer1StartHour{"定时器1开始小时",
                                                "Timer 1 start hour",
                                                "Timer 1 Start, Stunde",
                                                "Ajastin 1, alku, tunti",
                                                "Timer 1, inizio, ora",
                                                "Minuterie 1, début, heure",
                                                "1. időzítő kezdés, óra",
                                                "Časovnik 1, začetek, ura",
                                                "Časovač 1, začátek, hodina",
                                                "タイマー1 開始 時",
                                                "Laikmatis 1, pradžia, valanda",
                                                "Timer 1, start, godzina",
                                                "Zamanlayıcı 1 başlangıç saati",
                                                "Таймер 1, початок, година",
                                                "Таймер 1, начало, час"};
inline constexpr LocalizedText kTimer1StartMinute{"定时器1开始分钟",
                                                  "Timer 1 start minute",
                                                  "Timer 1 Start, Minute",
                                                  "Ajastin 1, alku, minuutti",
                                                  "Timer 1, inizio, minuto",
                                                  "Minuterie 1, début, minute",
                                                  "1. időzítő kezdés, perc",
                                                  "Časovnik 1, začetek, minuta",
                                                  "Časovač 1, začátek, minuta",
                                                  "タイマー1 開始 分",
                                                  "Laikmatis 1, pradžia, minutė",
                                                  "Timer 1, start, minuta",
                                                  "Zamanlayıcı 1 başlangıç dakikası",
                                                  "Таймер 1, початок, хвилина",
                                                  "Таймер 1, начало, минута"};
inline constexpr LocalizedText kTimer1StopHour{"定时器1结束小时",
                                               "Timer 1 stop hour",
                                               "Timer 1 Ende, Stunde",
                                               "Ajastin 1, loppu, tunti",
                                               "Timer 1, fine, ora",
                                               "Minuterie 1, fin, heure",
                                               "1. időzítő vége, óra",
                                               "Časovnik 1, konec, ura",
                                               "Časovač 1, konec, hodina",
                                               "タイマー1 終了 時",
                                               "Laikmatis 1, pabaiga, valanda",
                                               "Timer 1, koniec, godzina",
                                               "Zamanlayıcı 1 bitiş saati",
                                               "Таймер 1, кінець, година",
                                               "Таймер 1, конец, час"};
inline constexpr LocalizedText kTimer1StopMinute{"定时器1结束分钟",
                                                 "Timer 1 stop minute",
                                                 "Timer 1 Ende, Minute",
                                                 "Ajastin 1, loppu, minuutti",
                                                 "Timer 1, fine, minuto",
                                                 "Minuterie 1, fin, minute",
                                                 "1. időzítő vége, perc",
                                                 "Časovnik 1, konec, minuta",
                                                 "Časovač 1, konec, minuta",
                                                 "タイマー1 終了 分",
                                                 "Laikmatis 1, pabaiga, minutė",
                                                 "Timer 1, koniec, minuta",
                                                 "Zamanlayıcı 1 bitiş dakikası",
                                                 "Таймер 1, кінець, хвилина",
                                                 "Таймер 1, конец, минута"};
inline constexpr LocalizedText kTimer2{"定时器2",       "Timer 2",     "Timer 2",     "Ajastin 2",
                                       "Timer 2",       "Minuterie 2", "2. időzítő",  "Časovnik 2",
                                       "Časovač 2",     "タイマー2",   "Laikmatis 2", "Timer 2",
                                       "Zamanlayıcı 2", "Таймер 2",    "Таймер 2"};
inline constexpr LocalizedText kTimer2StartHour{"定时器2开始小时",
                                                "Timer 2 start hour",
                                                "Timer 2 Start, Stunde",
                                                "Ajastin 2, alku, tunti",
                                                "Timer 2, inizio, ora",
                                                "Minuterie 2, début, heure",
                                                "2. időzítő kezdés, óra",
                                                "Časovnik 2, začetek, ura",
                                                "Časovač 2, začátek, hodina",
                                                "タイマー2 開始 時",
                                                "Laikmatis 2, pradžia, valanda",
                                                "Timer 2, start, godzina",
                                                "Zamanlayıcı 2 başlangıç saati",
                                                "Таймер 2, початок, година",
                                                "Таймер 2, начало, час"};
inline constexpr LocalizedText kTimer2StartMinute{"定时器2开始分钟",
                                                  "Timer 2 start minute",
                                                  "Timer 2 Start, Minute",
                                                  "Ajastin 2, alku, minuutti",
                                                  "Timer 2, inizio, minuto",
                                                  "Minuterie 2, début, minute",
                                                  "2. időzítő kezdés, perc",
                                                  "Časovnik 2, začetek, minuta",
                                                  "Časovač 2, začátek, minuta",
                                                  "タイマー2 開始 分",
                                                  "Laikmatis 2, pradžia, minutė",
                                                  "Timer 2, start, minuta",
                                                  "Zamanlayıcı 2 başlangıç dakikası",
                                                  "Таймер 2, початок, хвилина",
                                                  "Таймер 2, начало, минута"};
inline constexpr LocalizedText kTimer2StopHour{"定时器2结束小时",
                                               "Timer 2 stop hour",
                                               "Timer 2 Ende, Stunde",
                                               "Ajastin 2, loppu, tunti",
                                               "Timer 2, fine, ora",
                                               "Minuterie 2, fin, heure",
                                               "2. időzítő vége, óra",
                                               "Časovnik 2, konec, ura",
                                               "Časovač 2, konec, hodina",
                                               "タイマー2 終了 時",
                                               "Laikmatis 2, pabaiga, valanda",
                                               "Timer 2, koniec, godzina",
                                               "Zamanlayıcı 2 bitiş saati",
                                               "Таймер 2, кінець, година",
                                               "Таймер 2, конец, час"};
inline constexpr LocalizedText kTimer2StopMinute{"定时器2结束分钟",
                                                 "Timer 2 stop minute",
                                                 "Timer 2 Ende, Minute",
                                                 "Ajastin 2, loppu, minuutti",
                                                 "Timer 2, fine, minuto",
                                                 "Minuterie 2, fin, minute",
                                                 "2. időzítő vége, perc",
                                                 "Časovnik 2, konec, minuta",
                                                 "Časovač 2, konec, minuta",
                                                 "タイマー2 終了 分",
                                                 "Laikmatis 2, pabaiga, minutė",
                                                 "Timer 2, koniec, minuta",
                                                 "Zamanlayıcı 2 bitiş dakikası",
                                                 "Таймер 2, кінець, хвилина",
                                                 "Таймер 2, конец, минута"};
inline constexpr LocalizedText kSerial{
    "序列号",          "Serial number", "Seriennummer",      "Sarjanumero",    "Numero di serie",
    "Numéro de série", "Sorozatszám",   "Serijska številka", "Sériové číslo",  "シリアル番号",
    "Serijos numeris", "Numer seryjny", "Seri numarası",     "Серійний номер", "Серийный номер"};
inline constexpr LocalizedText kSerialDigit1{"序列号第1位",
                                             "Serial number, digit 1",
                                             "Seriennummer, Stelle 1",
                                             "Sarjanumero, merkki 1",
                                             "Numero di serie, cifra 1",
                                             "Numéro de série, caractère 1",
                                             "Sorozatszám, 1. karakter",
                                             "Serijska številka, znak 1",
                                             "Sériové číslo, znak 1",
                                             "シリアル番号 1桁目",
                                             "Serijos numeris, 1 simbolis",
                                             "Numer seryjny, znak 1",
                                             "Seri numarası, 1. hane",
                                             "Серійний номер, знак 1",
                                             "Серийный номер, знак 1"};
inline constexpr LocalizedText kSerialDigit2{"序列号第2位",
                                             "Serial number, digit 2",
                                             "Seriennummer, Stelle 2",
                                             "Sarjanumero, merkki 2",
                                             "Numero di serie, cifra 2",
                                             "Numéro de série, caractère 2",
                                             "Sorozatszám, 2. karakter",
                                             "Serijska številka, znak 2",
                                             "Sériové číslo, znak 2",
                                             "シリアル番号 2桁目",
                                             "Serijos numeris, 2 simbolis",
                                             "Numer seryjny, znak 2",
                                             "Seri numarası, 2. hane",
                                             "Серійний номер, знак 2",
                                             "Серийный номер, знак 2"};
inline constexpr LocalizedText kSerialDigit3{"序列号第3位",
                                             "Serial number, digit 3",
                                             "Seriennummer, Stelle 3",
                                             "Sarjanumero, merkki 3",
                                             "Numero di serie, cifra 3",
                                             "Numéro de série, caractère 3",
                                             "Sorozatszám, 3. karakter",
                                             "Serijska številka, znak 3",
                                             "Sériové číslo, znak 3",
                                             "シリアル番号 3桁目",
                                             "Serijos numeris, 3 simbolis",
                                             "Numer seryjny, znak 3",
                                             "Seri numarası, 3. hane",
                                             "Серійний номер, знак 3",
                                             "Серийный номер, знак 3"};
inline constexpr LocalizedText kSerialDigit4{"序列号第4位",
                                             "Serial number, digit 4",
                                             "Seriennummer, Stelle 4",
                                             "Sarjanumero, merkki 4",
                                             "Numero di serie, cifra 4",
                                             "Numéro de série, caractère 4",
                                             "Sorozatszám, 4. karakter",
                                             "Serijska številka, znak 4",
                                             "Sériové číslo, znak 4",
                                             "シリアル番号 4桁目",
                                             "Serijos numeris, 4 simbolis",
                                             "Numer seryjny, znak 4",
                                             "Seri numarası, 4. hane",
                                             "Серійний номер, знак 4",
                                             "Серийный номер, знак 4"};
inline constexpr LocalizedText kTimeLapse{
    "定时拍摄",           "Time lapse",      "Zeitraffer",     "Aikaviive", "Time lapse",
    "Time-lapse",         "Időközi fotó",    "Časovni zamik",  "Časosběr",  "タイムラプス",
    "Periodinis režimas", "Tryb poklatkowy", "Zaman atlamalı", "Таймлапс",  "Таймлапс"};
inline constexpr LocalizedText kTimeLapseHours{"定时拍摄小时",
                                               "Time lapse hours",
                                               "Zeitraffer, Stunden",
                                               "Aikaviive, tunnit",
                                               "Time lapse, ore",
                                               "Time-lapse, heures",
                                               "Időközi fotó, óra",
                                               "Časovni zamik, ure",
                                               "Časosběr, hodiny",
                                               "タイムラプス 時間",
                                               "Periodinis režimas, valandos",
                                               "Tryb poklatkowy, godziny",
                                               "Zaman atlamalı saat",
                                               "Таймлапс, години",
                                               "Таймлапс, часы"};
inline constexpr LocalizedText kTimeLapseMinutes{
    "定时拍摄分钟",          "Time lapse minutes",          "Zeitraffer, Minuten",
    "Aikaviive, minuutit",   "Time lapse, minuti",          "Time-lapse, minutes",
    "Időközi fotó, perc",    "Časovni zamik, minute",       "Časosběr, minuty",
    "タイムラプス 分",       "Periodinis režimas, minutės", "Tryb poklatkowy, minuty",
    "Zaman atlamalı dakika", "Таймлапс, хвилини",           "Таймлапс, минуты"};
inline constexpr LocalizedText kTimeLapseSeconds{"定时拍摄秒",
                                                 "Time lapse seconds",
                                                 "Zeitraffer, Sekunden",
                                                 "Aikaviive, sekunnit",
                                                 "Time lapse, secondi",
                                                 "Time-lapse, secondes",
                                                 "Időközi fotó, másodperc",
                                                 "Časovni zamik, sekunde",
                                                 "Časosběr, sekundy",
                                                 "タイムラプス 秒",
                                                 "Periodinis režimas, sekundės",
                                                 "Tryb poklatkowy, sekundy",
                                                 "Zaman atlamalı saniye",
                                                 "Таймлапс, секунди",
                                                 "Таймлапс, секунды"};
inline constexpr LocalizedText kLongitudeDirection{
    "经度方向",           "Longitude direction",       "Längengrad, Richtung",
    "Pituusaste, suunta", "Longitudine, direzione",    "Longitude, direction",
    "Hosszúság, irány",   "Zemljepisna dolžina, smer", "Zeměpisná délka, směr",
    "経度 方向",          "Ilguma, kryptis",           "Długość geograficzna, kierunek",
    "Boylam yönü",        "Довгота, напрямок",         "Долгота, направление"};
inline constexpr LocalizedText kLongitudeDegrees{"经度度",
                                                 "Longitude degrees",
                                                 "Längengrad, Grad",
                                                 "Pituusaste, asteet",
                                                 "Longitudine, gradi",
                                                 "Longitude, degrés",
                                                 "Hosszúság, fok",
                                                 "Zemljepisna dolžina, stopinje",
                                                 "Zeměpisná délka, stupně",
                                                 "経度 度",
                                                 "Ilguma, laipsniai",
                                                 "Długość geograficzna, stopnie",
                                                 "Boylam derece",
                                                 "Довгота, градуси",
                                                 "Долгота, градусы"};
inline constexpr LocalizedText kLongitudeMinutes{"经度分钟",
                                                 "Longitude minutes",
                                                 "Längengrad, Minuten",
                                                 "Pituusaste, minuutit",
                                                 "Longitudine, minuti",
                                                 "Longitude, minutes",
                                                 "Hosszúság, perc",
                                                 "Zemljepisna dolžina, minute",
                                                 "Zeměpisná délka, minuty",
                                                 "経度 分",
                                                 "Ilguma, minutės",
                                                 "Długość geograficzna, minuty",
                                                 "Boylam dakika",
                                                 "Довгота, хвилини",
                                                 "Долгота, минуты"};
inline constexpr LocalizedText kLongitudeSeconds{"经度秒",
                                                 "Longitude seconds",
                                                 "Längengrad, Sekunden",
                                                 "Pituusaste, sekunnit",
                                                 "Longitudine, secondi",
                                                 "Longitude, secondes",
                                                 "Hosszúság, másodperc",
                                                 "Zemljepisna dolžina, sekunde",
                                                 "Zeměpisná délka, sekundy",
                                                 "経度 秒",
                                                 "Ilguma, sekundės",
                                                 "Długość geograficzna, sekundy",
                                                 "Boylam saniye",
                                                 "Довгота, секунди",
                                                 "Долгота, секунды"};
inline constexpr LocalizedText kLatitudeDirection{
    "纬度方向",           "Latitude direction",       "Breitengrad, Richtung",
    "Leveysaste, suunta", "Latitudine, direzione",    "Latitude, direction",
    "Szélesség, irány",   "Zemljepisna širina, smer", "Zeměpisná šířka, směr",
    "緯度 方向",          "Platuma, kryptis",         "Szerokość geograficzna, kierunek",
    "Enlem yönü",         "Широта, напрямок",         "Широта, направление"};
inline constexpr LocalizedText kLatitudeDegrees{"纬度度",
                                                "Latitude degrees",
                                                "Breitengrad, Grad",
                                                "Leveysaste, asteet",
                                                "Latitudine, gradi",
                                                "Latitude, degrés",
                                                "Szélesség, fok",
                                                "Zemljepisna širina, stopinje",
                                                "Zeměpisná šířka, stupně",
                                                "緯度 度",
                                                "Platuma, laipsniai",
                                                "Szerokość geograficzna, stopnie",
                                                "Enlem derece",
                                                "Широта, градуси",
                                                "Широта, градусы"};
inline constexpr LocalizedText kLatitudeMinutes{"纬度分钟",
                                                "Latitude minutes",
                                                "Breitengrad, Minuten",
                                                "Leveysaste, minuutit",
                                                "Latitudine, minuti",
                                                "Latitude, minutes",
                                                "Szélesség, perc",
                                                "Zemljepisna širina, minute",
                                                "Zeměpisná šířka, minuty",
                                                "緯度 分",
                                                "Platuma, minutės",
                                                "Szerokość geograficzna, minuty",
                                                "Enlem dakika",
                                                "Широта, хвилини",
                                                "Широта, минуты"};
inline constexpr LocalizedText kLatitudeSeconds{"纬度秒",
                                                "Latitude seconds",
                                                "Breitengrad, Sekunden",
                                                "Leveysaste, sekunnit",
                                                "Latitudine, secondi",
                                                "Latitude, secondes",
                                                "Szélesség, másodperc",
                                                "Zemljepisna širina, sekunde",
                                                "Zeměpisná šířka, sekundy",
                                                "緯度 秒",
                                                "Platuma, sekundės",
                                                "Szerokość geograficzna, sekundy",
                                                "Enlem saniye",
                                                "Широта, секунди",
                                                "Широта, секунды"};
inline constexpr LocalizedText kWireless{
    "无线密码",          "Wireless password",     "Funkpasswort",           "Langaton salasana",
    "Password wireless", "Mot de passe sans fil", "Vezeték nélküli jelszó", "Brezžično geslo",
    "Bezdrátové heslo",  "ワイヤレスパスワード",  "Belaidis slaptažodis",   "Hasło bezprzewodowe",
    "Kablosuz şifre",    "Бездротовий пароль",    "Беспроводной пароль"};
inline constexpr LocalizedText kWirelessCode{"无线密码代码",
                                             "Wireless password code",
                                             "Funkpasswort, Code",
                                             "Langaton salasana, koodi",
                                             "Password wireless, codice",
                                             "Mot de passe sans fil, code",
                                             "Vezeték nélküli jelszó, kód",
                                             "Brezžično geslo, koda",
                                             "Bezdrátové heslo, kód",
                                             "ワイヤレスパスワード コード",
                                             "Belaidis slaptažodis, kodas",
                                             "Hasło bezprzewodowe, kod",
                                             "Kablosuz şifre kodu",
                                             "Бездротовий пароль, код",
                                             "Беспроводной пароль, код"};
inline constexpr LocalizedText kMmsMode{"彩信模式",     "MMS mode",  "MMS-Modus",   "MMS-tila",
                                        "Modalità MMS", "Mode MMS",  "MMS mód",     "Način MMS",
                                        "Režim MMS",    "MMSモード", "MMS režimas", "Tryb MMS",
                                        "MMS modu",     "Режим MMS", "Режим MMS"};
inline constexpr LocalizedText kMmsSending{
    "彩信发送",      "MMS sending",   "MMS-Versand",    "MMS-lähetys",    "Invio MMS",
    "Envoi MMS",     "MMS küldés",    "Pošiljanje MMS", "Odesílání MMS",  "MMS送信",
    "MMS siuntimas", "Wysyłanie MMS", "MMS gönderimi",  "Надсилання MMS", "Отправка MMS"};
inline constexpr LocalizedText kSmtpMode{
    "SMTP模式",     "SMTP mode", "SMTP-Modus", "SMTP-tila",  "Modalità SMTP",
    "Mode SMTP",    "SMTP mód",  "Način SMTP", "Režim SMTP", "SMTPモード",
    "SMTP režimas", "Tryb SMTP", "SMTP modu",  "Режим SMTP", "Режим SMTP"};
inline constexpr LocalizedText kSmtpSending{
    "SMTP发送",       "SMTP sending",   "SMTP-Versand",    "SMTP-lähetys",    "Invio SMTP",
    "Envoi SMTP",     "SMTP küldés",    "Pošiljanje SMTP", "Odesílání SMTP",  "SMTP送信",
    "SMTP siuntimas", "Wysyłanie SMTP", "SMTP gönderimi",  "Надсилання SMTP", "Отправка SMTP"};
inline constexpr LocalizedText kPicturesPerDay{
    "每天张数",        "Pictures per day", "Bilder pro Tag",      "Kuvia päivässä",
    "Foto al giorno",  "Photos par jour",  "Képek naponta",       "Slik na dan",
    "Fotek za den",    "1日の枚数",        "Nuotraukų per dieną", "Zdjęć dziennie",
    "Günlük fotoğraf", "Фото на день",     "Фото в день"};
inline constexpr LocalizedText kCountry{"国家",  "Country", "Land",   "Maa",    "Paese",
                                        "Pays",  "Ország",  "Država", "Země",   "国",
                                        "Šalis", "Kraj",    "Ülke",   "Країна", "Страна"};
inline constexpr LocalizedText kOperator{"运营商",    "Operator",   "Netzbetreiber", "Operaattori",
                                         "Operatore", "Opérateur",  "Szolgáltató",   "Operater",
                                         "Operátor",  "通信事業者", "Operatorius",   "Operator",
                                         "Operatör",  "Оператор",   "Оператор"};
inline constexpr LocalizedText kRemoteControl{"短信遥控",
                                              "SMS remote control",
                                              "SMS-Fernsteuerung",
                                              "SMS-etäohjaus",
                                              "Controllo remoto SMS",
                                              "Commande à distance par SMS",
                                              "SMS távvezérlés",
                                              "Daljinsko upravljanje SMS",
                                              "Dálkové ovládání SMS",
                                              "SMSリモート制御",
                                              "SMS nuotolinis valdymas",
                                              "Zdalne sterowanie SMS",
                                              "SMS uzaktan kontrol",
                                              "Дистанційне керування SMS",
                                              "Удалённое управление SMS"};
inline constexpr LocalizedText kConnectionType{
    "连接类型",         "Connection type",     "Verbindungsart",
    "Yhteystyyppi",     "Tipo di connessione", "Type de connexion",
    "Kapcsolat típusa", "Vrsta povezave",      "Typ připojení",
    "接続タイプ",       "Ryšio tipas",         "Typ połączenia",
    "Bağlantı türü",    "Тип з'єднання",       "Тип соединения"};
inline constexpr LocalizedText kApn{"APN", "APN", "APN", "APN", "APN", "APN", "APN", "APN",
                                    "APN", "APN", "APN", "APN", "APN", "APN", "APN"};
inline constexpr LocalizedText kMmscUrl{"彩信中心地址", "MMSC URL", "MMSC-URL", "MMSC-osoite",
                                        "URL MMSC",     "URL MMSC", "MMSC URL", "URL MMSC",
                                        "URL MMSC",     "MMSC URL", "MMSC URL", "URL MMSC",
                                        "MMSC URL",     "URL MMSC", "URL MMSC"};
inline constexpr LocalizedText kGateway{
    "网关",      "Gateway", "Gateway", "Yhdyskäytävä", "Gateway",         "Passerelle",
    "Átjáró",    "Prehod",  "Brána",   "ゲートウェイ", "Tinklų sietuvas", "Brama",
    "Ağ geçidi", "Шлюз",    "Шлюз"};
inline constexpr LocalizedText kPort{
    "端口",   "Port",      "Port", "Portti",           "Porta", "Port", "Port", "Vrata", "Port",
    "ポート", "Prievadas", "Port", "Bağlantı noktası", "Порт",  "Порт"};
inline constexpr LocalizedText kPhoneNumber{
    "电话号码",         "Phone number",        "Telefonnummer",
    "Puhelinnumero",    "Numero di telefono",  "Numéro de téléphone",
    "Telefonszám",      "Telefonska številka", "Telefonní číslo",
    "電話番号",         "Telefono numeris",    "Numer telefonu",
    "Telefon numarası", "Номер телефону",      "Номер телефона"};
inline constexpr LocalizedText kNumberFormat{
    "号码格式",         "Number format", "Nummernformat",   "Numeromuoto",   "Formato numero",
    "Format du numéro", "Számformátum",  "Oblika številke", "Formát čísla",  "番号形式",
    "Numerio formatas", "Format numeru", "Numara biçimi",   "Формат номера", "Формат номера"};
inline constexpr LocalizedText kEmail{"电子邮件",   "Email",  "E-Mail",  "Sähköposti", "E-mail",
                                      "E-mail",     "E-mail", "E-pošta", "E-mail",     "メール",
                                      "El. paštas", "E-mail", "E-posta", "Ел. пошта",  "Эл. почта"};
inline constexpr LocalizedText kAccount{"账号",    "Account",         "Konto",         "Tili",
                                        "Account", "Compte",          "Fiók",          "Račun",
                                        "Účet",    "アカウント",      "Paskyra",       "Konto",
                                        "Hesap",   "Обліковий запис", "Учётная запись"};
inline constexpr LocalizedText kPassword{
    "密码",  "Password",   "Passwort",    "Salasana", "Password", "Mot de passe", "Jelszó", "Geslo",
    "Heslo", "パスワード", "Slaptažodis", "Hasło",    "Şifre",    "Пароль",       "Пароль"};
inline constexpr LocalizedText kRecipient2{
    "接收人2",        "Recipient 2", "Empfänger 2", "Vastaanottaja 2", "Destinatario 2",
    "Destinataire 2", "2. címzett",  "Prejemnik 2", "Příjemce 2",      "受信者2",
    "Gavėjas 2",      "Odbiorca 2",  "Alıcı 2",     "Одержувач 2",     "Получатель 2"};
inline constexpr LocalizedText kRecipient3{
    "接收人3",        "Recipient 3", "Empfänger 3", "Vastaanottaja 3", "Destinatario 3",
    "Destinataire 3", "3. címzett",  "Prejemnik 3", "Příjemce 3",      "受信者3",
    "Gavėjas 3",      "Odbiorca 3",  "Alıcı 3",     "Одержувач 3",     "Получатель 3"};
inline constexpr LocalizedText kGprsAccount{
    "GPRS账号",     "GPRS account",         "GPRS-Konto",         "GPRS-tili",
    "Account GPRS", "Compte GPRS",          "GPRS fiók",          "Račun GPRS",
    "Účet GPRS",    "GPRSアカウント",       "GPRS paskyra",       "Konto GPRS",
    "GPRS hesabı",  "Обліковий запис GPRS", "Учётная запись GPRS"};
inline constexpr LocalizedText kGprsPassword{
    "GPRS密码",          "GPRS password", "GPRS-Passwort", "GPRS-salasana", "Password GPRS",
    "Mot de passe GPRS", "GPRS jelszó",   "Geslo GPRS",    "Heslo GPRS",    "GPRSパスワード",
    "GPRS slaptažodis",  "Hasło GPRS",    "GPRS şifresi",  "Пароль GPRS",   "Пароль GPRS"};
inline constexpr LocalizedText kSmtpServer{
    "SMTP服务器",    "SMTP server",     "SMTP-Server",   "SMTP-palvelin", "Server SMTP",
    "Serveur SMTP",  "SMTP-kiszolgáló", "Strežnik SMTP", "Server SMTP",   "SMTPサーバー",
    "SMTP serveris", "Serwer SMTP",     "SMTP sunucusu", "Сервер SMTP",   "Сервер SMTP"};
inline constexpr LocalizedText kSenderEmail{
    "发件人邮箱",         "Sender email",           "Absender-E-Mail",      "Lähettäjän sähköposti",
    "E-mail mittente",    "E-mail de l'expéditeur", "Feladó e-mail címe",   "E-pošta pošiljatelja",
    "E-mail odesílatele", "送信者メール",           "Siuntėjo el. paštas",  "E-mail nadawcy",
    "Gönderen e-postası", "Ел. пошта відправника",  "Эл. почта отправителя"};
inline constexpr LocalizedText kSenderPassword{
    "发件人密码",          "Sender password",      "Absender-Passwort",
    "Lähettäjän salasana", "Password mittente",    "Mot de passe de l'expéditeur",
    "Feladó jelszava",     "Geslo pošiljatelja",   "Heslo odesílatele",
    "送信者パスワード",    "Siuntėjo slaptažodis", "Hasło nadawcy",
    "Gönderen şifresi",    "Пароль відправника",   "Пароль отправителя"};
inline constexpr LocalizedText kRecipientEmail{"收件人邮箱",          "Recipient email",
                                               "Empfänger-E-Mail",    "Vastaanottajan sähköposti",
                                               "E-mail destinatario", "E-mail du destinataire",
                                               "Címzett e-mail címe", "E-pošta prejemnika",
                                               "E-mail příjemce",     "受信者メール",
                                               "Gavėjo el. paštas",   "E-mail odbiorcy",
                                               "Alıcı e-postası",     "Ел. пошта одержувача",
                                               "Эл. почта получателя"};
inline constexpr LocalizedText kSmsPhone{"短信号码",
                                         "SMS phone number",
                                         "SMS-Telefonnummer",
                                         "SMS-puhelinnumero",
                                         "Numero SMS",
                                         "Numéro SMS",
                                         "SMS telefonszám",
                                         "Telefonska številka SMS",
                                         "Telefonní číslo SMS",
                                         "SMS電話番号",
                                         "SMS telefono numeris",
                                         "Numer telefonu SMS",
                                         "SMS telefon numarası",
                                         "Номер телефону SMS",
                                         "Номер телефона SMS"};

} // namespace quorvex::ui::accessible_names
