#include "dialogs/fillindialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int LongestLabel = 80;
constexpr int LongestChoice = 120;
constexpr int LongestName = 60;
} // namespace

QString FillInDialog::shown(const QString &text, int longest)
{
    QString out;
    out.reserve(qMin(text.size(), longest) + 1);
    for (const QChar c : text) {
        if (out.size() >= longest) {
            out += QChar(0x2026);
            break;
        }
        const QChar::Category category = c.category();
        out += category == QChar::Other_Control || category == QChar::Other_Format ||
                       category == QChar::Separator_Line || category == QChar::Separator_Paragraph
                   ? QLatin1Char(' ')
                   : c;
    }
    return out;
}

FillInDialog::FillInDialog(const QString &phraseName, const QVector<Placeholders::Field> &fields,
                           QWidget *parent)
    : ThemedDialog(parent)
{
    setObjectName(QStringLiteral("FillInDialog"));
    setWindowTitle(tr("Fill in “%1”").arg(shown(phraseName, LongestName)));
    auto *form = new QFormLayout;
    for (const Placeholders::Field &field : fields) {
        // Labels come from imported phrases too: plain text, never markup.
        auto *label = new QLabel(shown(field.label, LongestLabel), this);
        label->setTextFormat(Qt::PlainText);
        Row row;
        row.label = field.label;
        QWidget *editor = nullptr;
        if (field.kind == Placeholders::Field::Choice) {
            row.choices = new QComboBox(this);
            row.choices->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            row.choices->setMinimumContentsLength(24);
            for (const QString &choice : field.choices)
                row.choices->addItem(shown(choice, LongestChoice), choice);
            editor = row.choices;
        } else {
            row.edit = new QLineEdit(field.defaultText, this);
            row.edit->selectAll(); // typing replaces the default
            row.edit->setMinimumWidth(240);
            editor = row.edit;
        }
        editor->setAccessibleName(label->text());
        form->addRow(label, editor);
        rows.append(row);
    }
    bodyLayout->addLayout(form);
    // As the phrase editor's buttons look, and in its words: Qt's own
    // buttons bring the icon theme's glyphs and English without Qt's
    // catalogues.
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QCoreApplication::translate("PhraseDialog", "OK"),
                                         QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("primary"));
    ok->setDefault(true);
    buttons->addButton(QCoreApplication::translate("PhraseDialog", "Cancel"),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bodyLayout->addWidget(buttons);
    if (!rows.isEmpty()) {
        QWidget *first =
            rows.first().edit ? static_cast<QWidget *>(rows.first().edit) : rows.first().choices;
        first->setFocus(Qt::OtherFocusReason);
        setFocusProxy(first);
    }
}

QHash<QString, QString> FillInDialog::answers() const
{
    QHash<QString, QString> out;
    for (const Row &row : rows)
        out.insert(row.label, row.edit ? row.edit->text() : row.choices->currentData().toString());
    return out;
}

QWidget *FillInDialog::editorFor(const QString &label) const
{
    for (const Row &row : rows) {
        if (row.label == label)
            return row.edit ? static_cast<QWidget *>(row.edit) : row.choices;
    }
    return nullptr;
}
