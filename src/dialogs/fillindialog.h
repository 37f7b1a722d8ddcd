#pragma once

// The fields of a phrase, asked for before it goes in: one line per field
// ({input:…} a text box with its default, {choice:…} a list), the first with
// the keyboard focus; Enter fills them in, Escape cancels.

#include "insert/placeholders.h"
#include "theme/themeddialog.h"

#include <QHash>
#include <QVector>

class QComboBox;
class QLineEdit;

class FillInDialog final : public ThemedDialog
{
    Q_OBJECT

public:
    FillInDialog(const QString &phraseName, const QVector<Placeholders::Field> &fields,
                 QWidget *parent = nullptr);

    // By label, as the user left them.
    QHash<QString, QString> answers() const;
    // The box or list of the field with that label (null when none).
    QWidget *editorFor(const QString &label) const;

    // A label, a choice or a name as shown: on one line, without control
    // characters, and cut short with an ellipsis after longest characters.
    static QString shown(const QString &text, int longest);

private:
    struct Row
    {
        QString label;
        QLineEdit *edit = nullptr;
        QComboBox *choices = nullptr;
    };
    QVector<Row> rows;
};
