// SPDX-License-Identifier: MIT
#include "ui/qt/FocusStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace quorvex::ui {

namespace {

// Dark amber: apart from the windows' blue, the default button's frame and white text.
const QColor kFocusFrame(196, 84, 0);

void drawFocusFrame(const QStyleOption* option, QPainter* painter) {
    if (!(option->state & QStyle::State_HasFocus))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(kFocusFrame, 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace

FocusStyle::FocusStyle() : QProxyStyle() {}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_FrameLineEdit)
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
