// SPDX-License-Identifier: MIT
#include "ui/templates/AccessibleNames.h"

#include "core/Utf8.h"
#include "ui/Mnemonics.h"
#include "ui/templates/CameraMenuTemplates.h"
#include "ui/templates/MainWindowTemplate.h"
#include "ui/templates/MmsTemplates.h"
#include "ui/templates/SmtpTemplates.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace quorvex::testing {
namespace {

using ui::ControlKind;
using ui::DialogTemplate;

const DialogTemplate* const kTemplates[] = {
    &ui::kMainWindowTemplate, &ui::kAboutTemplate,  &ui::kCameraMenuTemplate, &ui::kP4MenuTemplate,
    &ui::kK7MenuTemplate,     &ui::kP7MenuTemplate, &ui::kK9MenuTemplate,     &ui::kD2MenuTemplate,
    &ui::kMmsTemplate,        &ui::kP4MmsTemplate,  &ui::kP4SmtpTemplate,     &ui::kK4SmtpTemplate};

bool isField(const ui::ControlSpec& c) {
    return c.id != ui::kUnnamed && (c.kind == ControlKind::Edit || c.kind == ControlKind::List);
}

// A name says something: at least one character that is neither punctuation, a digit nor a space.
bool saysSomething(std::string_view name) {
    for (std::size_t at = 0; at < name.size();) {
        const ui::Utf8Char c = ui::decodeUtf8At(name, at);
        at += c.length;
        if (c.codePoint > 0x7F || std::isalpha(static_cast<int>(c.codePoint)))
            if (c.codePoint != 0xFF1A && c.codePoint != 0x3001 && c.codePoint != 0xFF0C)
                return true;
    }
    return false;
}

const ui::ControlSpec* control(const DialogTemplate& t, int id) {
    for (const ui::ControlSpec& c : t.controls)
        if (c.id == id)
            return &c;
    return nullptr;
}

TEST(AccessibleNames, EveryFieldOfEveryTemplateIsNamedOnceInEveryLanguage) {
    for (const DialogTemplate* t : kTemplates) {
        for (LanguageId language = 1; language <= kLanguageCount; ++language) {
            std::map<std::string, int> seen;
            for (const ui::ControlSpec& c : t->controls) {
                if (!isField(c))
                    continue;
                SCOPED_TRACE("template " + std::to_string(t->id) + " control " +
                             std::to_string(c.id) + " language " + std::to_string(language));
                const auto info = ui::accessibleInfo(t->id, c.id, language);
                ASSERT_TRUE(info.has_value());
                EXPECT_TRUE(saysSomething(info->name)) << info->name;
                const auto [at, fresh] = seen.emplace(std::string(info->name), c.id);
                EXPECT_TRUE(fresh) << '"' << info->name << "\" also names " << at->second;
                EXPECT_EQ(ui::accessibleName(t->id, c, language, "typed text"), info->name);
            }
        }
    }
}

// Label, description and group are statics or frames of the same window, and a label's field
// is a field: a wrong id would tie a field to a button or to nothing.
TEST(AccessibleNames, RelationsPointAtStaticsOfTheSameTemplate) {
    for (const DialogTemplate* t : kTemplates) {
        for (const ui::ControlSpec& c : t->controls) {
            if (!isField(c))
                continue;
            SCOPED_TRACE("template " + std::to_string(t->id) + " control " + std::to_string(c.id));
            const auto info = ui::accessibleInfo(t->id, c.id, kEnglish);
            ASSERT_TRUE(info.has_value());
            for (const int related : {info->labelledBy, info->describedBy, info->group}) {
                if (related == 0)
                    continue;
                const ui::ControlSpec* r = control(*t, related);
                ASSERT_NE(r, nullptr) << related;
                EXPECT_TRUE(r->kind == ControlKind::Static || r->kind == ControlKind::GroupBox)
                    << related;
            }
            if (info->labelledBy != 0) {
                const ui::ControlSpec* field =
                    control(*t, ui::labelledField(t->id, info->labelledBy));
                ASSERT_NE(field, nullptr);
                EXPECT_TRUE(isField(*field));
            }
        }
        for (const ui::ControlSpec& c : t->controls) {
            if (c.kind == ControlKind::Button || c.kind == ControlKind::Static) {
                EXPECT_FALSE(ui::accessibleInfo(t->id, c.id, kEnglish).has_value()) << c.id;
            }
        }
    }
}

// Every language has its own words: a table row copied from English would read English to a
// German or Russian user.
TEST(AccessibleNames, NamesAreTranslated) {
    for (LanguageId language = 1; language <= kLanguageCount; ++language) {
        if (language == kEnglish)
            continue;
        int fields = 0;
        int english = 0;
        for (const DialogTemplate* t : kTemplates) {
            for (const ui::ControlSpec& c : t->controls) {
                if (!isField(c))
                    continue;
                ++fields;
                english += ui::accessibleInfo(t->id, c.id, language)->name ==
                           ui::accessibleInfo(t->id, c.id, kEnglish)->name;
            }
        }
        EXPECT_LT(english * 4, fields) << "language " << language;
    }
}

TEST(AccessibleNames, ButtonsAndStaticsAreNamedByTheirText) {
    const ui::ControlSpec* button = control(ui::kMmsTemplate, 1);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(ui::accessibleName(ui::kMmsTemplate.id, *button, 3, "Erzeugen"), "Erzeugen");
}

std::vector<int> positions(std::initializer_list<std::string_view> texts) {
    const std::vector<std::string_view> all(texts);
    return ui::mnemonicPositions(all);
}

TEST(Mnemonics, PreferWordStartsAndNeverRepeatALetterWhateverItsCase) {
    EXPECT_EQ(positions({"Generate", "Default", "Exit", "Get Time"}),
              (std::vector<int>{0, 0, 0, 4}));
    // "Start" twice: the second takes another of its letters.
    EXPECT_EQ(positions({"Start", "start", "Stop"}), (std::vector<int>{0, 1, 2}));
}

TEST(Mnemonics, TakeLettersOfEveryAlphabetButNotIdeographs) {
    EXPECT_EQ(positions({"Выбор языка", "выберете"}), (std::vector<int>{0, 1}));
    EXPECT_EQ(positions({"Ärger", "ärmel"}), (std::vector<int>{0, 1}));
    EXPECT_EQ(positions({"相机设置", "SMTP设置", "12:00"}), (std::vector<int>{-1, 0, -1}));
    // Capital and small letter are one key, in every case pairing of the alphabets.
    EXPECT_EQ(positions({"Łódź", "łąka"}), (std::vector<int>{0, 1}));
    EXPECT_EQ(positions({"Žemas", "žiema"}), (std::vector<int>{0, 1}));
    EXPECT_EQ(positions({"Ёлка", "ёж"}), (std::vector<int>{0, 1}));
    // Qt and Windows take the capital as the key: "ı" and "i" are both Alt+I.
    EXPECT_EQ(positions({"İnce", "ızgara", "Ici"}), (std::vector<int>{0, 0, 1}));
    // Positions count UTF-16 units, as both toolkits' texts do.
    EXPECT_EQ(positions({"N° de série"}), (std::vector<int>{0}));
    EXPECT_EQ(positions({"N", "N° de série"}), (std::vector<int>{0, 3}));
}

TEST(Mnemonics, ATextWithoutAFreeLetterGoesWithout) {
    EXPECT_EQ(positions({"ab", "ba", "a"}), (std::vector<int>{0, 0, -1}));
}

TEST(Mnemonics, ButtonsChooseBeforeTheLabelsOfFields) {
    const std::vector<int> ids = ui::mnemonicControls(ui::kMainWindowTemplate);
    EXPECT_EQ(ids, (std::vector<int>{1000, 1001, 1002, 1076, 1078, 1079}));
}

} // namespace
} // namespace quorvex::testing
