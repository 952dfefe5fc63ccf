// SPDX-License-Identifier: MIT
#include "mms/MmsChecks.h"

#include "core/Utf8.h"
#include "mms/MmsTexts.h"

#include <algorithm>

namespace quorvex::mms {

namespace ids = ui::mms_ids;

namespace {

// The MMS checks run on MMS forms only.
const MmsForm& mmsForm(const ui::FormBase& form) {
    return static_cast<const MmsForm&>(form);
}

bool has(const MmsForm& form, int field, char c) {
    return form.heldText(field).find(c) != std::string_view::npos;
}
bool isDigit(const std::string& character) {
    return character.size() == 1 && character[0] >= '0' && character[0] <= '9';
}

bool bothEmpty(const ui::FormBase& base, int field) {
    const MmsForm& form = mmsForm(base);
    return form.heldText(field).empty() && form.heldText(ids::kEmail).empty();
}
bool oneToFour(const ui::FormBase& base, int field) {
    const MmsForm& form = mmsForm(base);
    const std::size_t n = form.heldLength(field);
    return n >= 1 && n <= 4;
}
// Phone No: digits only, but with international numbering its first character ("+") is free.
bool phoneNotDigits(const ui::FormBase& base, int field) {
    const MmsForm& form = mmsForm(base);
    if (form.heldLength(field) < 5)
        return false;
    const auto characters = ui::splitUtf8(form.heldText(field));
    const std::size_t first = form.international() ? 1 : 0;
    return !std::all_of(characters.begin() + static_cast<std::ptrdiff_t>(first), characters.end(),
                        isDigit);
}
bool notDigitsOrPlus(const MmsForm& form, int field) {
    const auto characters = ui::splitUtf8(form.heldText(field));
    return !std::all_of(characters.begin(), characters.end(),
                        [](const std::string& c) { return isDigit(c) || c == "+"; });
}
// A recipient with "@" is an e-mail address and passes; otherwise a phone number.
bool recipientNotPhone(const ui::FormBase& base, int field) {
    const MmsForm& form = mmsForm(base);
    return form.heldLength(field) >= 5 && !has(form, field, '@') && notDigitsOrPlus(form, field);
}
bool smsRecipientNotPhone(const ui::FormBase& base, int field) {
    const MmsForm& form = mmsForm(base);
    return form.heldLength(field) >= 5 && notDigitsOrPlus(form, field);
}
bool lacksAt(const ui::FormBase& base, int field) {
    const MmsForm& form = mmsForm(base);
    return !form.heldText(field).empty() && !has(form, field, '@');
}
bool lacksDotWhenFilled(const ui::FormBase& base, int field) {
    const MmsForm& form = mmsForm(base);
    return !form.heldText(field).empty() && !has(form, field, '.');
}
bool empty(const ui::FormBase& base, int field) {
    const MmsForm& form = mmsForm(base);
    return form.heldText(field).empty();
}
bool lacksDot(const ui::FormBase& base, int field) {
    const MmsForm& form = mmsForm(base);
    return !has(form, field, '.');
}
// Auto mode: the selected operator has no published MMSC URL or APN, so a file would hold empty
// records and the camera could never send.
bool lacksOperatorSettings(const ui::FormBase& base, int /*field*/) {
    const OperatorProfile profile = mmsForm(base).autoProfile();
    return profile.mmscUrl.empty() || profile.apn.empty();
}

} // namespace

std::vector<GenerateCheck> standardChecks(const Message& gatewayWithoutDot) {
    return {
        {lacksOperatorSettings,
         ids::kOperator,
         &kMessageNoOperatorSettings,
         ui::CheckMode::Auto,
         {ids::kCountry, ids::kOperator}},
        {bothEmpty, ids::kPhoneNo, &kMessagePhoneEmailEmpty},
        {oneToFour, ids::kPhoneNo, &kMessagePhone1Short},
        {oneToFour, ids::kRecipient2, &kMessagePhone2Short},
        {oneToFour, ids::kRecipient3, &kMessagePhone3Short},
        {phoneNotDigits, ids::kPhoneNo, &kMessagePhoneDigits},
        {recipientNotPhone, ids::kRecipient2, &kMessageRecipientStandard},
        {recipientNotPhone, ids::kRecipient3, &kMessageRecipientStandard},
        {lacksAt, ids::kEmail, &kMessageEmailAt},
        {lacksDotWhenFilled, ids::kEmail, &kMessageEmailDot},
        {empty, ids::kUrl, &kMessageUrlEmpty, ui::CheckMode::Manual},
        {empty, ids::kApn, &kMessageApnEmpty, ui::CheckMode::Manual},
        {empty, ids::kGateway, &kMessageGatewayEmpty, ui::CheckMode::Manual},
        {empty, ids::kPort, &kMessagePortEmpty, ui::CheckMode::Manual},
        {lacksDot, ids::kGateway, &gatewayWithoutDot, ui::CheckMode::Manual},
    };
}

// No recipient is required in SMS mode, and nothing is checked of the e-mail or the connection.
std::vector<GenerateCheck> smsChecks() {
    return {
        {oneToFour, ids::kPhoneNo, &kMessagePhone1Short},
        {oneToFour, ids::kRecipient2, &kMessagePhone2Short},
        {oneToFour, ids::kRecipient3, &kMessagePhone3Short},
        {phoneNotDigits, ids::kPhoneNo, &kMessagePhoneDigits},
        {smsRecipientNotPhone, ids::kRecipient2, &kMessageRecipientSms},
        {smsRecipientNotPhone, ids::kRecipient3, &kMessageRecipientSms},
    };
}

} // namespace quorvex::mms
