// The note on the keys the program takes from every other program: shown
// until the user has read it, above the table rather than in a box over an
// unattended start.

#include "mainwindow/mainwindow.h"

#include "base/hotkey.h"
#include "store/phrasestore.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The virtual-key codes of the letters whose Ctrl combination other
// programs commonly use.
enum Letter
{
    F = 0x46,
    L = 0x4C,
    N = 0x4E,
    R = 0x52,
    S = 0x53,
    T = 0x54,
    W = 0x57,
};

} // namespace

QString MainWindow::usualUseOf(int mods, int vk)
{
    if (mods != Hotkey::ModControl)
        return QString();
    switch (vk) {
    case R:
        return tr("history search in terminals and shells, reload in browsers");
    case T:
        return tr("a new tab in browsers and terminals");
    case W:
        return tr("closing a tab or window, deleting a word in terminals");
    case N:
        return tr("a new window or document");
    case F:
        return tr("finding text");
    case S:
        return tr("saving");
    case L:
        return tr("the address bar in browsers, clearing the screen in terminals");
    default:
        return QString();
    }
}

QString MainWindow::keysNoteText() const
{
    const Settings &s = store->settings();
    QStringList lines;
    const auto keyLine = [&lines](int mods, int vk, const QString &does) {
        if (!vk)
            return;
        QString line = does.arg(Hotkey::keyText(mods, vk));
        const QString usual = usualUseOf(mods, vk);
        if (!usual.isEmpty())
            line += QLatin1Char(' ') + tr("Other programs use it for %1.").arg(usual);
        lines << line;
    };
    keyLine(s.pickerMods, s.pickerVk, tr("%1 opens the picker."));
    keyLine(s.showMods, s.showVk, tr("%1 shows or hides this window."));
    QStringList phraseKeys;
    for (const Phrase &p : store->phrases())
        if (p.enabled && p.vk)
            phraseKeys << Hotkey::keyText(p.mods, p.vk);
    if (!phraseKeys.isEmpty())
        lines << tr("Your phrases' shortcuts are taken too: %1.")
                     .arg(phraseKeys.join(QLatin1String(", ")));
    if (lines.isEmpty())
        return QString();
    // Where the desktop runs the shortcuts, the program holds no key itself
    // until the user binds it; once bound, the desktop takes it from every
    // program all the same.
    const QString head =
        needsBindings()
            ? tr("The desktop runs these keys for Zem Scrivlet once they are bound, and then "
                 "takes them from every other program:")
            : tr("Zem Scrivlet takes these keys from every other program:");
    return head + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) + QLatin1Char('\n') +
           tr("If you need them there, choose other keys in Options.");
}

// A note above the table, below the search box: its text beside two
// buttons, one above the other, dressed as the road note (the style sheets
// select on these names). Hidden until there is something to say.
QWidget *MainWindow::addNoteStrip(QLabel **text, QPushButton **first, QPushButton **second)
{
    auto *note = new QWidget(m_centralLayout->parentWidget());
    note->setObjectName(QStringLiteral("roadNote"));
    note->setAttribute(Qt::WA_StyledBackground);
    auto *row = new QHBoxLayout(note);
    row->setContentsMargins(10, 6, 6, 6);
    row->setSpacing(8);
    *text = new QLabel(note);
    (*text)->setObjectName(QStringLiteral("roadNoteText"));
    (*text)->setTextFormat(Qt::PlainText);
    (*text)->setWordWrap(true);
    row->addWidget(*text, 1);
    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    for (QPushButton **button : {first, second}) {
        *button = new QPushButton(note);
        (*button)->setObjectName(QStringLiteral("roadNoteButton"));
        buttons->addWidget(*button);
    }
    buttons->addStretch(1);
    row->addLayout(buttons);
    note->setVisible(false);
    m_centralLayout->insertWidget(m_centralLayout->indexOf(m_search) + 1, note, 0);
    return note;
}

void MainWindow::buildKeysNote()
{
    m_keysNote = addNoteStrip(&m_keysLabel, &m_keysOptions, &m_keysDismiss);
    connect(m_keysDismiss, &QPushButton::clicked, this, &MainWindow::dismissKeysNote);
    connect(m_keysOptions, &QPushButton::clicked, this, [this] {
        dismissKeysNote();
        openSettingsAt(true);
    });
}

void MainWindow::updateKeysNote()
{
    if (!m_keysNote)
        return;
    m_keysOptions->setText(tr("Change keys…"));
    m_keysDismiss->setText(tr("Got it"));
    const QString text = store->settings().keysNoteSeen ? QString() : keysNoteText();
    m_keysLabel->setText(text);
    // One note at a time above the table, or a narrow window cuts both: what
    // the desktop still needs comes first, the keys once it is done.
    m_keysNote->setVisible(!text.isEmpty() && m_roadNote->isHidden());
}

void MainWindow::dismissKeysNote()
{
    m_keysNote->hide();
    if (store->settings().keysNoteSeen)
        return;
    store->settings().keysNoteSeen = true;
    store->save();
}
