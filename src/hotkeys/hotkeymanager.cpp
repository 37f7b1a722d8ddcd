#include "hotkeys/hotkeymanager.h"

#include <algorithm>

namespace {
// Who was refused what: the same phrase or command on the same combination.
QString refusalKey(int id, const QString &phraseId, int mods, int vk)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(id < HotkeyManager::FirstPhraseId ? id : 0)
        .arg(phraseId)
        .arg(mods)
        .arg(vk);
}
} // namespace

HotkeyManager::HotkeyManager(Desktop *desktop, OwnerHandle window, QObject *parent)
    : QObject(parent), desktop(desktop), window(std::move(window))
{
    m_retry.setInterval(RetryIntervalMs);
    connect(&m_retry, &QTimer::timeout, this, &HotkeyManager::retryRefused);
    if (this->desktop) {
        this->desktop->shortcuts().setPressHandler([this](int id) { dispatchPress(id); });
        this->desktop->shortcuts().setLostHandler([this](int id) { onLost(id); });
    }
}

HotkeyManager::~HotkeyManager()
{
    if (desktop) {
        desktop->shortcuts().setPressHandler({});
        desktop->shortcuts().setLostHandler({});
    }
    unregisterAll();
}

QSet<QString> HotkeyManager::refusalKeys() const
{
    QSet<QString> keys;
    for (const Refused &r : qAsConst(m_refused))
        keys.insert(refusalKey(r.id, phraseIds.value(r.id), r.mods, r.vk));
    return keys;
}

WindowHandle HotkeyManager::ownerHandle() const
{
    return window ? window() : WindowHandle(0);
}

void HotkeyManager::beginRegistration(bool paused, int showMods, int showVk)
{
    m_toldRefused = m_toldBeforeSuspension + refusalKeys();
    m_toldBeforeSuspension.clear();
    m_refused.clear();
    unregisterAll();
    this->paused = paused;
    // The show/hide shortcut stays registered while paused: it is the way back
    // to the window that resumes.
    showRegistered = registerOne(ShowId, showMods, showVk, Hotkey::keyText(showMods, showVk));
    if (paused)
        pickerRegistered = true; // not refused, just not wanted while paused
}

bool HotkeyManager::registerPicker(int pickerMods, int pickerVk)
{
    pickerRegistered =
        registerOne(PickerId, pickerMods, pickerVk, Hotkey::keyText(pickerMods, pickerVk));
    return pickerRegistered;
}

void HotkeyManager::registerPhrase(int id, const QString &phraseId, const QString &name, int mods,
                                   int vk)
{
    // Entered before the attempt and kept on failure, so that unregisterAll
    // releases exactly the ids that were tried.
    phraseIds.insert(id, phraseId);
    registerOne(id, mods, vk,
                name + QLatin1String(" (") + Hotkey::keyText(mods, vk) + QLatin1Char(')'));
}

bool HotkeyManager::registerOne(int id, int mods, int vk, const QString &name)
{
    if (vk == 0)
        return true;
    const WindowHandle owner = ownerHandle();
    if (!desktop || owner == 0)
        return true;
    registeredOn = owner;
    QString text = name.isEmpty() ? Hotkey::keyText(mods, vk) : name;
    bool retry = true;
    QString altGr;
    switch (refusalOn(desktop, mods, vk, &altGr)) {
    case Hotkey::Refusal::None:
        if (desktop->shortcuts().registerShortcut(owner, id,
                                                  KeyCombination::fromStored(mods, vk))) {
            m_held.insert(id, {id, mods, vk, text});
            return true;
        }
        break;
    case Hotkey::Refusal::PasteKey:
        text = tr("%1, the key that pastes in every program").arg(text);
        retry = false;
        break;
    case Hotkey::Refusal::NoModifier:
        text = tr("%1, which without Ctrl, Alt, Shift or Win would take the key from typing")
                   .arg(text);
        retry = false;
        break;
    case Hotkey::Refusal::ShiftTypes:
        text = tr("%1, which with Shift alone would take the key from typing").arg(text);
        retry = false;
        break;
    case Hotkey::Refusal::AltGrCharacter:
        text = tr("%1, which types “%2” on this keyboard layout").arg(text, altGr);
        retry = false;
        break;
    }
    m_refused.append({id, mods, vk, text, retry});
    if (!m_toldRefused.contains(refusalKey(id, phraseIds.value(id), mods, vk)))
        emit registrationFailed(text);
    return false;
}

