#pragma once

// The program's widget style: Qt's Fusion, with the standard icons that the
// main window asks for at every start (the search box's clear button, the
// menu bar's overflow arrow) read from Qt's own images by format name. Qt's
// style reads them with the format guessed, and guessing loads every image
// format plugin on the system (JPEG, GIF, SVG...) for the program's life.

#include <QProxyStyle>

class AppStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    AppStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
