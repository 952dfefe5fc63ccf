// SPDX-License-Identifier: MIT
#include "ui/templates/CameraMenuTemplates.h"
#include "camera_menu/CQuorvexCameraMenu.h"
#include "camera_menu/CQuorvexP4Menu.h"

#include "FormHarness.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvex::testing {
namespace {

struct Box {
    int id;
    bool frame;
    double left, top, right, bottom;
};

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool inside(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// The visible controls after opening, in dialog units; moves are pixels of the framework's
// dialog font (13 pixels to 8 vertical units, 6 to 4 horizontal).
std::vector<Box> openedLayout(ui::MemoryHost& host, const ui::DialogTemplate& t) {
    std::vector<Box> boxes;
    for (const ui::ControlSpec& c : t.controls) {
        if (!host.controlState(c.id)->visible)
            continue;
        const auto [dx, dy] = host.offset(c.id);
        const double x = c.x + dx * 4.0 / 6.0;
        const double y = c.y + dy * 8.0 / 13.0;
        boxes.push_back(
            {c.id, c.kind == ui::ControlKind::GroupBox, x, y, x + c.width, y + c.height});
    }
    return boxes;
}

void expectTidy(const std::vector<Box>& boxes, const ui::DialogTemplate& t, int model) {
    for (const Box& b : boxes) {
        EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= t.width && b.bottom <= t.height)
            << "control " << b.id << " leaves the window, model " << model;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& a = boxes[i];
            const Box& b = boxes[j];
            if (!overlap(a, b))
                continue;
            // A frame may only hold whole controls.
            const bool contained =
                (a.frame && !b.frame && inside(b, a)) || (b.frame && !a.frame && inside(a, b));
            EXPECT_TRUE(contained) << a.id << " overlaps " << b.id << ", model " << model;
        }
}

TEST(CameraMenuTemplates, IdsAreUniqueAndNamed) {
    for (const ui::DialogTemplate* t : {&ui::kCameraMenuTemplate, &ui::kP4MenuTemplate}) {
        std::set<int> ids;
        for (const ui::ControlSpec& c : t->controls) {
            EXPECT_NE(c.id, ui::kUnnamed) << t->id; // every control moves with its row
            EXPECT_TRUE(ids.insert(c.id).second) << c.id << " twice in " << t->id;
        }
        for (int colon = 1154; colon <= 1159; ++colon)
            EXPECT_TRUE(ids.count(colon)) << colon;
    }
    EXPECT_EQ(ui::kCameraMenuTemplate.id, 129);
    EXPECT_EQ(ui::kP4MenuTemplate.id, 140);
}

// Number edits take any number of digits (the range checks deal with too many); only the folder
// and the D2's wireless code have a limit. The K9 and D2 clock texts can be typed into.
TEST(CameraMenuTemplates, NumberEditsTakeDigitsCentredAndFolderEightyCharacters) {
    for (const ui::DialogTemplate* t :
         {&ui::kCameraMenuTemplate, &ui::kP4MenuTemplate, &ui::kK7MenuTemplate,
          &ui::kP7MenuTemplate, &ui::kK9MenuTemplate, &ui::kD2MenuTemplate}) {
        const bool typedClock = t == &ui::kK9MenuTemplate || t == &ui::kD2MenuTemplate;
        for (const ui::ControlSpec& c : t->controls) {
            if (c.kind != ui::ControlKind::Edit)
                continue;
            if (c.id == 1064) {
                EXPECT_EQ(c.limit, 80);
            } else if (c.id == 1030) {
                EXPECT_EQ((c.flags & ui::style::ReadOnly) != 0, !typedClock) << t->id;
            } else {
                EXPECT_EQ(c.flags & (ui::style::DigitsOnly | ui::style::Centred),
                          ui::style::DigitsOnly | ui::style::Centred)
                    << c.id;
                const bool code = t == &ui::kD2MenuTemplate && c.id == 1028;
                EXPECT_EQ(c.limit, code ? 4 : 0) << t->id << ' ' << c.id;
            }
        }
        int defaults = 0;
        for (const ui::ControlSpec& c : t->controls)
            if (c.flags & ui::style::DefaultButton) {
                EXPECT_EQ(c.id, 1);
                ++defaults;
            }
        EXPECT_EQ(defaults, 1);
    }
}

TEST(CameraMenuTemplates, NothingOverlapsOnceTheFormsHaveOpened) {
    for (int model : {0, 1, 5, 15, 17}) {
        FormHarness h(model);
        h.run(std::function<void(ui::MemoryHost&, camera_menu::CQuorvexCameraMenu&)>(
            [&](ui::MemoryHost& host, camera_menu::CQuorvexCameraMenu&) {
                expectTidy(openedLayout(host, ui::kCameraMenuTemplate), ui::kCameraMenuTemplate,
                           model);
            }));
    }
    for (int model : {2, 10}) {
        FormHarness h(model);
        h.run(std::function<void(ui::MemoryHost&, camera_menu::CQuorvexP4Menu&)>(
            [&](ui::MemoryHost& host, camera_menu::CQuorvexP4Menu&) {
                expectTidy(openedLayout(host, ui::kP4MenuTemplate), ui::kP4MenuTemplate, model);
            }));
    }
}

} // namespace
} // namespace quorvex::testing
