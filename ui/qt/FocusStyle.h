// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace quorvex::ui {

// The platform style with a keyboard focus that can be seen on the blue windows: the focused
// edit, list or button gets a dark amber frame of its own, so a focused button no longer looks
// like the default button and an edit's focus is not blue on blue.
class FocusStyle final : public QProxyStyle {
  public:
    FocusStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

// Gives the application the focus style once its QApplication exists.
void useFocusStyle();

} // namespace quorvex::ui
