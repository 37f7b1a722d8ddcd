#pragma once

// Keys and the clipboard on GNOME's compositor, which offers no virtual
// keyboard protocol: both go through one remote desktop session of mutter's
// (org.gnome.Mutter.RemoteDesktop on the session bus), which mutter grants an
// ordinary client without asking the user. The session belongs to our bus
// connection and everything it put on the clipboard disappears with it, so
// it is made on first use and kept until the program ends; mutter closing it
// only means the next use makes another.
//
// What a keysym types depends on the compositor's keymap, which mutter does
// not say over D-Bus: the caller hands it over (setKeymap(), from the
// wl_keyboard of its own Wayland connection). Without it every text counts as
// untypeable and is pasted, never typed wrong.

#include "wayland/mutterkeysyms.h"
#include "wayland/nativeroads.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QVector>

class QDBusMessage;
class QDBusServiceWatcher;
class QSocketNotifier;
class QTimer;

class MutterRemoteDesktop final : public QObject, public NativeKeyboard, public NativeClipboard
{
    Q_OBJECT
public:
    explicit MutterRemoteDesktop(QObject *parent = nullptr);
    ~MutterRemoteDesktop() override;

    // Whether mutter's remote desktop service is on the session bus.
    static bool available();

    // The keymap mutter types with, in XKB's text format as wl_keyboard.keymap
    // delivers it, and the layout in effect (the group of the last
    // wl_keyboard.modifiers), or -1 when not known: then a character counts
    // as typeable only when every layout of the keymap types it alike. False
    // when the keymap does not compile; nothing is typeable then.
    bool setKeymap(const QByteArray &xkbKeymap, int layout = -1);
    void setLayout(int layout) { m_layout = layout; }

    // Makes the session if there is none (the compositor's seat has a
    // keyboard from then on); false when mutter refused it. A session unused
    // for IdleCloseMs is closed: GNOME Shell shows a remote access indicator
    // while one is open, which must not stay on for the program's life.
    bool ensureSession();
    static constexpr int IdleCloseMs = 5000;
    // Whether mutter's own copy of a clipboard (kept when its owner goes)
    // holds all of these formats: one type, or the same text under several
    // names.
    static bool mutterKeepsWhole(const QVector<QPair<QByteArray, QByteArray>> &formats);

    // What went wrong last, for the log.
    QString errorString() const { return m_error; }

    // NativeKeyboard. Locked modifiers are taken into account as the session
    // reports them (Caps Lock, Num Lock); modifiers the user still holds are
    // not, the caller waits for their release.
    bool isValid() const override;
    bool prepare(const QString &text) override;
    Sent type(const QVector<char32_t> &characters) override;
    bool chord(quint32 modifiers, Key key) override;

    // NativeClipboard: the clipboard only, mutter's session has no primary
    // selection. mutter copies every new clipboard for itself and puts the
    // copy back when the owner lets go; a watched text is not handed to that
    // copy, so an empty put() after a paste leaves the clipboard empty. A
    // session cannot read its own selection: read() then answers with what we
    // offer. Only our own selection can be given up: an empty put() while
    // another program owns the clipboard fails.
    bool hasPrimary() const override { return false; }
    bool read(Selection which, Content *out, const QDeadlineTimer &deadline) override;
    bool offerText(Selection which, const QByteArray &utf8, bool watched) override;
    bool awaitFetch(quint64 target) override;
    bool put(Selection which, const Content &content) override;

private Q_SLOTS:
    void onClosed();
    void onOwnerChanged(const QVariantMap &options);
    void onTransfer(const QString &mimeType, uint serial);
    void onServiceGone();
    void onIdle();

private:
    struct Transfer
    {
        uint serial = 0;
        int fd = -1;
        QByteArray data;
        qint64 written = 0;
        bool counted = false;
        QSocketNotifier *notifier = nullptr;
        QElapsedTimer started;
        QElapsedTimer progressed;
    };
    // A reader that takes nothing for TransferStallMs, or not everything
    // within TransferLimitMs, is given up: it would keep the session (and
    // GNOME's indicator) open.
    static constexpr int TransferStallMs = 1000;
    static constexpr int TransferLimitMs = 10000;
    void checkTransfers();

    void dropSession();
    bool call(const QString &method, const QVariantList &arguments, QDBusMessage *reply = nullptr);
    bool lockState(MutterKeysyms::Locks *locks);
    bool key(quint32 code, bool down, bool keysym);
    void serveFor(int milliseconds);
    void flushSignals();
    bool setSelection(const QVector<QPair<QByteArray, QByteArray>> &formats, bool watched);
    void writeMore(Transfer *transfer);
    void finishTransfer(Transfer *transfer, bool complete);
    bool readFormat(const QString &mimeType, int timeoutMs, QByteArray *out);

    QDBusConnection m_bus;
    QDBusServiceWatcher *m_watcher = nullptr;
    QTimer *m_idle = nullptr;
    QString m_session; // object path; empty when there is none
    QString m_error;
    QString m_errorName; // D-Bus error of the last failed call()

    MutterKeysyms m_keysyms;
    int m_layout = -1;
    QHash<char32_t, quint32> m_plan; // from the last prepare()

    // The clipboard as the session last reported it.
    quint64 m_ownerGeneration = 0;
    bool m_ownerIsUs = false;
    QStringList m_ownerMimeTypes;

    // What we offer, while we own the clipboard.
    QVector<QPair<QByteArray, QByteArray>> m_offer;
    bool m_offerWatched = false;
    bool m_offerSettled = false; // mutter's own copy was requested before this
    bool m_pasteKeysSent = false;
    int m_fetches = 0; // transfers of the watched text written to their end
    PasteReads m_pasteReads;
    int m_activeTransfers = 0;
    QElapsedTimer m_lastTransferActivity;
    QVector<Transfer *> m_transfers;
    QTimer *m_transferClock = nullptr; // while transfers run
};
