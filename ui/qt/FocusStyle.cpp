// SPDX-License-Identifier: MIT
#include "ui/qt/FocusStyle.h"

#include "ui/qt/Looks.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace quorvex::ui {

namespace {

void drawFrame(const QStyleOption* option, QPainter* painter, const QColor& colour, int width) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(colour, width));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

// In high contrast the focus takes the system's highlight colour, else the dark amber on blue.
void drawFocusFrame(const QStyleOption* option, QPainter* painter) {
    if (!(option->state & QStyle::State_HasFocus))
        return;
    drawFrame(option, painter,
              looks::systemWantsHighContrast() ? option->palette.color(QPalette::Highlight)
                                               : looks::kFocusFrame,
              2);
}

} // namespace

FocusStyle::FocusStyle() : QProxyStyle() {}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_FrameLineEdit)
        return;
    // A read-only edit is filled with the window's blue; its border must still show where it is.
    if ((option->state & State_ReadOnly) && !looks::systemWantsHighContrast())
        drawFrame(option, painter, looks::kReadOnlyFrame, 1);
    drawFocusFrame(option, painter);
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton)
        drawFocusFrame(option, painter);
}

void FocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox)
        drawFocusFrame(option, painter);
}

void useFocusStyle() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setStyle(new FocusStyle);
}

} // namespace quorvex::ui
