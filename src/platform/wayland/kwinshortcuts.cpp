#include "platform/wayland/kwinshortcuts.h"

#include "hotkeys/hotkey.h"
#include "hotkeys/keymap.h"

#include <KGlobalAccel>

#include <QAction>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QKeySequence>
#include <QTimer>

namespace {

const char Service[] = "org.kde.kglobalaccel";

QKeySequence sequenceOf(int mods, int vk)
{
    bool keypad = false;
    const int key = KeyMap::qtKeyFromVirtualKey(vk, &keypad);
    if (!key)
        return QKeySequence();
    int combination = key;
    if (mods & Hotkey::ModControl)
        combination |= Qt::ControlModifier;
    if (mods & Hotkey::ModAlt)
        combination |= Qt::AltModifier;
    if (mods & Hotkey::ModShift)
        combination |= Qt::ShiftModifier;
    if (mods & Hotkey::ModWin)
        combination |= Qt::MetaModifier;
    if (keypad)
        combination |= Qt::KeypadModifier;
    return QKeySequence(combination);
}

} // namespace

std::shared_ptr<KWinShortcuts> KWinShortcuts::create()
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    if (!bus || !bus->isServiceRegistered(QString::fromLatin1(Service)))
        return nullptr;
    return std::shared_ptr<KWinShortcuts>(new KWinShortcuts);
}

KWinShortcuts::KWinShortcuts() : m_releaseWait(new QTimer(this))
{
    // Registrations outlive the program in the service's settings; those of
    // an earlier run would hold their combinations for nothing.
    KGlobalAccel::cleanComponent(QCoreApplication::applicationName());
    m_releaseWait->setSingleShot(true);
    connect(m_releaseWait, &QTimer::timeout, this, [this] {
        const int id = m_waiting;
        m_waiting = 0;
        fire(id);
    });
    connect(KGlobalAccel::self(), &KGlobalAccel::globalShortcutActiveChanged, this,
            [this](QAction *action, bool active) {
                if (!active)
                    released(m_actions.key(action, 0));
            });
}

KWinShortcuts::~KWinShortcuts()
{
    // Gone with the program: no other program is kept from them meanwhile.
    for (QAction *action : qAsConst(m_actions))
        KGlobalAccel::self()->removeAllShortcuts(action);
}

void KWinShortcuts::setPressHandler(std::function<void(int)> onPress)
{
    m_onPress = std::move(onPress);
}

bool KWinShortcuts::registerShortcut(WindowHandle owner, int id, int mods, int vk)
{
    Q_UNUSED(owner)
    const QKeySequence sequence = sequenceOf(mods, vk);
    if (sequence.isEmpty() || m_actions.contains(id))
        return false;
    auto *action = new QAction(this);
    action->setObjectName(QStringLiteral("shortcut-%1").arg(id));
    action->setProperty("componentDisplayName", QStringLiteral("Zem Scrivlet"));
    KGlobalAccel::self()->setShortcut(action, {sequence}, KGlobalAccel::NoAutoloading);
    // The service answers true even when another program holds the
    // combination: what it assigned says.
    if (!KGlobalAccel::self()->shortcut(action).contains(sequence)) {
        KGlobalAccel::self()->removeAllShortcuts(action);
        delete action;
        return false;
    }
    connect(action, &QAction::triggered, this, [this, id] { pressed(id); });
    m_actions.insert(id, action);
    m_modifiers.insert(id, mods);
    return true;
}

bool KWinShortcuts::unregisterShortcut(WindowHandle owner, int id)
{
    Q_UNUSED(owner)
    QAction *action = m_actions.take(id);
    m_modifiers.remove(id);
    if (!action)
        return false;
    KGlobalAccel::self()->removeAllShortcuts(action);
    delete action;
    if (m_waiting == id) {
        m_waiting = 0;
        m_releaseWait->stop();
    }
    return true;
}

void KWinShortcuts::pressed(int id)
{
    // A second press before the first was let go is a repeat.
    if (m_waiting)
        return;
    m_waiting = id;
    m_releaseWait->start(ReleaseWaitMs);
}

void KWinShortcuts::released(int id)
{
    if (!id || id != m_waiting)
        return;
    if (m_letGo)
        m_letGo(m_modifiers.value(id));
    m_releaseWait->start(ModifierSettleMs);
}

void KWinShortcuts::fire(int id)
{
    if (id && m_onPress && m_actions.contains(id))
        m_onPress(id);
}
