// SPDX-License-Identifier: MIT
#include "app/SystemLanguage.h"

#include "app/FilePreferencesStore.h"

#include <array>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvex {

namespace {

struct LocaleId {
    std::string_view name;
    std::uint16_t id;
};

// Territory-specific entries first; a bare language gives its main variant.
constexpr std::array kLocales{
    LocaleId{"zh_CN", 2052}, LocaleId{"zh_TW", 1028},  LocaleId{"zh_HK", 3076},
    LocaleId{"zh_SG", 4100}, LocaleId{"zh_MO", 5124},  LocaleId{"zh", 2052},
    LocaleId{"de_DE", 1031}, LocaleId{"de_CH", 2055},  LocaleId{"de_AT", 3079},
    LocaleId{"de_LU", 4103}, LocaleId{"de_LI", 5127},  LocaleId{"de", 1031},
    LocaleId{"en_US", 1033}, LocaleId{"en_GB", 2057},  LocaleId{"en_AU", 3081},
    LocaleId{"en_CA", 4105}, LocaleId{"en_NZ", 5129},  LocaleId{"en_IE", 6153},
    LocaleId{"en_ZA", 7177}, LocaleId{"en_IN", 16393}, LocaleId{"en", 1033},
    LocaleId{"fi_FI", 1035}, LocaleId{"fi", 1035},     LocaleId{"it_IT", 1040},
    LocaleId{"it_CH", 2064}, LocaleId{"it", 1040},     LocaleId{"fr_FR", 1036},
    LocaleId{"fr_BE", 2060}, LocaleId{"fr_CA", 3084},  LocaleId{"fr_CH", 4108},
    LocaleId{"fr_LU", 5132}, LocaleId{"fr", 1036},     LocaleId{"hu_HU", 1038},
    LocaleId{"hu", 1038},    LocaleId{"sl_SI", 1060},  LocaleId{"sl", 1060},
    LocaleId{"cs_CZ", 1029}, LocaleId{"cs", 1029},     LocaleId{"ja_JP", 1041},
    LocaleId{"ja", 1041},    LocaleId{"lt_LT", 1063},  LocaleId{"lt", 1063},
    LocaleId{"pl_PL", 1045}, LocaleId{"pl", 1045},     LocaleId{"tr_TR", 1055},
    LocaleId{"tr", 1055},    LocaleId{"uk_UA", 1058},  LocaleId{"uk", 1058},
    LocaleId{"ru_RU", 1049}, LocaleId{"ru", 1049},     LocaleId{"es_ES", 3082},
    LocaleId{"es_MX", 2058}, LocaleId{"es", 3082},     LocaleId{"pt_BR", 1046},
    LocaleId{"pt_PT", 2070}, LocaleId{"pt", 2070},     LocaleId{"nl_NL", 1043},
    LocaleId{"nl_BE", 2067}, LocaleId{"nl", 1043},     LocaleId{"sv_SE", 1053},
    LocaleId{"sv", 1053},    LocaleId{"da_DK", 1030},  LocaleId{"da", 1030},
    LocaleId{"nb_NO", 1044}, LocaleId{"nn_NO", 2068},  LocaleId{"no", 1044},
    LocaleId{"ko_KR", 1042}, LocaleId{"ko", 1042},     LocaleId{"el_GR", 1032},
    LocaleId{"el", 1032},    LocaleId{"sk_SK", 1051},  LocaleId{"sk", 1051},
    LocaleId{"hr_HR", 1050}, LocaleId{"hr", 1050},     LocaleId{"ro_RO", 1048},
    LocaleId{"ro", 1048},    LocaleId{"bg_BG", 1026},  LocaleId{"bg", 1026},
    LocaleId{"et_EE", 1061}, LocaleId{"et", 1061},     LocaleId{"lv_LV", 1062},
    LocaleId{"lv", 1062},    LocaleId{"sr_RS", 9242},  LocaleId{"be_BY", 1059},
    LocaleId{"be", 1059},    LocaleId{"he_IL", 1037},  LocaleId{"he", 1037},
    LocaleId{"ar_SA", 1025}, LocaleId{"ar", 1025},     LocaleId{"th_TH", 1054},
    LocaleId{"th", 1054},    LocaleId{"vi_VN", 1066},  LocaleId{"vi", 1066},
};

} // namespace

std::optional<std::uint16_t> languageIdForLocale(std::string_view locale) {
    // "de_LI.UTF-8@euro" -> "de_LI"
    const auto end = locale.find_first_of(".@");
    const std::string_view base = locale.substr(0, end);
    const std::string_view language = base.substr(0, base.find('_'));
    for (const auto& entry : kLocales)
        if (entry.name == base)
            return entry.id;
    for (const auto& entry : kLocales)
        if (entry.name == language)
            return entry.id;
    return std::nullopt;
}

std::uint16_t systemDefaultLanguageId() {
    if (const char* forced = std::getenv("QUORVEX_SYSTEM_LANGID"); forced && *forced) {
        if (const auto id = parseUint32(forced); id && *id <= 0xFFFF)
            return static_cast<std::uint16_t>(*id);
    }
#ifdef _WIN32
    return GetSystemDefaultLangID();
#else
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value)
            continue;
        return languageIdForLocale(value).value_or(kLangIdEnglishUs);
    }
    return kLangIdEnglishUs;
#endif
}

LanguageId languageForSystemId(std::uint16_t systemId) {
    if (systemId == kLangIdChinesePrc)
        return kChinese;
    if (systemId == kLangIdGermanLiechtenstein)
        return 3;
    return kEnglish;
}

} // namespace quorvex
