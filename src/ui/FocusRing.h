#pragma once

#include <QProxyStyle>

// The desktop style with a focus ring that can be seen from across the room:
// a dark ring two pixels wide with a light line inside, drawn only when the
// keyboard moved the focus, as the style itself does.
class FocusRingStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
