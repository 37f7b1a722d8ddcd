#include "wayland/kwinshortcuts.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QTimer>

namespace {

// KWin's shortcut service, spoken to directly: its client library would cost
// every start of the program its load time and memory, on every desktop.
const QString Service = QStringLiteral("org.kde.kglobalaccel");
const QString ServicePath = QStringLiteral("/kglobalaccel");
const QString ServiceInterface = QStringLiteral("org.kde.KGlobalAccel");
const QString ComponentInterface = QStringLiteral("org.kde.kglobalaccel.Component");
const QString Component = QStringLiteral("zem-scrivlet");
const QString ComponentName = QStringLiteral("Zem Scrivlet");
const QString ActionPrefix = QStringLiteral("shortcut-");
// setShortcut's flags: the shortcut is the one in use, as given (not one
// the service kept from before).
constexpr uint SetPresent = 2;
constexpr uint NoAutoloading = 4;
constexpr int CallTimeoutMs = 2000;

QStringList actionId(int id)
{
    // Component, action, and their names as Plasma's settings show them.
    return {Component, ActionPrefix + QString::number(id), ComponentName,
            KWinShortcuts::tr("Shortcut %1").arg(id)};
}

QDBusMessage serviceCall(const QString &method, const QVariantList &arguments)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, ServicePath, ServiceInterface, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, CallTimeoutMs);
}

bool succeeded(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace

std::shared_ptr<KWinShortcuts> KWinShortcuts::create()
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    if (!bus || !bus->isServiceRegistered(Service))
        return nullptr;
    return std::shared_ptr<KWinShortcuts>(new KWinShortcuts);
}

KWinShortcuts::KWinShortcuts() : m_releaseWait(new QTimer(this))
{
    // Registrations outlive the program in the service's settings; those of
    // an earlier run would hold their combinations for nothing.
    const QDBusReply<QDBusObjectPath> component =
        serviceCall(QStringLiteral("getComponent"), {Component});
    if (component.isValid()) {
        QDBusMessage cleanUp = QDBusMessage::createMethodCall(
            Service, component.value().path(), ComponentInterface, QStringLiteral("cleanUp"));
        QDBusConnection::sessionBus().call(cleanUp, QDBus::Block, CallTimeoutMs);
    }
    m_releaseWait->setSingleShot(true);
    connect(m_releaseWait, &QTimer::timeout, this, [this] {
        const int id = m_waiting;
        // Not let go in time (and no repeat said it was still held): it
        // fires now, and whatever follows of the same press is not another.
        if (!m_released) {
            m_held = id;
            m_heldSeen.start();
        }
        m_waiting = 0;
        m_released = false;
        fire(id);
    });
}

KWinShortcuts::~KWinShortcuts()
{
    // Gone with the program: no other program is kept from them meanwhile.
    for (auto it = m_keys.constBegin(); it != m_keys.constEnd(); ++it)
        serviceCall(QStringLiteral("unRegister"), {actionId(it.key())});
}

void KWinShortcuts::setPressHandler(std::function<void(int)> onPress)
{
    m_onPress = std::move(onPress);
}

bool KWinShortcuts::watchComponent()
{
    if (m_watching)
        return true;
    const QDBusReply<QDBusObjectPath> component =
        serviceCall(QStringLiteral("getComponent"), {Component});
    if (!component.isValid())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    m_watching = bus.connect(Service, component.value().path(), ComponentInterface,
                             QStringLiteral("globalShortcutPressed"), this,
                             SLOT(onPressed(QString, QString, qlonglong))) &&
                 bus.connect(Service, component.value().path(), ComponentInterface,
                             QStringLiteral("globalShortcutReleased"), this,
                             SLOT(onReleased(QString, QString, qlonglong)));
    return m_watching;
}

bool KWinShortcuts::registerShortcut(WindowHandle owner, int id, const KeyCombination &combination)
{
    Q_UNUSED(owner)
    // The service keeps Qt's key and modifiers as one int.
    const int key = combination.toCombined();
    if (!key || m_keys.contains(id))
        return false;
    const QStringList action = actionId(id);
    if (!succeeded(serviceCall(QStringLiteral("doRegister"), {action})))
        return false;
    // The service answers with what it assigned, which is nothing when
    // another program holds the combination: no error says so.
    const QDBusReply<QList<int>> assigned =
        serviceCall(QStringLiteral("setShortcut"),
                    {action, QVariant::fromValue(QList<int>{key}), SetPresent | NoAutoloading});
    if (!assigned.isValid() || !assigned.value().contains(key) || !watchComponent()) {
        serviceCall(QStringLiteral("unRegister"), {action});
        return false;
    }
    m_keys.insert(id, key);
    m_modifiers.insert(id, combination.storedModifiers());
    return true;
}

bool KWinShortcuts::unregisterShortcut(WindowHandle owner, int id)
{
    Q_UNUSED(owner)
    if (!m_keys.remove(id))
        return false;
    m_modifiers.remove(id);
    if (m_waiting == id) {
        m_waiting = 0;
        m_released = false;
        m_releaseWait->stop();
    }
    if (m_held == id)
        m_held = 0;
    return succeeded(serviceCall(QStringLiteral("unRegister"), {actionId(id)}));
}

int KWinShortcuts::idOf(const QString &component, const QString &action) const
{
    if (component != Component || !action.startsWith(ActionPrefix))
        return 0;
    bool ok = false;
    const int id = action.mid(ActionPrefix.size()).toInt(&ok);
    return ok && m_keys.contains(id) ? id : 0;
}

// KWin repeats a held shortcut's press at the keyboard's repeat rate: one
// press of the user's is the first, until its release.
void KWinShortcuts::onPressed(const QString &component, const QString &action, qlonglong)
{
    const int id = idOf(component, action);
    if (!id)
        return;
    if (id == m_waiting) {
        // Still held: the wait for the release starts again.
        if (!m_released)
            m_releaseWait->start(ReleaseWaitMs);
        return;
    }
    if (id == m_held && m_heldSeen.elapsed() < ReleaseWaitMs) {
        m_heldSeen.start();
        return;
    }
    m_held = 0;
    // Another shortcut before the first was let go is not taken.
    if (m_waiting)
        return;
    m_waiting = id;
    m_released = false;
    m_releaseWait->start(ReleaseWaitMs);
}

void KWinShortcuts::onReleased(const QString &component, const QString &action, qlonglong)
{
    const int id = idOf(component, action);
    if (id && id == m_held) {
        m_held = 0;
        return;
    }
    if (!id || id != m_waiting || m_released)
        return;
    m_released = true;
    if (m_letGo)
        m_letGo(m_modifiers.value(id));
    m_releaseWait->start(ModifierSettleMs);
}

void KWinShortcuts::fire(int id)
{
    if (!id || !m_onPress || !m_keys.contains(id))
        return;
    // A copy: the handler may replace itself (its owner going away).
    const std::function<void(int)> onPress = m_onPress;
    onPress(id);
}
