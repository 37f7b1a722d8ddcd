// The clipboard on a Wayland desktop: taken, offered and put back through the
// compositor where it lets us (data control, mutter's session), through X
// where it does not or the target is an X11 program.

#include "wayland/datacontrolclipboard.h"
#include "wayland/waylanddesktop.h"

#include "base/textconvert.h"

#include <QDeadlineTimer>

// Last: Xlib's macros would spoil Qt's headers.
#include "x11/x11desktop.h"

namespace {

// A copy of the Wayland clipboard, and of the primary selection when asked
// (through X where the compositor's clipboard has none).
class WaylandClipboardBackup final : public ClipboardBackup
{
public:
    NativeClipboard::Content clipboard;
    NativeClipboard::Content primary;
    bool withPrimary = false;
    std::unique_ptr<ClipboardBackup> x11;
    int lostFormats() const override
    {
        return clipboard.lostFormats + primary.lostFormats + (x11 ? x11->lostFormats() : 0);
    }
};

} // namespace

// The compositor's clipboard is the one XWayland mirrors for X11 programs
// (each way, translating types): a copy taken through the compositor (data
// control, mutter's session) holds the user's content exactly as it was
// offered, and put back that way it reaches X11 programs as it did before,
// where one taken and put back through X would come back translated (with a
// second "text/plain" and no "TEXT" or "UTF8_STRING" on sway; with the
// selection protocol's own targets as types on GNOME). A compositor's
// clipboard without a primary selection leaves PRIMARY, which X11 terminals
// paste, to a copy through X.
std::unique_ptr<ClipboardBackup> WaylandDesktop::backupClipboard(bool primary)
{
    const bool nativeCopy = m_roads.clipboard && m_roads.clipboard->isValid();
    m_nativeClipboard = nativeCopy && nativeInFront();
    if (!nativeCopy)
        return m_x11->backupClipboard(primary);
    auto backup = std::make_unique<WaylandClipboardBackup>();
    backup->withPrimary = primary && m_roads.clipboard->hasPrimary();
    if (primary && !backup->withPrimary && !m_nativeClipboard) {
        backup->x11 = m_x11->backupClipboard(true);
        if (!backup->x11)
            return nullptr;
    }
    // One deadline for the whole copy: an owner slow to give its formats
    // holds the paste no longer than that.
    const QDeadlineTimer deadline(DataControlClipboard::ReadLimitMs);
    if (!m_roads.clipboard->read(NativeClipboard::Selection::Clipboard, &backup->clipboard,
                                 deadline))
        return nullptr;
    if (backup->withPrimary &&
        !m_roads.clipboard->read(NativeClipboard::Selection::Primary, &backup->primary, deadline))
        return nullptr;
    return backup;
}

ClipboardRestore WaylandDesktop::restoreClipboard(const ClipboardBackup &backup)
{
    const auto *own = dynamic_cast<const WaylandClipboardBackup *>(&backup);
    if (!own)
        return m_x11->restoreClipboard(backup);
    // Put back only over our own text: a selection another program took
    // meanwhile holds the user's newest copy, which stays.
    // The text went out through data control for a native target, through
    // X for an XWayland one (XWayland then hands it to the compositor's
    // clipboard, which cancels any data control offer): ours is what we
    // offered on the road the text took.
    const auto stillOurs = [&](NativeClipboard::Selection which) {
        if (m_nativeClipboard)
            return m_roads.clipboard->textStillOffered(which);
        return m_x11->ownsSelection(which == NativeClipboard::Selection::Primary);
    };
    const bool clipboardOurs = stillOurs(NativeClipboard::Selection::Clipboard);
    const bool primaryOurs = own->withPrimary && stillOurs(NativeClipboard::Selection::Primary);
    bool any = false;
    bool ok = true;
    // X first: the compositor's clipboard then takes CLIPBOARD over.
    if (own->x11) {
        const ClipboardRestore x11 = m_x11->restoreClipboard(*own->x11);
        any = x11 != ClipboardRestore::Superseded;
        ok = !any || x11 == ClipboardRestore::Restored;
    }
    if (clipboardOurs) {
        any = true;
        ok = m_roads.clipboard->put(NativeClipboard::Selection::Clipboard, own->clipboard) && ok;
    }
    if (primaryOurs) {
        any = true;
        ok = m_roads.clipboard->put(NativeClipboard::Selection::Primary, own->primary) && ok;
    }
    if (!any)
        return ClipboardRestore::Superseded;
    return ok ? ClipboardRestore::Restored : ClipboardRestore::Failed;
}

ClipboardPut WaylandDesktop::putText(const QString &text, ClipboardOffer offer)
{
    if (offer == ClipboardOffer::ForUser)
        m_nativeClipboard = m_roads.clipboard && m_roads.clipboard->isValid() && nativeInFront();
    if (!m_nativeClipboard)
        return m_x11->putText(text, offer);
    // Wayland programs, like X ones, break lines with LF.
    const QByteArray utf8 = TextConvert::toLineFeeds(text).toUtf8();
    const bool watched = offer != ClipboardOffer::ForUser;
    if (!m_roads.clipboard->offerText(NativeClipboard::Selection::Clipboard, utf8, watched))
        return ClipboardPut::Failed;
    if (offer == ClipboardOffer::ForPasteWithPrimary && m_roads.clipboard->hasPrimary() &&
        !m_roads.clipboard->offerText(NativeClipboard::Selection::Primary, utf8, watched))
        return ClipboardPut::Failed;
    return ClipboardPut::Put;
}

PasteFetch WaylandDesktop::awaitFetched(WindowHandle target, int settleMs)
{
    if (!m_nativeClipboard)
        return m_x11->awaitFetched(target, settleMs);
    if (m_roads.clipboard->awaitFetch(quint64(target)))
        return PasteFetch::Fetched;
    // Another program took the clipboard before the target asked: the
    // target may have pasted that instead, so no refusal is reported.
    return m_roads.clipboard->textStillOffered(NativeClipboard::Selection::Clipboard)
               ? PasteFetch::NotFetched
               : PasteFetch::Unsure;
}
