// SPDX-License-Identifier: MIT
#pragma once

#include "core/Language.h"
#include "mms/MmsTexts.h"

#include <array>

// Texts of the two SMTP forms (the P4 form and the K4 form). Entries are in LanguageId order:
// Chinese, English, German, Finnish, Italian, French, Hungarian, Slovenian, Czech, Japanese,
// Lithuanian, Polish, Turkish, Ukrainian, Russian. Control ids are the same in both forms unless
// a comment names them per form. Labels the SMTP forms share with the MMS forms (picture limit,
// note, country, operator, SMS remote control, phone number, account, mode list) are taken from
// mms/MmsTexts.h and the hour label from core/ConfiguratorTexts.h.
namespace quorvex::smtp {

// Labels.

// 1086: SMTP mode.
inline constexpr LocalizedText kLabelSmtpMode{
    "SMTP模式",     "Smtp Mode", "SMTP-Modus", "SMTP-tila",  "Modalità SMTP",
    "Mode SMTP",    "SMTP-mód",  "Način SMTP", "Režim SMTP", "SMTPモード",
    "SMTP režimas", "Tryb SMTP", "SMTP modu",  "Режим SMTP", "Режим SMTP"};

// 1113 (P4 form only): label of the SMTP Status list.
inline constexpr LocalizedText kLabelSmtpStatus{
    "Smtp 发送状态",  "Smtp Status",    "SMTP-Versand",    "SMTP-lähetys",    "Invio SMTP",
    "Envoi SMTP",     "SMTP-küldés",    "Pošiljanje SMTP", "Odesílání SMTP",  "SMTP送信",
    "SMTP siuntimas", "Wysyłanie SMTP", "SMTP gönderimi",  "Надсилання SMTP", "Отправка SMTP"};

// 1146 (P4 form), 1107 (K4 form): the group around APN, account and password.
inline constexpr LocalizedText kLabelGprsSetting{
    "GPRS设置",          "GPRS Setting",      "GPRS-Einstellungen", "GPRS-asetukset",
    "Impostazioni GPRS", "Paramètres GPRS",   "GPRS-beállítások",   "Nastavitve GPRS",
    "Nastavení GPRS",    "GPRS設定",          "GPRS nustatymai",    "Ustawienia GPRS",
    "GPRS ayarları",     "Налаштування GPRS", "Настройки GPRS"};

// 1097: APN; the same word in every language.
inline constexpr LocalizedText kLabelApnAll{"APN", "APN", "APN", "APN", "APN", "APN", "APN", "APN",
                                            "APN", "APN", "APN", "APN", "APN", "APN", "APN"};

// 1099: GPRS password; the same texts as the MMS password.
inline constexpr LocalizedText kLabelGprsPassword = mms::kLabelPassword;

// 1104: the sender group.
inline constexpr LocalizedText kLabelSender{"发送端",     "Sender",     "Absender",   "Lähettäjä",
                                            "Mittente",   "Expéditeur", "Feladó",     "Pošiljatelj",
                                            "Odesílatel", "送信元",     "Siuntėjas",  "Nadawca",
                                            "Gönderen",   "Відправник", "Отправитель"};

// 1100: SMTP server.
inline constexpr LocalizedText kLabelSmtpServer{
    "SMTP服务器",    "Smtp Server",  "SMTP-Server",   "SMTP-palvelin", "Server SMTP",
    "Serveur SMTP",  "SMTP-szerver", "Strežnik SMTP", "Server SMTP",   "SMTPサーバー",
    "SMTP serveris", "Serwer SMTP",  "SMTP sunucusu", "Сервер SMTP",   "Сервер SMTP"};

// 1101: SMTP port; only Chinese differs from the MMS port label.
inline constexpr LocalizedText kLabelSmtpPort{"SMTP端口",  "Port", "Port",  "Portti", "Porta",
                                              "Port",      "Port", "Vrata", "Port",   "ポート",
                                              "Prievadas", "Port", "Port",  "Порт",   "Порт"};

// 1103: sender e-mail address.
inline constexpr LocalizedText kLabelSenderEmail{
    "发送人邮箱",         "Sender Email",      "Absender-E-Mail",     "Lähettäjän osoite",
    "Email mittente",     "E-mail expéditeur", "Feladó e-mail",       "E-pošta pošiljatelja",
    "E-mail odesílatele", "送信元メール",      "Siuntėjo el. paštas", "E-mail nadawcy",
    "Gönderen e-posta",   "Пошта відправника", "Почта отправителя"};

// 1102: sender password; only Chinese names the sender.
inline constexpr LocalizedText kLabelSenderPassword{
    "发送人密码",   "Password", "Passwort", "Salasana", "Password",
    "Mot de passe", "Jelszó",   "Geslo",    "Heslo",    "パスワード",
    "Slaptažodis",  "Hasło",    "Şifre",    "Пароль",   "Пароль"};

// 1105: the recipients group.
inline constexpr LocalizedText kLabelRecipients{
    "收件人",        "Recipients", "Empfänger",  "Vastaanottajat", "Destinatari",
    "Destinataires", "Címzettek",  "Prejemniki", "Příjemci",       "宛先",
    "Gavėjai",       "Odbiorcy",   "Alıcılar",   "Отримувачі",     "Получатели"};

// 1106: the recipient's e-mail address.
inline constexpr LocalizedText kLabelEmail01{
    "邮箱地址01",    "Email01",   "E-Mail 01",  "Sähköposti 01", "Email 01",
    "E-mail 01",     "E-mail 01", "E-pošta 01", "E-mail 01",     "メール01",
    "El. paštas 01", "E-mail 01", "E-posta 01", "Ел. пошта 01",  "Эл. почта 01"};

// 1147 (P4 form), 1083 (K4 form): the group around the phone number.
inline constexpr LocalizedText kLabelSmsGroup{"短信", "SMS", "SMS", "SMS", "SMS",
                                              "SMS",  "SMS", "SMS", "SMS", "SMS",
                                              "SMS",  "SMS", "SMS", "SMS", "SMS"};

// Option lists; the record stores the position.

// The Off entry of the remote-control list (1115 P4 form, 1135 K4 form), after "0" ... "24".
inline constexpr LocalizedText kTextRemoteOff{"关闭",     "Off",  "Aus",    "Pois",    "Spento",
                                              "Arrêt",    "Ki",   "Izklop", "Vypnuto", "オフ",
                                              "Išjungta", "Wył.", "Kapalı", "Вимк.",   "Выкл."};

// 1087: Auto, Manual. The MMS forms' mode names are fixed by their own table; these are the
// SMTP forms' own, where "Manual" means set by hand.
inline constexpr std::array<LocalizedText, 2> kOptionsSmtpMode{
    LocalizedText{"自动", "Auto", "Auto", "Automaattinen", "Automatico", "Auto", "Automatikus",
                  "Samodejno", "Automaticky", "自動", "Automatinis", "Automatyczny", "Otomatik",
                  "Авто", "Авто"},
    LocalizedText{"手动", "Manual", "Manuell", "Manuaalinen", "Manuale", "Manuel", "Kézi", "Ročno",
                  "Ručně", "手動", "Rankinis", "Ręczny", "Manuel", "Вручну", "Вручную"}};

// 1114 (P4 form only): SMTP Status, 0 = Off, 1 = VGA, 2 = SMS.
inline constexpr std::array<LocalizedText, 3> kOptionsSmtpStatus{kTextRemoteOff, mms::kTextVga,
                                                                 mms::kTextSms};

// Messages (Chinese for LanguageId 1, English otherwise): checks on "Generate", in check order.
inline constexpr Message kMessageGprsApn{"GPRS APN", "请输入GPRS APN"};
inline constexpr Message kMessageSmtpServer{"Smtp Server", "请输入Smtp Server地址"};
inline constexpr Message kMessagePort{"Port", "请设置端口"};
inline constexpr Message kMessageInputEmail{"Please Input Email", "请输入Email"};
inline constexpr Message kMessageEmailAt = mms::kMessageEmailAt;
inline constexpr Message kMessageEmailDot = mms::kMessageEmailDot;
inline constexpr Message kMessageSenderPassword{"Sender Email Password", "请输入发送者邮箱密码"};
inline constexpr Message kMessagePhone{"Phone No. Error", "手机号码错误"};
// Auto mode with an operator the catalogue has no APN for: the country and the operator as their
// lists show them.
inline constexpr Message kMessageNoGprsSettings{
    "This program has no GPRS settings for %s, %s. Choose Manual mode and enter the operator's "
    "own settings (APN).",
    "本程序没有%s %s的GPRS设置。请选择手动模式，并填写运营商提供的设置（APN）。"};

} // namespace quorvex::smtp
