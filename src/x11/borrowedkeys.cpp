// Qt first: Xlib's macros (None, KeyPress, ...) break Qt headers that come after.
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "x11/borrowedkeys.h"

#include <X11/Xlib.h>

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace BorrowedKeys {

namespace {

// What the atexit handler puts back; plain standard types, so that nothing
// it reads has been destroyed before it runs.
struct Record
{
    std::string display;
    std::vector<Key> keys;
};

Record &current()
{
    static Record record;
    return record;
}

QString recordPath(const QByteArray &display)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return QString();
    QByteArray name = display;
    for (char &c : name) {
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.'))
            c = '_';
    }
    return folder + QStringLiteral("/scrivlet-borrowed-keys-") + QString::fromLatin1(name);
}

// Puts keys back to no symbol through a connection of its own, each only
// while it still holds what was bound.
void clearKeys(const char *display, const std::vector<Key> &keys)
{
    if (keys.empty())
        return;
    Display *d = XOpenDisplay(display);
    if (!d)
        return;
    for (const Key &k : keys) {
        if (k.keycode < 8 || k.keycode > 255)
            continue;
        int per = 0;
        KeySym *syms = XGetKeyboardMapping(d, KeyCode(k.keycode), 1, &per);
        const bool ours = syms && per >= 2 && syms[0] == k.sym0 && syms[1] == k.sym1;
        if (syms)
            XFree(syms);
        if (ours) {
            KeySym none[2] = {NoSymbol, NoSymbol};
            XChangeKeyboardMapping(d, int(k.keycode), 2, none, 1);
        }
    }
    XCloseDisplay(d);
}

void atExit()
{
    Record &r = current();
    clearKeys(r.display.empty() ? nullptr : r.display.c_str(), r.keys);
    r.keys.clear();
}

void writeFile(const QByteArray &display, const QVector<Key> &keys)
{
    const QString path = recordPath(display);
    if (path.isEmpty())
        return;
    if (keys.isEmpty()) {
        QFile::remove(path);
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    for (const Key &k : keys)
        file.write(QByteArray::number(k.keycode) + ' ' + QByteArray::number(k.sym0) + ' ' +
                   QByteArray::number(k.sym1) + '\n');
    file.commit();
}

} // namespace

void publish(const QByteArray &display, const QVector<Key> &keys)
{
    static const bool registered = [] {
        current(); // made before the handler, so destroyed after it ran
        return std::atexit(atExit) == 0;
    }();
    Q_UNUSED(registered)
    Record &r = current();
    r.display = display.toStdString();
    r.keys.assign(keys.cbegin(), keys.cend());
    writeFile(display, keys);
}

void recoverLeftovers(const QByteArray &display)
{
    const QString path = recordPath(display);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    std::vector<Key> keys;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 3)
            keys.push_back(Key{f[0].toUInt(), f[1].toUInt(), f[2].toUInt()});
    }
    file.close();
    clearKeys(display.isEmpty() ? nullptr : display.constData(), keys);
    QFile::remove(path);
}

} // namespace BorrowedKeys
