#include "theme/theme.h"

#include "theme/stylesheets.h"

#include <QApplication>
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

void applyToApplication(int theme)
{
    setCurrent(theme);
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        app->setStyleSheet(applicationStyleSheet(theme));
}

QMargins centralMargins(int theme)
{
    return isTeal(theme) ? QMargins(20, 16, 20, 14) : QMargins(20, 18, 20, 16);
}

void replaceStyleSheet(QWidget *widget, const QString &sheet)
{
    if (!widget || widget->styleSheet() == sheet)
        return;
    widget->setStyleSheet(sheet);
    // The sheet style keeps the rules it matched per widget; polishing the
    // widget and its children again makes them match the new sheet.
    QList<QWidget *> widgets = widget->findChildren<QWidget *>();
    widgets.prepend(widget);
    for (QWidget *w : qAsConst(widgets)) {
        w->style()->unpolish(w);
        w->style()->polish(w);
    }
    widget->update();
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
