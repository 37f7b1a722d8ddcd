#pragma once

// A themed dialog whose content the main window builds itself: its notices
// and the About box.

#include "theme/themeddialog.h"

class ContentDialog final : public ThemedDialog
{
    Q_OBJECT

public:
    using ThemedDialog::ThemedDialog;
    QVBoxLayout *content() const { return bodyLayout; }
};
