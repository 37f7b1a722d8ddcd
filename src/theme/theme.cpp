#include "theme/theme.h"

#include <QCoreApplication>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace Theme {

namespace {
const char uiThemeProperty[] = "uiTheme";
} // namespace

int current()
{
    if (!qApp)
        return Teal;
    return qApp->property(uiThemeProperty).toInt();
}

void setCurrent(int theme)
{
    if (qApp)
        qApp->setProperty(uiThemeProperty, theme);
}

void repolish(QWidget *widget)
{
    if (!widget)
        return;
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

const Colours &colours(int theme)
{
    static const Colours teal{
        QColor(0x0f, 0x6e, 0x6b), // accent
        QColor(0xdc, 0xef, 0xea), // window surface
        QColor(0xdc, 0xef, 0xea), // panel background
        QColor(0xff, 0xff, 0xff), // title glyph
        QColor(0xff, 0xff, 0xff), // pause glyph
        QColor(0xff, 0xff, 0xff), // command glyph
        QColor(0x33, 0x33, 0x33), // menu glyph
        QColor(0xc4, 0x7a, 0x12), // paused
    };
    static const Colours classic{
        QColor(0x0f, 0x6e, 0x6b), QColor(0xf0, 0xf0, 0xf0), QColor(0xf5, 0xf5, 0xf5),
        QColor(0x33, 0x33, 0x33), QColor(0xff, 0xff, 0xff), QColor(0x0f, 0x6e, 0x6b),
        QColor(0x33, 0x33, 0x33), QColor(0xc4, 0x7a, 0x12),
    };
    return isTeal(theme) ? teal : classic;
}

} // namespace Theme
