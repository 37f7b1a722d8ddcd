// The clipboard road of the X11 backend: the user's CLIPBOARD (and, for a
// Shift+Insert paste, PRIMARY) copied before a paste and put back after it,
// target for target as the owner offered them (X11SelectionCopy), and the
// phrase offered through QClipboard, whose requests the clipboard watch
// follows.

// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QClipboard>
#include <QGuiApplication>

#include "base/textconvert.h"
#include "x11/x11desktop.h"

#include <X11/keysym.h>

namespace {

class X11ClipboardBackup final : public ClipboardBackup
{
public:
    int lostFormats() const override { return clipboard.lostFormats + primary.lostFormats; }

    X11SelectionCopy::Content clipboard;
    X11SelectionCopy::Content primary;
    bool primaryKept = false;
};

} // namespace

// Without an X display (a Wayland desktop without XWayland) there is no X
// clipboard to paste through: Qt's clipboard is then the Wayland one, which a
// program in the background cannot set.
std::unique_ptr<ClipboardBackup> X11Desktop::backupClipboard(bool primary)
{
    X11SelectionCopy &copy = m_clipboardWatch.selectionCopy();
    if (!m_display || !copy.isValid())
        return nullptr;
    auto backup = std::make_unique<X11ClipboardBackup>();
    backup->primaryKept = primary;
    // One deadline for the whole copy: an owner that trickles its formats
    // out holds the paste no longer than that.
    const QDeadlineTimer deadline(X11SelectionCopy::ReadLimitMs);
    if (!copy.read(m_clipboardWatch.clipboardAtom(), &backup->clipboard, deadline) ||
        (primary && !copy.read(XCB_ATOM_PRIMARY, &backup->primary, deadline)))
        return nullptr;
    return backup;
}

// A selection that held nothing is put back holding nothing, with us as its
// owner: given up instead, a Qt editor on a busy machine asked for nothing at
// every other paste that followed.
ClipboardRestore X11Desktop::restoreClipboard(const ClipboardBackup &backup)
{
    X11SelectionCopy &copy = m_clipboardWatch.selectionCopy();
    if (!m_display)
        return ClipboardRestore::Failed;
    const auto &saved = static_cast<const X11ClipboardBackup &>(backup);
    // Put back only over our own text: a selection another program took
    // meanwhile holds the user's newest copy, which stays.
    const xcb_atom_t clipboard = m_clipboardWatch.clipboardAtom();
    const bool clipboardOurs = m_clipboardWatch.ownedByUs(clipboard);
    const bool primaryOurs = saved.primaryKept && m_clipboardWatch.ownedByUs(XCB_ATOM_PRIMARY);
    if (!clipboardOurs && !primaryOurs)
        return ClipboardRestore::Superseded;
    bool ok = true;
    if (clipboardOurs)
        ok = copy.offer(clipboard, saved.clipboard);
    if (primaryOurs)
        ok = copy.offer(XCB_ATOM_PRIMARY, saved.primary) && ok;
    return ok ? ClipboardRestore::Restored : ClipboardRestore::Failed;
}

// Always offered, never rendered ahead: the X clipboard is fetched from its
// owner on demand, which awaitFetched watches for.
ClipboardPut X11Desktop::putText(const QString &text, ClipboardOffer offer)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard || (!m_display && offer != ClipboardOffer::ForUser))
        return ClipboardPut::Untouched;
    // X programs break lines with LF.
    const QString lf = TextConvert::toLineFeeds(text);
    clipboard->setText(lf, QClipboard::Clipboard);
    if (!clipboard->ownsClipboard())
        return ClipboardPut::Failed;
    const bool primary = offer == ClipboardOffer::ForPasteWithPrimary;
    if (primary) {
        clipboard->setText(lf, QClipboard::Selection);
        if (!clipboard->ownsSelection())
            return ClipboardPut::Failed;
    }
    if (offer != ClipboardOffer::ForUser)
        m_clipboardWatch.arm(XCB_NONE, lf.toUtf8().size(), primary);
    return ClipboardPut::Put;
}

// The keyboard suspends our grabs on the chord's keys around the batch, in
// the server's order of requests: they are back once the keys have passed.
bool X11Desktop::sendPasteKey(WindowHandle, PasteKey key)
{
    if (!m_display)
        return false;
    switch (key) {
    case PasteKey::CtrlV:
        return m_keyboard.sendChord(Qt::ControlModifier, XK_v);
    case PasteKey::CtrlShiftV:
        return m_keyboard.sendChord(Qt::ControlModifier | Qt::ShiftModifier, XK_v);
    case PasteKey::ShiftInsert:
        return m_keyboard.sendChord(Qt::ShiftModifier, XK_Insert);
    }
    return false;
}

// The X clipboard is read from its owner on demand: the paste happened when
// the target asked us for the text, and only then may it be put back.
PasteFetch X11Desktop::awaitFetched(WindowHandle target, int)
{
    if (!m_display)
        return PasteFetch::NotFetched;
    m_clipboardWatch.setTarget(xcb_window_t(target));
    // Behind the paste key: a target that answers has taken the key, and one
    // still busy with earlier work has not.
    const bool pinged = m_clipboardWatch.ping(xcb_window_t(target));
    if (m_clipboardWatch.waitForFetch(PasteFetchWaitMs))
        return PasteFetch::Fetched;
    // Another program took the clipboard before the target asked: the
    // target may have pasted that instead, so no refusal is reported.
    if (m_clipboardWatch.lost())
        return PasteFetch::Unsure;
    // Not answered, or answered too late to tell: the key may still wait in
    // the target, and the text stays on the clipboard for it.
    if (pinged && !m_clipboardWatch.quietSinceAnswer()) {
        m_clipboardWatch.keepWatching();
        return PasteFetch::Pending;
    }
    return PasteFetch::NotFetched;
}

bool X11Desktop::ownsSelection(bool primary) const
{
    return m_display && m_clipboardWatch.ownedByUs(primary ? xcb_atom_t(XCB_ATOM_PRIMARY)
                                                           : m_clipboardWatch.clipboardAtom());
}

// A paste left on its way: looked at again from the event loop, which
// serves the target's requests between two looks.
PasteFetch X11Desktop::checkFetched(WindowHandle)
{
    if (!m_display)
        return PasteFetch::NotFetched;
    return m_clipboardWatch.checkPending(CheckPendingMs);
}
