#include "theme/appstyle.h"

#include <QApplication>
#include <QImageReader>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

const QString qtImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

bool rightToLeft(const QStyleOption *option, const QWidget *widget)
{
    if (option)
        return option->direction == Qt::RightToLeft;
    return widget ? widget->isRightToLeft() : QApplication::isRightToLeft();
}

// One of Qt's images at each of the sizes given, read as PNG; pathPattern
// has %1 for the size. Sizes that are not there are left out.
QIcon pngIcon(const QString &pathPattern, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int size : sizes) {
        QImageReader reader(pathPattern.arg(size), "png");
        // Named, not guessed.
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

AppStyle::AppStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon AppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                             const QWidget *widget) const
{
    QIcon icon;
    switch (standardIcon) {
    case SP_LineEditClearButton:
        icon = pngIcon(qtImages + QStringLiteral("cleartext-%1.png"), {16, 32});
        break;
    case SP_ToolBarHorizontalExtensionButton:
        icon = pngIcon(qtImages + (rightToLeft(option, widget)
                                       ? QStringLiteral("toolbar-ext-h-rtl-%1.png")
                                       : QStringLiteral("toolbar-ext-h-%1.png")),
                       {8, 16, 32});
        break;
    case SP_ToolBarVerticalExtensionButton:
        icon = pngIcon(qtImages + QStringLiteral("toolbar-ext-v-%1.png"), {5, 10, 20});
        break;
    default:
        break;
    }
    // A Qt whose images are named otherwise: its own way, plugins and all.
    return icon.isNull() ? QProxyStyle::standardIcon(standardIcon, option, widget) : icon;
}
