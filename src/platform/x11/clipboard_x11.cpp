// The clipboard road of the X11 backend: the user's CLIPBOARD (and, for a
// Shift+Insert paste, PRIMARY) copied before a paste and put back after it,
// and the phrase offered through QClipboard, whose requests the clipboard
// watch follows.

// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "insert/textconvert.h"
#include "platform/x11/x11desktop.h"

namespace {

// A selection's content as Qt reads it: every target the owner offers, each
// fetched as bytes.
void copyInto(const QMimeData *from, QMimeData *to)
{
    if (!from)
        return;
    const QStringList formats = from->formats();
    for (const QString &format : formats)
        to->setData(format, from->data(format));
}

class X11ClipboardBackup final : public ClipboardBackup
{
public:
    X11ClipboardBackup(QClipboard *clipboard, bool withPrimary) : primaryKept(withPrimary)
    {
        copyInto(clipboard->mimeData(QClipboard::Clipboard), &clipboardData);
        if (withPrimary)
            copyInto(clipboard->mimeData(QClipboard::Selection), &primaryData);
    }
    int lostFormats() const override { return 0; }

    QMimeData clipboardData;
    QMimeData primaryData;
    bool primaryKept;
};

} // namespace

// Without an X display (a Wayland desktop without XWayland) there is no X
// clipboard to paste through: Qt's clipboard is then the Wayland one, which a
// program in the background cannot set.
std::unique_ptr<ClipboardBackup> X11Desktop::backupClipboard(bool primary)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard || !m_display)
        return nullptr;
    return std::make_unique<X11ClipboardBackup>(clipboard,
                                                primary && clipboard->supportsSelection());
}

ClipboardRestore X11Desktop::restoreClipboard(const ClipboardBackup &backup)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard || !m_display)
        return ClipboardRestore::Failed;
    const auto &saved = static_cast<const X11ClipboardBackup &>(backup);
    // The clipboard owns the copies it is given. A selection that held
    // nothing is put back holding nothing, with us as its owner: given up
    // instead, a Qt editor on a busy machine asked for nothing at every other
    // paste that followed.
    const auto put = [clipboard](const QMimeData &data, QClipboard::Mode mode) {
        auto *copy = new QMimeData;
        copyInto(&data, copy);
        clipboard->setMimeData(copy, mode);
    };
    put(saved.clipboardData, QClipboard::Clipboard);
    if (saved.primaryKept)
        put(saved.primaryData, QClipboard::Selection);
    return ClipboardRestore::Restored;
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
    const QVector<KeyInput> keys =
        pasteChordKeys(key, [&](quint16 vk) { return m_keyboard.keycodeForVirtualKey(vk); });
    return m_keyboard.send(keys) == keys.size();
}

// The X clipboard is read from its owner on demand: the paste happened when
// the target asked us for the text, and only then may it be put back.
PasteFetch X11Desktop::awaitFetched(WindowHandle target, int)
{
    if (!m_display)
        return PasteFetch::NotFetched;
    m_clipboardWatch.setTarget(xcb_window_t(target));
    return m_clipboardWatch.waitForFetch(PasteFetchWaitMs) ? PasteFetch::Fetched
                                                           : PasteFetch::NotFetched;
}
