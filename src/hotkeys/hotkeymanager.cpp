#include "hotkeys/hotkeymanager.h"

HotkeyManager::HotkeyManager(Desktop *desktop, OwnerHandle window, QObject *parent)
    : QObject(parent), desktop(desktop), window(std::move(window))
{}

HotkeyManager::~HotkeyManager()
{
    unregisterAll();
}

WindowHandle HotkeyManager::ownerHandle() const
{
    return window ? window() : WindowHandle(0);
}

void HotkeyManager::beginRegistration(bool paused, int showMods, int showVk)
{
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
    if (desktop->registerHotKey(owner, id, mods, vk))
        return true;
    emit registrationFailed(name.isEmpty() ? Hotkey::keyText(mods, vk) : name);
    return false;
}

void HotkeyManager::unregisterAll()
{
    if (desktop && registeredOn != 0) {
        desktop->unregisterHotKey(registeredOn, ShowId);
        desktop->unregisterHotKey(registeredOn, PickerId);
        for (auto it = phraseIds.cbegin(); it != phraseIds.cend(); ++it)
            desktop->unregisterHotKey(registeredOn, it.key());
    }
    registeredOn = 0;
    phraseIds.clear();
}

bool HotkeyManager::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(result)
    if (!desktop)
        return false;
    // The backend knows the native event types and records; it answers 0 for
    // anything that is not a press of one of our shortcuts.
    const int id = desktop->hotkeyIdFromNativeEvent(eventType, message);
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
        return false; // not ours: let the message go on to Qt
    emit phraseRequested(phraseId);
    return true;
}
