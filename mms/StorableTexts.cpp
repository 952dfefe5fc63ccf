// SPDX-License-Identifier: MIT
#include "mms/StorableTexts.h"

#include "card/ScrambledSettingsFile.h"
#include "core/Utf8.h"
#include "mms/MmsTexts.h"

#include <string>

namespace quorvex {

bool allStorable(std::span<const NamedText> texts, LanguageId language, ui::InfoMessages& out) {
    for (const NamedText& field : texts) {
        const OemText oem = storableText(field.text);
        if (oem.ok())
            continue;
        const std::string_view rest = field.text.substr(oem.byteOffset);
        // Past the record's end the whole rest is named; otherwise the one character.
        const std::string_view shown = oem.fault == OemFault::TooLong
                                           ? rest
                                           : rest.substr(0, ui::decodeUtf8At(rest, 0).length);
        std::string message(messageFor(mms::kMessageFieldNotStorable, language));
        for (const std::string_view part : {field.name, shown})
            if (const auto at = message.find("%s"); at != std::string::npos)
                message.replace(at, 2, part);
        out.showInfoMessage(message);
        return false;
    }
    return true;
}

} // namespace quorvex
