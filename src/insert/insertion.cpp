#include "insert/insertion.h"

#include "insert/targetwindow.h"
#include "insert/textcontrolclass.h"
#include "insert/textconvert.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>

using namespace Insertion;

namespace {

constexpr quint16 VkControl = 0x11;
constexpr quint16 VkV = 0x56;

bool isScintilla(const QString &name)
{
    return TextControlClass::isScintillaClassName(reinterpret_cast<const char16_t *>(name.utf16()),
                                                  std::size_t(name.size()));
}

// EM_REPLACESEL gives no result, so success is judged by the length. The
// selection goes and the text comes: a selection at least as long as the
// text leaves the length unchanged or shorter, which must not count as a
// failure (the text would land twice). So the length must be what the
// replacement gives; a length that simply grew also counts, for controls that
// count a line break differently from the CR LF sent.
bool replaceSelectionWorked(Desktop &desktop, WindowHandle control, const QString &converted)
{
    const int before = desktop.textLength(control);
    int start = 0;
    int end = 0;
    int selected = 0;
    if (desktop.selection(control, &start, &end))
        selected = qAbs(end - start);
    desktop.replaceSelection(control, converted);
    const int after = desktop.textLength(control);
    if (before < 0 || after < 0)
        return false;
    // A RichEdit's select-all ends past the text, on its final paragraph mark.
    selected = qMin(selected, before);
    if (after > before)
        return true;
    if (after != before - selected + converted.size())
        return false;
    if (after != before)
        return true;
    // As many characters replaced as were selected, or a control (read-only,
    // say) that ignored the message: the length is the same either way. A
    // replacement leaves the caret after the new text with nothing selected.
    int nowStart = 0;
    int nowEnd = 0;
    return desktop.selection(control, &nowStart, &nowEnd) && nowStart == nowEnd;
}

bool sendDirectMessage(Desktop &desktop, const QString &text, WindowHandle target)
{
    const WindowHandle control = findTextControl(desktop, target);
    if (!control)
        return false;
    QString name;
    if (!desktop.className(control, &name) || isScintilla(name))
        return false;
    return replaceSelectionWorked(desktop, control, TextConvert::toCrlf(text));
}

bool typeText(Desktop &desktop, const QString &text)
{
    const QString typing = TextConvert::toTypingText(text);
    if (typing.isEmpty())
        return false;
    QString pending;
    pending.reserve(TypingChunk);
    for (const QChar c : typing) {
        pending.append(c);
        if (pending.size() == TypingChunk) {
            if (!typeUnicode(desktop, pending))
                return false;
            pending.clear();
        }
    }
    return typeUnicode(desktop, pending);
}

std::unique_ptr<QMimeData> backupClipboard(QClipboard *clipboard)
{
    auto backup = std::make_unique<QMimeData>();
    if (const QMimeData *current = clipboard->mimeData()) {
        const QStringList formats = current->formats();
        for (const QString &format : formats)
            backup->setData(format, current->data(format));
    }
    return backup;
}

bool sendCtrlV(Desktop &desktop)
{
    const quint16 ctrl = desktop.scanCodeForVirtualKey(VkControl);
    const quint16 v = desktop.scanCodeForVirtualKey(VkV);
    const QVector<KeyInput> keys = {
        {0, ctrl, KeyFlag::ScanCode},
        {0, v, KeyFlag::ScanCode},
        {0, v, KeyFlag::ScanCode | KeyFlag::KeyUp},
        {0, ctrl, KeyFlag::ScanCode | KeyFlag::KeyUp},
    };
    return desktop.sendInput(keys) == keys.size();
}

} // namespace

bool insertText(Desktop &desktop, const QString &text, WindowHandle target)
{
    if (text.isEmpty())
        return false;
    bool elevated = false;
    if (target) {
        forceForeground(desktop, target);
        elevated = isTargetElevated(desktop, target);
    }
    if (!elevated && sendDirectMessage(desktop, text, target))
        return true;

    desktop.settle(target, SettleMs);
    releaseModifierKeys(desktop);

    const bool shortLine = text.size() <= TypingLimit && !text.contains(QLatin1Char('\n')) &&
                           !text.contains(QLatin1Char('\r'));
    // Typing is decided for the whole text before its first key: a text the
    // keyboard cannot give exactly is pasted, not typed half wrong.
    if (!elevated && shortLine && desktop.canTypeExactly(TextConvert::toTypingText(text)) &&
        typeText(desktop, text))
        return true;
    return pasteViaClipboard(desktop, text, target);
}

void releaseModifierKeys(Desktop &desktop)
{
    // First the shortcut's own key, where holding it keeps the keyboard
    // grabbed; Windows reports none.
    quint32 start = desktop.tickCount();
    while (desktop.isNonModifierKeyDown() &&
           quint32(desktop.tickCount() - start) <= quint32(HeldKeyWaitMs))
        desktop.waitForKeyEvent(ModifierPollMs);

    start = desktop.tickCount();
    for (;;) {
        bool down = false;
        for (quint16 vk : ModifierKeys)
            down = down || desktop.isKeyDown(vk);
        if (!down || quint32(desktop.tickCount() - start) > quint32(ModifierWaitMs))
            break;
        desktop.waitForKeyEvent(ModifierPollMs);
    }
    QVector<KeyInput> ups;
    for (quint16 vk : ModifierKeys)
        ups.append({vk, 0, KeyFlag::KeyUp});
    desktop.sendInput(ups);
}

bool typeUnicode(Desktop &desktop, const QString &text)
{
    for (int from = 0; from < text.size(); from += TypingChunk) {
        const int n = qMin(TypingChunk, text.size() - from);
        QVector<KeyInput> events;
        events.reserve(2 * n);
        for (int i = from; i < from + n; ++i) {
            const quint16 unit = text.at(i).unicode();
            events.append({0, unit, KeyFlag::Unicode});
            events.append({0, unit, KeyFlag::Unicode | KeyFlag::KeyUp});
        }
        if (desktop.sendInput(events) != events.size())
            return false;
    }
    return true;
}

bool pasteViaClipboard(Desktop &desktop, const QString &text, WindowHandle target)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    std::unique_ptr<QMimeData> backup = backupClipboard(clipboard);
    const QString converted = TextConvert::toCrlf(text);

    desktop.releaseOleClipboard();
    bool opened = false;
    for (int attempt = 0; attempt < ClipboardAttempts && !opened; ++attempt) {
        opened = desktop.openClipboard();
        if (!opened)
            desktop.sleep(ClipboardRetryMs);
    }
    if (!opened)
        return false; // nothing was touched: the user's clipboard is still there

    const bool emptied = desktop.emptyClipboard();
    if (!desktop.setClipboardText(converted)) {
        desktop.closeClipboard();
        // The clipboard may already be empty: put the user's content back
        // rather than leave it lost.
        if (emptied)
            clipboard->setMimeData(backup.release());
        return false;
    }
    desktop.closeClipboard();

    if (const WindowHandle control = findTextControl(desktop, target)) {
        desktop.paste(control);
        clipboard->setMimeData(backup.release());
        return true;
    }
    const bool delivered = sendCtrlV(desktop) && desktop.awaitPaste(target, PasteSettleMs);
    clipboard->setMimeData(backup.release());
    return delivered;
}
