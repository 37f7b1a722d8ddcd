#include "mainwindow/centeredonparentdialog.h"

CenteredOnParentDialog::CenteredOnParentDialog(const QRect &anchor, QWidget *parent)
    : ThemedDialog(parent), anchor(anchor)
{}

void CenteredOnParentDialog::showEvent(QShowEvent *event)
{
    ThemedDialog::showEvent(event);
    const QPoint centre = anchor.center();
    move(centre.x() - width() / 2, centre.y() - height() / 2);
}
