#include "dialogs/phrasedialog.h"

#include "base/hotkey.h"
#include "base/textconvert.h"
#include "hotkeys/hotkeyedit.h"
#include "hotkeys/layoutnote.h"
#include "insert/placeholders.h"
#include "store/phrasestore.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSyntaxHighlighter>
#include <QVBoxLayout>

#include <iterator>

namespace {

// Underlines what is in braces but no placeholder, while the phrase's
// placeholders are on: it will be typed as it stands. A placeholder never
// spans lines, so each line is looked at alone.
class UnknownPlaceholders final : public QSyntaxHighlighter
{
public:
    UnknownPlaceholders(QTextDocument *document, const QCheckBox *on)
        : QSyntaxHighlighter(document), on(on)
    {}

protected:
    void highlightBlock(const QString &text) override
    {
        if (!on->isChecked())
            return;
        QTextCharFormat mark;
        mark.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        mark.setUnderlineColor(QColor(0xd0, 0x30, 0x30));
        mark.setToolTip(PhraseDialog::tr("Not a placeholder: typed as it stands."));
        for (const Placeholders::Span &span : Placeholders::unknown(text))
            setFormat(span.start, span.length, mark);
    }

private:
    const QCheckBox *on;
};

} // namespace

PhraseDialog::PhraseDialog(const Phrase &phrase, PhraseStore *store, bool editing, QWidget *parent)
    : ThemedDialog(parent), store(store), id(phrase.id)
{
    // The base took the application's current theme; the stored choice is
    // the one the user made, and the two agree except in tests.
    if (store)
        applyTheme(store->settings().uiTheme);
    setWindowTitle(editing ? tr("Edit phrase") : tr("Add phrase"));
    setMinimumSize(640, 560);
    resize(760, 680);

    QPushButton *clear = addShortcutFields();
    addPhraseFields();

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("primary"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &PhraseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PhraseDialog::reject);
    bodyLayout->addWidget(buttons);

    showPhrase(phrase);

    // The note under the shortcut comes and goes as combinations are pressed.
    connect(hotkey, &HotkeyEdit::hotkeyChanged, this, [this] { fitNotes(); });
    // Most people start typing at once, and in the shortcut field every
    // letter would become a shortcut. Editing opens the same way, so the
    // first key lands in the same place whichever the dialog is.
    name->setFocus(Qt::OtherFocusReason);
    // Tab goes on from the name to the fields above it, top to bottom, and
    // only then to the buttons: the name is last on screen but first in use.
    QWidget *order[] = {name, hotkey,       clear,   abbreviation, matchCase,
                        text, placeholders, enabled, ok,           cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// The shortcut, its Clear button (returned, for the tab order) and the
// notes under it.
QPushButton *PhraseDialog::addShortcutFields()
{
    bodyLayout->addWidget(new QLabel(tr("Shortcut"), this));

    auto *hotkeyRow = new QHBoxLayout;
    hotkey = new HotkeyEdit(this);
    auto *clear = new QPushButton(tr("Clear"), this);
    connect(clear, &QPushButton::clicked, hotkey, &HotkeyEdit::clearHotkey);
    hotkeyRow->addWidget(hotkey, 1);
    hotkeyRow->addWidget(clear, 0);
    bodyLayout->addLayout(hotkeyRow);
    note = new LayoutNote(hotkey, this);
    bodyLayout->addWidget(note);

    auto *hint = new QLabel(tr("Press a key with Ctrl, Alt, Shift, or Win, or a function key, to "
                               "type this phrase quickly. Leave it empty to use the picker."),
                            this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);
    bodyLayout->addWidget(hint);
    shortcutNote = new QLabel(this);
    shortcutNote->setObjectName(QStringLiteral("hint"));
    shortcutNote->setTextFormat(Qt::PlainText);
    shortcutNote->setWordWrap(true);
    shortcutNote->setVisible(false);
    bodyLayout->addWidget(shortcutNote);
    return clear;
}

// The abbreviation with its case, the text, its two check boxes and the
// name.
void PhraseDialog::addPhraseFields()
{
    bodyLayout->addWidget(new QLabel(tr("Abbreviation"), this));
    abbreviation = new QLineEdit(this);
    abbreviation->setMaxLength(Phrase::MaxAbbreviationLength);
    abbreviation->setPlaceholderText(tr("Optional, such as ;sig"));
    // Beside the field it belongs to, taking no height of its own.
    matchCase = new QCheckBox(tr("Match case"), this);
    matchCase->setToolTip(tr("Typed with a capital (;Sig), the phrase starts with one; typed in "
                             "capitals (;SIG), it goes in in capitals."));
    auto *abbreviationRow = new QHBoxLayout;
    abbreviationRow->addWidget(abbreviation, 1);
    abbreviationRow->addWidget(matchCase, 0);
    bodyLayout->addLayout(abbreviationRow);
    abbreviationHint =
        new QLabel(tr("Type these characters in any program, and the phrase replaces them."), this);
    abbreviationHint->setObjectName(QStringLiteral("hint"));
    abbreviationHint->setTextFormat(Qt::PlainText);
    abbreviationHint->setWordWrap(true);
    bodyLayout->addWidget(abbreviationHint);

    bodyLayout->addWidget(new QLabel(tr("Text"), this));
    text = new QPlainTextEdit(this);
    // It grows with the dialog; its least height leaves room for the notes
    // above it on a screen 768 pixels high.
    text->setMinimumHeight(120);
    text->setPlaceholderText(tr("One line or many lines. Press Enter to start a new line. "
                                "Blank lines are kept."));
    bodyLayout->addWidget(text, 1);

    placeholders = new QCheckBox(tr("Placeholders"), this);
    placeholders->setToolTip(tr("Fill in {date}, {time}, {date:FORMAT}, {clipboard} and {cursor} "
                                "when the phrase is inserted. {{ and }} stand for braces."));
    bodyLayout->addWidget(placeholders);

    enabled = new QCheckBox(tr("Enable this phrase"), this);
    bodyLayout->addWidget(enabled);

    bodyLayout->addWidget(new QLabel(tr("Name"), this));
    name = new QLineEdit(this);
    name->setMaxLength(MaxNameLength);
    name->setPlaceholderText(tr("Optional"));
    bodyLayout->addWidget(name);
}

void PhraseDialog::showPhrase(const Phrase &phrase)
{
    name->setText(phrase.name);
    // CR LF and lone CR would each make a paragraph of their own and show as
    // doubled breaks; the editor shows one break, and the stored text stays
    // as it was unless the user edits it.
    text->setPlainText(TextConvert::toLineFeeds(phrase.text));
    storedText = phrase.text;
    textAsOpened = editorText();
    hotkey->setHotkey(phrase.mods, phrase.vk);
    enabled->setChecked(phrase.enabled);
    abbreviation->setText(phrase.abbreviation);
    placeholders->setChecked(phrase.placeholders);
    matchCase->setChecked(phrase.matchCase);
    auto *marks = new UnknownPlaceholders(text->document(), placeholders);
    connect(placeholders, &QCheckBox::toggled, marks, &QSyntaxHighlighter::rehighlight);
    marks->rehighlight(); // now, not on the next turn of the event loop
}

void PhraseDialog::setDesktop(Desktop *desktop)
{
    hotkey->setDesktop(desktop);
    note->refresh();
}

void PhraseDialog::setShortcutNote(const QString &note)
{
    shortcutNote->setText(note);
    shortcutNote->setVisible(!note.isEmpty());
    fitNotes();
}

void PhraseDialog::resizeEvent(QResizeEvent *event)
{
    ThemedDialog::resizeEvent(event);
    fitNotes();
}

void PhraseDialog::fitNotes()
{
    if (fitting || !isVisible())
        return;
    fitting = true;
    bool changed = false;
    for (QLabel *label : findChildren<QLabel *>()) {
        if (!label->wordWrap() || label->isHidden())
            continue;
        const int height = label->heightForWidth(label->width());
        if (height > 0 && label->minimumHeight() != height) {
            label->setMinimumHeight(height);
            changed = true;
        }
    }
    if (changed) {
        layout()->invalidate();
        layout()->activate();
        const int needed = layout()->minimumSize().height();
        if (minimumHeight() < needed)
            setMinimumHeight(needed);
        if (height() < needed)
            resize(width(), needed);
    }
    fitting = false;
}

void PhraseDialog::setAbbreviationsUnavailable(const QString &reason)
{
    // The field stays: the phrase list travels to desktops where they do.
    abbreviationHint->setText(
        reason.isEmpty() ? tr("Type these characters in any program, and the phrase replaces them.")
                         : reason);
    fitNotes();
}

Phrase PhraseDialog::phrase() const
{
    Phrase p;
    p.id = id;
    p.name = name->text().trimmed();
    const QString now = editorText();
    p.text = now == textAsOpened ? storedText : now;
    p.vk = hotkey->vk();
    p.mods = hotkey->mods();
    p.enabled = enabled->isChecked();
    p.lastUsed = 0;
    p.abbreviation = abbreviation->text();
    p.placeholders = placeholders->isChecked();
    p.matchCase = matchCase->isChecked();
    return p;
}

// toPlainText() would turn no-break spaces into spaces and line separators
// into line feeds; the raw text keeps them, with a paragraph break for each
// line break.
QString PhraseDialog::editorText() const
{
    QString raw = text->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return raw;
}

QString PhraseDialog::validationMessage() const
{
    const Phrase candidate = phrase();
    if (candidate.text.trimmed().isEmpty())
        return tr("Enter the text to type.");
    if (candidate.text.size() > MaxTextLength)
        return tr("The text is too long. Keep it under 100,000 characters.");
    const QString refused = hotkey->refusalMessage();
    if (!refused.isEmpty())
        return refused;
    if (!candidate.abbreviation.isEmpty() && !Phrase::isValidAbbreviation(candidate.abbreviation))
        return tr("An abbreviation is 1 to 32 characters, without spaces.");
    if (!store)
        return QString();
    if (!store->findDuplicateText(candidate.text, candidate.id).isEmpty())
        return tr("This text is already in your list. Duplicate phrases are not allowed.");
    if (candidate.vk != 0) {
        // Which one holds it, so the user knows where to change it.
        const Settings &settings = store->settings();
        QString holder;
        if (Hotkey::sameHotkey(candidate.mods, candidate.vk, settings.showMods, settings.showVk))
            holder = tr("It shows or hides the main window.");
        else if (Hotkey::sameHotkey(candidate.mods, candidate.vk, settings.pickerMods,
                                    settings.pickerVk))
            holder = tr("It opens the picker.");
        else
            holder =
                belongsTo(store->findHotkeyConflict(candidate.mods, candidate.vk, candidate.id));
        if (!holder.isEmpty())
            return tr("This shortcut is already used.") + QLatin1Char(' ') + holder;
    }
    if (candidate.enabled) {
        const QString holder =
            belongsTo(store->findAbbreviationConflict(candidate.abbreviation, candidate.id));
        if (!holder.isEmpty())
            return tr("Another phrase already has this abbreviation.") + QLatin1Char(' ') + holder;
    }
    return QString();
}

QString PhraseDialog::belongsTo(const QString &phraseId) const
{
    const int index = phraseId.isEmpty() ? -1 : store->indexOfId(phraseId);
    if (index < 0)
        return QString();
    return tr("It belongs to “%1”.").arg(PhraseStore::phraseLabel(store->phrases().at(index)));
}

void PhraseDialog::accept()
{
    const QString message = validationMessage();
    if (!message.isEmpty()) {
        // The dialog stays open with the input as it was, so the user can fix it.
        showThemedMessage(this, windowTitle(), message);
        return;
    }
    ThemedDialog::accept();
}