Hotkey::Refusal HotkeyManager::refusalOn(Desktop *desktop, int mods, int vk, QString *taken)
{
    QString altGr;
    if (desktop && vk != 0 && Hotkey::isAltGrChord(mods)) {
        ShortcutService &shortcuts = desktop->shortcuts();
        if (shortcuts.altGrIsCtrlAlt())
            altGr = shortcuts.altGrCharacter(KeyCombination::fromStored(mods, vk));
    }
    if (taken)
        *taken = altGr;
    return Hotkey::refusal(mods, vk, altGr);
}

void HotkeyManager::onLost(int id)
{
    const auto it = m_held.find(id);
    if (it == m_held.end())
        return;
    const Refused lost = it.value();
    m_held.erase(it);
    m_refused.append(lost);
    if (id == ShowId)
        showRegistered = false;
    else if (id == PickerId)
        pickerRegistered = false;
    emit registrationFailed(lost.text);
    endRegistration(id < FirstPhraseId);
}

void HotkeyManager::endRegistration(bool changed)
{
    QSet<QString> dead;
    for (const Refused &r : qAsConst(m_refused)) {
        if (r.id >= FirstPhraseId)
            dead.insert(phraseIds.value(r.id));
    }
    const bool retries =
        std::any_of(m_refused.cbegin(), m_refused.cend(), [](const Refused &r) { return r.retry; });
    if (!retries)
        m_retry.stop();
    else if (!m_retry.isActive())
        m_retry.start();
    if (dead != m_deadPhraseIds) {
        m_deadPhraseIds = dead;
        changed = true;
    }
    if (changed)
        emit deadShortcutsChanged();
}

bool HotkeyManager::retryRefused()
{
    const WindowHandle owner = ownerHandle();
    if (!desktop || owner == 0 || owner != registeredOn)
        return false;
    bool any = false;
    bool command = false;
    for (int i = m_refused.size() - 1; i >= 0; --i) {
        const Refused r = m_refused.at(i);
        if (!r.retry || !desktop->shortcuts().registerShortcut(
                            owner, r.id, KeyCombination::fromStored(r.mods, r.vk)))
            continue;
        m_held.insert(r.id, r);
        if (r.id == ShowId)
            showRegistered = command = true;
        else if (r.id == PickerId)
            pickerRegistered = command = true;
        m_refused.remove(i);
        any = true;
    }
    if (any)
        endRegistration(command);
    return any;
}

void HotkeyManager::unregisterAll()
{
    if (desktop && registeredOn != 0) {
        desktop->shortcuts().unregisterShortcut(registeredOn, ShowId);
        desktop->shortcuts().unregisterShortcut(registeredOn, PickerId);
        for (auto it = phraseIds.cbegin(); it != phraseIds.cend(); ++it)
            desktop->shortcuts().unregisterShortcut(registeredOn, it.key());
    }
    registeredOn = 0;
    phraseIds.clear();
    m_refused.clear();
    m_held.clear();
    m_retry.stop();
}

void HotkeyManager::suspend()
{
    if (m_suspended)
        return;
    m_suspended = true;
    m_toldBeforeSuspension += refusalKeys();
    unregisterAll();
}

void HotkeyManager::resume()
{
    m_suspended = false;
}

bool HotkeyManager::dispatchPress(int id)
{
    if (id == 0)
        return false;
    if (id == ShowId) {
        emit showWindowRequested();
        return true;
    }
    if (id == PickerId) {
        emit pickerRequested();
        return true;
    }
    const QString phraseId = phraseIds.value(id);
    if (phraseId.isEmpty())
        return false; // registered by the service, but no longer for us
    emit phraseRequested(phraseId);
    return true;
}
