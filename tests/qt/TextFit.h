// SPDX-License-Identifier: MIT
// Whether each text of a window built from a template shows in full.
#pragma once

#include "ui/qt/TemplateControls.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRect>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>

#include <string>

namespace quorvex::testing {

// What of a text does not fit its area; empty when everything shows. In a label's or button's
// text "&" marks the Alt+letter and is not drawn ("&&" draws one).
inline std::string cut(const QFontMetrics& metrics, const QRect& area, const QString& text,
                       bool wraps, bool marksMnemonic = false) {
    if (text.isEmpty())
        return {};
    const int mnemonic = marksMnemonic ? int(Qt::TextShowMnemonic) : 0;
    const QRect needed =
        wraps ? metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap | mnemonic, text)
              : QRect(0, 0, metrics.size(mnemonic, text).width(), metrics.height());
    if (needed.width() <= area.width() && needed.height() <= area.height())
        return {};
    return "\"" + text.toStdString() + "\" needs " + std::to_string(needed.width()) + "x" +
           std::to_string(needed.height()) + " in " + std::to_string(area.width()) + "x" +
           std::to_string(area.height());
}

// The text of a label, button or list (every entry) that does not fit; empty otherwise or for
// other kinds of widget.
inline std::string cutText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return cut(label->fontMetrics(), label->contentsRect(), label->text(), label->wordWrap(),
                   label->buddy() != nullptr);
    if (auto* button = qobject_cast<ui::TemplateButton*>(w))
        return cut(button->fontMetrics(), button->textArea(), button->text(), button->wrapping(),
                   true);
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i)
            if (auto problem = cut(list->fontMetrics(), field, list->itemText(i), false);
                !problem.empty())
                return problem;
    }
    return {};
}

} // namespace quorvex::testing
