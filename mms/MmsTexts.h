// SPDX-License-Identifier: MIT
#pragma once

#include "card/SettingsHeaderSchema.h"
#include "core/Language.h"

#include <array>
#include <string_view>

// Texts of the two MMS forms (the generic form and the P4 form). Entries are in LanguageId
// order: Chinese, English, German, Finnish, Italian, French, Hungarian, Slovenian, Czech,
// Japanese, Lithuanian, Polish, Turkish, Ukrainian, Russian. Control ids are the same in both
// forms unless a comment names them per form.
namespace quorvex::mms {

// Labels.

// 1058: the outer group box.
inline constexpr LocalizedText kLabelMms{"彩信", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS",
                                         "MMS",  "MMS", "MMS", "MMS", "MMS", "MMS", "MMS"};

// 1039: MMS mode.
inline constexpr LocalizedText kLabelMmsMode{
    "MMS模式",     "MMS Mode", "MMS-Modus", "MMS-tila",  "Modalità MMS",
    "Mode MMS",    "MMS-mód",  "Način MMS", "Režim MMS", "MMSモード",
    "MMS režimas", "Tryb MMS", "MMS modu",  "Режим MMS", "Режим MMS"};

// 1040: MMS Send list.
inline constexpr LocalizedText kLabelMmsStatus{
    "MMS发送",       "MMS Status",    "MMS-Versand",    "MMS-lähetys",    "Invio MMS",
    "Envoi MMS",     "MMS-küldés",    "Pošiljanje MMS", "Odesílání MMS",  "MMS送信",
    "MMS siuntimas", "Wysyłanie MMS", "MMS gönderimi",  "Надсилання MMS", "Отправка MMS"};

// 1059: pictures sent per day.
inline constexpr LocalizedText kLabelPicturesPerDay{
    "拍摄张数/每天", "Picture No./day", "Bilder/Tag",   "Kuvia/päivä", "Foto/giorno",
    "Photos/jour",   "Kép/nap",         "Slik/dan",     "Fotek/den",   "撮影枚数/日",
    "Nuotr./dieną",  "Zdjęć/dzień",     "Fotoğraf/gün", "Фото/день",   "Фото/день"};

// 1075: note beside the pictures-per-day edit. The English text has a full-width colon.
inline constexpr LocalizedText kLabelUnlimitedNote{
    "注:0=无限制",        "Note：0=Unlimited",   "Hinweis: 0=unbegrenzt", "Huom: 0=rajaton",
    "Nota: 0=illimitato", "Note : 0=illimité",   "Megj.: 0=korlátlan",    "Opomba: 0=neomejeno",
    "Pozn.: 0=neomezeně", "注:0=無制限",         "Pastaba: 0=neribota",   "Uwaga: 0=bez limitu",
    "Not: 0=sınırsız",    "Прим.: 0=без ліміту", "Прим.: 0=без лимита"};

// 1043: country.
inline constexpr LocalizedText kLabelCountry{"国家",  "Country", "Land",   "Maa",    "Paese",
                                             "Pays",  "Ország",  "Država", "Země",   "国",
                                             "Šalis", "Kraj",    "Ülke",   "Країна", "Страна"};

// 1044: network operator.
inline constexpr LocalizedText kLabelOperator{
    "运营商",      "Operator",    "Netzbetreiber", "Operaattori", "Operatore",
    "Opérateur",   "Szolgáltató", "Operater",      "Operátor",    "キャリア",
    "Operatorius", "Operator",    "Operatör",      "Оператор",    "Оператор"};

// 1129 (generic form), 1084 (P4 form): SMS remote control.
inline constexpr LocalizedText kLabelRemoteControl{
    "短信远程控制",        "SMS Remote Control", "SMS-Fernsteuerung", "SMS-etäohjaus",
    "Controllo via SMS",   "Télécommande SMS",   "SMS-távvezérlés",   "Upravljanje z SMS",
    "SMS ovládání",        "SMS遠隔操作",        "SMS valdymas",      "Sterowanie SMS",
    "SMS uzaktan kontrol", "SMS-керування",      "SMS-управление"};

// 1047: MMS server URL.
inline constexpr LocalizedText kLabelUrl{"彩信网址", "URL", "URL", "URL", "URL",
                                         "URL",      "URL", "URL", "URL", "URL",
                                         "URL",      "URL", "URL", "URL", "URL"};

// 1048: MMS gateway.
inline constexpr LocalizedText kLabelGateway{"彩信网关",  "Gateway",      "Gateway", "Yhdyskäytävä",
                                             "Gateway",   "Passerelle",   "Átjáró",  "Prehod",
                                             "Brána",     "ゲートウェイ", "Šliuzas", "Brama",
                                             "Ağ geçidi", "Шлюз",         "Шлюз"};

// 1049: MMS gateway port.
inline constexpr LocalizedText kLabelPort{"彩信端口",  "Port", "Port",  "Portti", "Porta",
                                          "Port",      "Port", "Vrata", "Port",   "ポート",
                                          "Prievadas", "Port", "Port",  "Порт",   "Порт"};

// 1050: first recipient's phone number.
inline constexpr LocalizedText kLabelPhoneNo{
    "手机号码",   "Phone No",    "Telefonnr.", "Puhelinnro", "N. telefono",
    "N° de tél.", "Telefonszám", "Tel. št.",   "Tel. číslo", "電話番号",
    "Tel. nr.",   "Nr telefonu", "Telefon No", "Номер тел.", "Номер тел."};

// 1051: first recipient's e-mail address.
inline constexpr LocalizedText kLabelEmail{
    "邮箱",   "Email",  "E-Mail",     "Sähköposti", "Email",   "E-mail",    "E-mail",   "E-pošta",
    "E-mail", "メール", "El. paštas", "E-mail",     "E-posta", "Ел. пошта", "Эл. почта"};

// 1052: MMS account (user name).
inline constexpr LocalizedText kLabelAccount{"帐号",    "Account", "Konto", "Tunnus", "Account",
                                             "Compte",  "Fiók",    "Račun", "Účet",   "アカウント",
                                             "Paskyra", "Konto",   "Hesap", "Логін",  "Логин"};

// 1053: MMS password.
inline constexpr LocalizedText kLabelPassword{
    "密码",  "Password",   "Passwort",    "Salasana", "Password", "Mot de passe", "Jelszó", "Geslo",
    "Heslo", "パスワード", "Slaptažodis", "Hasło",    "Şifre",    "Пароль",       "Пароль"};

// 1054, 1055: second and third recipient.
inline constexpr LocalizedText kLabelPhoneOrEmail{
    "手机号码或邮件",  "Phone or Email", "Telefon/E-Mail",   "Puh./sähköposti", "Telefono/email",
    "Tél. ou e-mail",  "Telefon/e-mail", "Tel. ali e-pošta", "Telefon/e-mail",  "電話番号/メール",
    "Tel./el. paštas", "Telefon/e-mail", "Telefon/E-posta",  "Тел./ел. пошта",  "Тел./эл. почта"};

// Option lists; the record stores the position.

// 1041: MMS mode, 0 = Auto, 1 = Manual.
inline constexpr std::array<LocalizedText, 2> kOptionsMmsMode{
    LocalizedText{"自动", "Auto", "Auto", "Auto", "Auto", "Auto", "Automatikus", "Samodejno",
                  "Auto", "自動", "Automatinis", "Automatyczne", "otomatik", "Авто", "Авто"},
    LocalizedText{"手动", "Manual", "Manuell", "Manuaalinen", "Manuale", "Manuel", "Kézi", "Ročno",
                  "Ručně", "手動", "Rankinis", "Ręcznie", "elle", "Вручну", "Ручная"}};

// 1060: phone numbering, 0 = domestic (China), 1 = international.
inline constexpr std::array<LocalizedText, 2> kOptionsNumbering{
    LocalizedText{"国内", "China", "China", "Kiina", "Cina", "Chine", "Kína", "Domača", "Čína",
                  "中国", "Kinija", "Chiny", "çin", "Внутрішній", "Внутренний"},
    LocalizedText{"国际", "International", "International", "kansainvälinen", "Internazionale",
                  "International", "Nemzetközi", "Mednarodna", "Mezinárodní", "国際",
                  "Tarptautinis", "Międzynarod.", "uluslararası", "Міжнародний", "Международн."}};

// The Off entry of the MMS Send list (1042) and of the remote-control list (1134 generic form,
// 1061 P4 form). These lists use their own words, not the camera menu's Off.
inline constexpr LocalizedText kTextOffMms{"关闭",     "Off",  "Aus",    "pois",    "OFF",
                                           "Arrêt",    "Ki",   "Izklop", "Vypnuto", "オフ",
                                           "Išjungta", "Wył.", "Kapalı", "Вимк",    "Выкл"};

// The SMS entry of the MMS Send list (1042); only Chinese translates it.
inline constexpr LocalizedText kTextSms{"短信", "SMS", "SMS", "SMS", "SMS", "SMS", "SMS", "SMS",
                                        "SMS",  "SMS", "SMS", "SMS", "SMS", "SMS", "SMS"};

// Entries that read the same in every language.

// 1042: picture sizes of the MMS Send list.
inline constexpr LocalizedText kTextVga{"VGA", "VGA", "VGA", "VGA", "VGA", "VGA", "VGA", "VGA",
                                        "VGA", "VGA", "VGA", "VGA", "VGA", "VGA", "VGA"};
inline constexpr LocalizedText kTextQvga{"QVGA", "QVGA", "QVGA", "QVGA", "QVGA",
                                         "QVGA", "QVGA", "QVGA", "QVGA", "QVGA",
                                         "QVGA", "QVGA", "QVGA", "QVGA", "QVGA"};

// 1056: connection type, its entries in the order of the stored codes; Manual mode offers both,
// Auto mode APN only.
inline constexpr std::string_view kConnectionApn = kConnectionOptions[0];
inline constexpr std::string_view kConnectionCsd = kConnectionOptions[kCsdConnection];

// Messages (Chinese for LanguageId 1, English otherwise).

// Checks on "Generate".
inline constexpr Message kMessagePhoneEmailEmpty{"Phone & Email Error(0)",
                                                 "手机号码和Email错误(0)"};
inline constexpr Message kMessagePhone1Short{"Phone No. Error(01)", "手机号码错误(01)"};
inline constexpr Message kMessagePhone2Short{"Phone No. Error(02)", "手机号码错误(02)"};
inline constexpr Message kMessagePhone3Short{"Phone No. Error(03)", "手机号码错误(03)"};
inline constexpr Message kMessagePhoneDigits{"Only numbers(+) are allowed phone number",
                                             "手机号码只允许数字(+)"};
inline constexpr Message kMessageRecipientStandard{
    "Please re-check the phone number or email address is entered correctly",
    "请重新检查手机号码或者email地址是否输入正确"};
inline constexpr Message kMessageRecipientSms{
    "Please re-check the phone number is entered correctly", "请重新检查手机号码是否输入正确"};
inline constexpr Message kMessageEmailAt{"Email Error(@)", "Email 错误(@)"};
inline constexpr Message kMessageEmailDot{"Email Error(.)", "Email 错误(.)"};
inline constexpr Message kMessageUrlEmpty{"URL Error(0)", "彩信网址错误(0)"};
inline constexpr Message kMessageApnEmpty{"APN Error(0)", "APN 错误(0)"};
inline constexpr Message kMessageGatewayEmpty{"GateWay Error(0)", "彩信网关错误(0)"};
inline constexpr Message kMessagePortEmpty{"Port Error(0)", "彩信端口错误(0)"};
// The generic form's gateway-dot message; the P4 form's Chinese text is shorter.
inline constexpr Message kMessageGatewayDot{"GateWay Error(.)", "彩信网关错误(.)"};
inline constexpr Message kMessageGatewayDotP4{"GateWay Error(.)", "网关错误(.)"};
// Remote control on without a first phone number.
inline constexpr Message kMessageRemoteNeedsPhone{"Phone No. Error(01)", "请设置手机号码1"};

// Auto mode with an operator the catalogue has no MMSC URL or APN for: the country and the
// operator as their lists show them.
inline constexpr Message kMessageNoOperatorSettings{
    "This program has no MMS settings for %s, %s. Choose Manual mode and enter the operator's own "
    "settings (URL and APN).",
    "本程序没有%s %s的彩信设置。请选择手动模式，并填写运营商提供的设置（彩信网址和APN）。"};

// Shown while the form is read: %d is the phone number's digit limit.
inline constexpr Message kMessagePhoneTooLong{"The max allowable number of digits phone %d!",
                                              "最大允许手机号码位数 %d!"};

// Shown each time International numbering is chosen.
inline constexpr Message kMessageNumberingInternational{
    "Phone number will not be displayed in the camera setup menu",
    "手机号码将不能在相机设置菜单显示"};

// A field holds a character the settings file cannot store: the field's label, then the
// character.
inline constexpr Message kMessageFieldNotStorable{
    "%s: \"%s\" cannot be stored in the camera's settings file", "%s：“%s”无法保存到相机设置文件"};

} // namespace quorvex::mms
