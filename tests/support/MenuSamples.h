// SPDX-License-Identifier: MIT
#pragma once

#include "card/RecordLayouts.h"

namespace quorvex::testing {

// Values spread over each field's range of `layout`, different for each `variant`; an interval
// in minutes is never 0.
inline MenuValues spreadMenuValues(const RecordLayout& layout, int variant) {
    MenuValues values;
    values.intervalUnit = variant % 2 == 0 ? IntervalUnit::Seconds : IntervalUnit::Minutes;
    for (const LayoutField& f : layout.fields) {
        if (f.kind == FieldKind::Fixed || f.kind == FieldKind::CopyOf)
            continue;
        const int span = f.max - f.min + 1;
        values.values[f.field] = f.min + (variant * 7 + f.offset * 3) % span;
    }
    if (values.intervalUnit == IntervalUnit::Minutes && values.values[MenuField::Interval] == 0)
        values.values[MenuField::Interval] = 60;
    return values;
}

} // namespace quorvex::testing
