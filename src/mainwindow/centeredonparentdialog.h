#pragma once

// A themed dialog that places itself on the centre of a rectangle given when
// it is built: the main window's frame as it was when the window was hidden
// to the tray, so that the close hint appears where the user was looking.

#include "theme/themeddialog.h"

#include <QRect>

class CenteredOnParentDialog final : public ThemedDialog
{
    Q_OBJECT

public:
    CenteredOnParentDialog(const QRect &anchor, QWidget *parent = nullptr);

    QVBoxLayout *content() const { return bodyLayout; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QRect anchor;
};
