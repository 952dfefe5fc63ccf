// SPDX-License-Identifier: MIT
#pragma once

#include "card/MenuFileWriter.h"
#include "core/ConfiguratorTexts.h"
#include "core/Language.h"
#include "core/ModelCatalogue.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// Texts of the camera menu forms that more than one form shows, plus the generic (K4/K5/1080P)
// and P4 forms' own. Entries are in LanguageId order: Chinese, English, German, Finnish,
// Italian, French, Hungarian, Slovenian, Czech, Japanese, Lithuanian, Polish, Turkish,
// Ukrainian, Russian. Control ids differ between the dialog templates, so each comment names
// the ids per form; "all" means every camera form (generic, P4, K7, P7, K9, D2).
namespace quorvex::camera_menu {

// Words that appear both as labels and as list options.

// 1079 (K9): coordinate seconds column; option 0 of kOptionsIntervalUnit. After the video
// length (1144) and the time-lapse seconds (1128) the unit reads kUnitSeconds.
inline constexpr LocalizedText kLabelSecond{
    "秒钟",    "Second", "Sekunde", "Sekunti", "Secondi", "Seconde", "Másodperc", "Sekunda",
    "Sekunda", "秒",     "Sekundė", "Sekunda", "Saniye",  "Секунда", "Секунда"};

// 1078 (K9): coordinate minutes column; option 1 of kOptionsIntervalUnit. After the timer and
// time-lapse minutes (1122-1125, 1127) the unit reads kUnitMinutes.
inline constexpr LocalizedText kLabelMinute{"分钟",   "Minute", "Minute", "Minuutti", "Minuti",
                                            "Minute", "Perc",   "Minuta", "Minuta",   "分",
                                            "Minutė", "Minuta", "Dakika", "Хвилина",  "Минута"};

// Units after a number edit. They read as a unit after the number ("10 Sek.", "10 секунд"), which
// the list entries and column heads above do not; English and Chinese are those labels' words.

// 1144 (all): after the video length; 1128 (all): after the time-lapse seconds.
inline constexpr LocalizedText kUnitSeconds{
    "秒钟",   "Second", "Sek.", "sekuntia", "secondi", "secondes", "másodperc", "sekund",
    "sekund", "秒",     "sek.", "sekund",   "saniye",  "сек.",     "сек."};

// 1122-1125 (all): after the timer minutes; 1127 (all): after the time-lapse minutes.
inline constexpr LocalizedText kUnitMinutes{"分钟",    "Minute", "Min.",   "minuuttia", "minuti",
                                            "minutes", "perc",   "minut",  "minut",     "分",
                                            "min.",    "minut",  "dakika", "хв.",       "мин."};

// 1118-1121 (all): after a timer's start or stop hour, a time of day. Only Japanese tells a time
// of day (時) from a number of hours (時間, kLabelHour).
inline constexpr LocalizedText kUnitClockHours{"小时",   "Hour",   "Std.", "tuntia", "ore",
                                               "heures", "óra",    "ur",   "hodin",  "時",
                                               "val.",   "godzin", "saat", "год.",   "ч."};

// The entries of the switch lists kOnOff and kOnOffReversed, and the last sensitivity.
inline constexpr LocalizedText kTextOff{"关闭",  "Off",  "Aus",    "Pois",    "Off",
                                        "Arrêt", "Ki",   "Izklop", "Vypnuto", "オフ",
                                        "Išj.",  "Wył.", "Kapalı", "Вимк.",   "Выкл."};

inline constexpr LocalizedText kTextOn{"开",     "On",  "Ein",   "Päällä",  "On",
                                       "Marche", "Be",  "Vklop", "Zapnuto", "オン",
                                       "Įj.",    "Wł.", "Açık",  "Увімк.",  "Вкл."};

// Labels.

// 1004 (all): capture mode.
inline constexpr LocalizedText kLabelMode{"模式",    "Mode", "Modus", "Tila",  "Modalità",
                                          "Mode",    "Mód",  "Način", "Režim", "モード",
                                          "Režimas", "Tryb", "Mod",   "Режим", "Режим"};

// 1005 (all): image size.
inline constexpr LocalizedText kLabelImageSize{
    "图像尺寸",     "Image Size",      "Bildgröße",       "Kuvakoko",       "Dimensione foto",
    "Taille photo", "Képméret",        "Velikost slike",  "Velikost fotky", "画像サイズ",
    "Nuotr. dydis", "Rozmiar zdjęcia", "Fotoğraf boyutu", "Розмір фото",    "Размер фото"};

// 1006 (all): video size.
inline constexpr LocalizedText kLabelVideoSize{
    "录像尺寸",     "Video Size",    "Videogröße",     "Videokoko",      "Dimensione video",
    "Taille vidéo", "Videóméret",    "Velikost videa", "Velikost videa", "動画サイズ",
    "Vaizdo dydis", "Rozmiar wideo", "Video boyutu",   "Розмір відео",   "Размер видео"};

// 1007 (all): pictures per trigger.
inline constexpr LocalizedText kLabelPictureNo{
    "拍摄张数",   "Picture No.",  "Bilderanzahl",    "Kuvamäärä",      "N. foto",
    "Nb photos",  "Képszám",      "Št. slik",        "Počet fotek",    "撮影枚数",
    "Nuotr. sk.", "Liczba zdjęć", "Fotoğraf sayısı", "Кількість фото", "Кол-во фото"};

// 1011 (all): time stamp.
inline constexpr LocalizedText kLabelTimeStamp{
    "时间戳",     "Time Stamp",     "Zeitstempel",   "Aikaleima",      "Stampa data",
    "Horodatage", "Időbélyeg",      "Časovni žig",   "Časové razítko", "タイムスタンプ",
    "Laiko žyma", "Znacznik czasu", "Zaman damgası", "Мітка часу",     "Метка времени"};

// 1010 (all): PIR sensitivity.
inline constexpr LocalizedText kLabelSensorLevel{
    "灵敏度",      "Sensor Level", "Empfindlichkeit", "Herkkyys",   "Sensibilità",
    "Sensibilité", "Érzékenység",  "Občutljivost",    "Citlivost",  "感度",
    "Jautrumas",   "Czułość",      "Hassasiyet",      "Чутливість", "Чувствительность"};

// 1012 (generic, P4): side PIR; 1136 (K9).
inline constexpr LocalizedText kLabelSidePir{
    "侧面PIR",     "Side PIR",    "Seiten-PIR",   "Sivu-PIR",   "PIR laterale",
    "PIR latéral", "Oldalsó PIR", "Stranski PIR", "Boční PIR",  "サイドPIR",
    "Šoninis PIR", "Boczny PIR",  "Yan PIR",      "Бічний PIR", "Боковой PIR"};

// 1008 (all): video length.
inline constexpr LocalizedText kLabelVideoLength{
    "录像长度",      "Video Length",  "Videolänge",    "Videon pituus",    "Durata video",
    "Durée vidéo",   "Videó hossza",  "Dolžina videa", "Délka videa",      "録画時間",
    "Vaizdo trukmė", "Długość wideo", "Video süresi",  "Тривалість відео", "Длительность видео"};

// 1009 (all): trigger interval.
inline constexpr LocalizedText kLabelInterval{
    "间隔时间",   "Interval",    "Intervall", "Aikaväli", "Intervallo",
    "Intervalle", "Intervallum", "Interval",  "Interval", "インターバル",
    "Intervalas", "Interwał",    "Aralık",    "Інтервал", "Интервал"};

// 1051 (generic, ModelId 15-17 only); 1045 (P4, P7); 1050 (K9).
inline constexpr LocalizedText kLabelSdCycle{
    "循环存储",      "SD Cycle",        "SD überschreiben", "SD-kierrätys", "Sovrascrivi SD",
    "Écrasement SD", "SD-felülírás",    "Prepis SD",        "Přepis SD",    "SD上書き",
    "SD perrašymas", "Nadpisywanie SD", "SD üzerine yazma", "Перезапис SD", "Перезапись SD"};

// 1018 (all): clock.
inline constexpr LocalizedText kLabelSetClock{
    "设置时间",        "Set Clock",      "Uhr stellen", "Aseta kello",    "Imposta ora",
    "Réglage heure",   "Idő beállítása", "Nastavi uro", "Nastavit čas",   "時計設定",
    "Nustatyti laiką", "Ustaw zegar",    "Saat ayarı",  "Встановити час", "Установка часов"};

// 1019 (generic, P4, K7, P7): timer 1. K9 and D2 use kLabelTimer1 for the same id.
inline constexpr LocalizedText kLabelTimer{"定时设置",    "Timer",     "Timer",     "Ajastin",
                                           "Timer",       "Minuterie", "Időzítő",   "Časovnik",
                                           "Časovač",     "タイマー",  "Laikmatis", "Timer",
                                           "Zamanlayıcı", "Таймер",    "Таймер"};

// 1041 (generic, K7, K9, D2): timer 2; 1047 (P4, P7).
inline constexpr LocalizedText kLabelTimer2{
    "定时设置2",   "Timer2",    "Timer 2",       "Ajastin 2", "Timer 2",
    "Minuterie 2", "Időzítő 2", "Časovnik 2",    "Časovač 2", "タイマー2",
    "Laikmatis 2", "Timer 2",   "Zamanlayıcı 2", "Таймер 2",  "Таймер 2"};

// 1059, 1061 (all): timer start.
inline constexpr LocalizedText kLabelStart{"开始",    "Start",  "Start",     "Alku",    "Inizio",
                                           "Début",   "Kezdés", "Začetek",   "Začátek", "開始",
                                           "Pradžia", "Start",  "Başlangıç", "Початок", "Начало"};

// 1060, 1063 (all): timer stop.
inline constexpr LocalizedText kLabelStop{"停止",    "Stop", "Stopp", "Loppu",  "Fine",
                                          "Fin",     "Vége", "Konec", "Konec",  "停止",
                                          "Pabaiga", "Stop", "Bitiş", "Кінець", "Конец"};

// 1021 (all): on-screen serial number.
inline constexpr LocalizedText kLabelSerialNo{
    "序列号",      "Serial No.",  "Seriennr.",    "Sarjanumero",   "N. serie",
    "N° de série", "Sorozatszám", "Serijska št.", "Sériové číslo", "シリアル番号",
    "Serijos Nr.", "Nr seryjny",  "Seri No.",     "Серійний №",    "Серийный №"};

// 1020 (all): time lapse.
inline constexpr LocalizedText kLabelTimeLapse{
    "定时拍摄",           "Time Lapse",      "Zeitraffer",     "Aikaviive", "Time Lapse",
    "Time-lapse",         "Időközi fotó",    "Časovni zamik",  "Časosběr",  "タイムラプス",
    "Periodinis režimas", "Tryb poklatkowy", "Zaman atlamalı", "Таймлапс",  "Таймлапс"};

// 1043 (all): date format.
inline constexpr LocalizedText kLabelDateFormat{
    "时间格式",       "Date Format",   "Datumsformat",  "Päiväysmuoto", "Formato data",
    "Format de date", "Dátumformátum", "Oblika datuma", "Formát data",  "日付形式",
    "Datos formatas", "Format daty",   "Tarih biçimi",  "Формат дати",  "Формат даты"};

// 1041 (P4, P7): key beep.
inline constexpr LocalizedText kLabelBeepSound{
    "按键音",         "Beep Sound",      "Tastenton", "Äänimerkki",  "Suono tasti",
    "Bip touches",    "Gombhang",        "Zvok tipk", "Zvuk kláves", "ビープ音",
    "Mygtukų garsas", "Dźwięk klawiszy", "Tuş sesi",  "Звук клавіш", "Звук клавиш"};

// Buttons.

// 1031 (all): reads the local clock again.
inline constexpr LocalizedText kButtonGetTime{
    "获取时间",     "Get Time",     "Zeit übernehmen", "Hae aika",     "Leggi ora",
    "Lire l'heure", "Idő lekérése", "Pridobi čas",     "Načíst čas",   "時刻取得",
    "Gauti laiką",  "Pobierz czas", "Saati al",        "Отримати час", "Получить время"};

// 1062 (all): writes the factory record.
inline constexpr LocalizedText kButtonDefault{
    "出厂设置",    "Default",         "Standard",   "Oletus",           "Predefinito",
    "Par défaut",  "Alapértelmezett", "Privzeto",   "Výchozí",          "初期設定",
    "Numatytieji", "Domyślne",        "Varsayılan", "За замовчуванням", "По умолчанию"};

// Option lists; the record stores the position.

// 1013 (all). The generic form without a model shows the first two, see captureModeOptions.
inline constexpr std::array<LocalizedText, 3> kOptionsCaptureMode{
    LocalizedText{"拍照", "Camera", "Foto", "Kuva", "Foto", "Photo", "Fotó", "Foto", "Foto", "写真",
                  "Foto", "Zdjęcie", "Fotoğraf", "Фото", "Фото"},
    LocalizedText{"录像", "Video", "Video", "Video", "Video", "Vidéo", "Videó", "Video", "Video",
                  "動画", "Video", "Wideo", "Video", "Відео", "Видео"},
    LocalizedText{"拍照+录像", "Camera+Video", "Foto+Video", "Kuva+Video", "Foto+Video",
                  "Photo+Vidéo", "Fotó+Videó", "Foto+Video", "Foto+Video", "写真+動画",
                  "Foto+Video", "Zdjęcie+Wideo", "Fotoğraf+Video", "Фото+Відео", "Фото+Видео"}};

// 1016 (all): pictures per trigger.
inline constexpr std::array<LocalizedText, 3> kOptionsPictureCount{
    LocalizedText{"01 张", "01 Photo", "01 Bild", "01 kuva", "01 foto", "01 photo", "01 fotó",
                  "01 slika", "01 fotka", "01 枚", "01 nuotr.", "01 zdjęcie", "01 Fotoğraf",
                  "01 фото", "01 фото"},
    LocalizedText{"02 张", "02 Photo", "02 Bilder", "02 kuvaa", "02 foto", "02 photos", "02 fotó",
                  "02 sliki", "02 fotky", "02 枚", "02 nuotr.", "02 zdjęcia", "02 Fotoğraf",
                  "02 фото", "02 фото"},
    LocalizedText{"03 张", "03 Photo", "03 Bilder", "03 kuvaa", "03 foto", "03 photos", "03 fotó",
                  "03 slike", "03 fotky", "03 枚", "03 nuotr.", "03 zdjęcia", "03 Fotoğraf",
                  "03 фото", "03 фото"}};

// Every switch except Time Stamp and Time Lapse: position 0 = off.
// Generic: 1025, 1028, 1032, 1048, 1052. P4/P7: 1025, 1028 (P4), 1032, 1042, 1046, 1052.
// K7: 1025, 1032, 1048. K9: 1025, 1028, 1032, 1048, 1081. D2: 1025, 1032, 1048, 1049.
inline constexpr std::array<LocalizedText, 2> kOnOff{kTextOff, kTextOn};

// Time Stamp (1026) and Time Lapse (1033) in every form: position 0 = on.
inline constexpr std::array<LocalizedText, 2> kOnOffReversed{kTextOn, kTextOff};

// 1027 (all): PIR sensitivity.
inline constexpr std::array<LocalizedText, 4> kOptionsSensitivity{
    LocalizedText{"正常", "Normal", "Normal", "Normaali", "Normale", "Normale", "Normál",
                  "Normalno", "Normální", "標準", "Normalus", "Normalna", "Normal", "Нормальна",
                  "Нормальная"},
    LocalizedText{"高", "High", "Hoch", "Korkea", "Alta", "Haute", "Magas", "Visoko", "Vysoká",
                  "高", "Aukštas", "Wysoka", "Yüksek", "Висока", "Высокая"},
    LocalizedText{"低", "Low", "Niedrig", "Matala", "Bassa", "Basse", "Alacsony", "Nizko", "Nízká",
                  "低", "Žemas", "Niska", "Düşük", "Низька", "Низкая"},
    kTextOff};

// 1029 (all): unit of the interval value 1003.
inline constexpr std::array<LocalizedText, 2> kOptionsIntervalUnit{kLabelSecond, kLabelMinute};

// 1044 (generic, P4, K7, P7, D2). The K9 form shows its layout's names in every language,
// Chinese included.
inline constexpr std::array<LocalizedText, 3> kOptionsDateFormat{
    LocalizedText{"年月日", "YYMMDD", "JJMMTT", "VVKKPP", "AAMMGG", "AAMMJJ", "ÉÉHHNN", "LLMMDD",
                  "RRMMDD", "年月日", "m. mėn. d.", "RRMMDD", "YYAAGG", "РРММДД", "ГГММДД"},
    LocalizedText{"月日年", "MMDDYY", "MMTTJJ", "KKPPVV", "MMGGAA", "MMJJAA", "HHNNÉÉ", "MMDDLL",
                  "MMDDRR", "月日年", "mėn. d. m.", "MMDDRR", "AAGGYY", "ММДДРР", "ММДДГГ"},
    LocalizedText{"日月年", "DDMMYY", "TTMMJJ", "PPKKVV", "GGMMAA", "JJMMAA", "NNHHÉÉ", "DDMMLL",
                  "DDMMRR", "日月年", "d. mėn. m.", "DDMMRR", "GGAAYY", "ДДММРР", "ДДММГГ"}};

// The serial characters (1034-1037) and the size lists read the same in every language: the
// layout's names of the stored positions.

// The capture modes a camera form offers: all three where the model has them, "Camera" and
// "Video" in the generic form without a model.
OptionList captureModeOptions(int modelId);

// Messages (Chinese for LanguageId 1, English otherwise).

inline constexpr Message kMessageCameraMenuGenerated{"Camera menu configuration file is generated",
                                                     "相机菜单设置文件已经生成"};
inline constexpr Message kMessageConfigurationGenerated{"Configuration file is generated",
                                                        "相机菜单设置文件已经生成"};
// The generic, K7, K9 and D2 forms' Chinese text starts with a space; the P4 and P7 forms' not.
inline constexpr Message kMessageFactoryGenerated{
    "Camera menu factory settings file has been generated", " 相机菜单出厂设置文件已经生成"};
inline constexpr Message kMessageFactoryGeneratedP4{
    "Camera menu factory settings file has been generated", "相机菜单出厂设置文件已经生成"};

// Generic, K7, K9, D2.
inline constexpr MenuMessages kCameraMenuMessages{kMessageCameraMenuGenerated,
                                                  kMessageFactoryGenerated};
// P4, P7.
inline constexpr MenuMessages kP4MenuMessages{kMessageConfigurationGenerated,
                                              kMessageFactoryGeneratedP4};

} // namespace quorvex::camera_menu
