#pragma once

// A themed dialog whose content the main window builds itself: its notices
// and the About box.

#include "theme/themeddialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

class ContentDialog final : public ThemedDialog
{
    Q_OBJECT

public:
    using ThemedDialog::ThemedDialog;
    QVBoxLayout *content() const { return bodyLayout; }

    // A long list (hundreds of entries an import left out) scrolls in a box
    // of its own instead of growing the dialog past the screen.
    void addDetails(const QString &details)
    {
        auto *box = new QPlainTextEdit(this);
        box->setObjectName(QStringLiteral("noticeDetails"));
        box->setReadOnly(true);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setPlainText(details);
        const int line = box->fontMetrics().lineSpacing();
        box->setFixedHeight(qMin(line * (details.count(QLatin1Char('\n')) + 2) + 12, line * 12));
        bodyLayout->addWidget(box);
    }
};
