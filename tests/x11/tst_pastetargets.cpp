// The clipboard road into the programs people paste into most: Chromium,
// Firefox ESR, a GTK 3 text view and a Tk text. Three lines and 60 distinct
// CJK characters go by the clipboard, 20 presses each at rest and 20 under
// two busy loops. Every press arrives whole, or is refused with the balloon
// and lastUsed left alone; never a silent nothing, never a copy too many. The
// clipboard holds the user's text again after each.

#include "base/hotkey.h"
#include "x11/texttarget.h"
#include "x11/tracedprogram.h"
#include "x11/x11session.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtTest>

// Last: it brings Xlib's macros.
#include "x11/programdriver.h"

#include <X11/keysym.h>

using namespace ProgramDriver;

namespace {

constexpr int ctrlAlt = Hotkey::ModControl | Hotkey::ModAlt;
const QString lines = QStringLiteral("first line\nsecond line\nthird line");
constexpr int presses = 20;

QString cjk60()
{
    QString out;
    for (int i = 0; i < 60; ++i)
        out += QChar(0x4E00 + 11 * i);
    return out;
}

struct Kind
{
    const char *name;
    QString program;
    QStringList arguments;
    QString needs; // a program that must be installed
};

Kind kind(const QString &name)
{
    const QString python = QStringLiteral("/usr/bin/python3");
    const auto script = [](const char *file) {
        return X11Session::programPath(QString::fromLatin1(file));
    };
    if (name == QLatin1String("chromium"))
        return {"chromium", python, {script("browsertarget.py"), name}, QStringLiteral("chromium")};
    if (name == QLatin1String("firefox"))
        return {
            "firefox", python, {script("browsertarget.py"), name}, QStringLiteral("firefox-esr")};
    if (name == QLatin1String("gtk"))
        return {"gtk", python, {script("gtktarget.py")}, python};
    return {"tk", python, {script("tktarget.py")}, python};
}

} // namespace

class PasteTargetsTest : public QObject
{
    Q_OBJECT

public:
    explicit PasteTargetsTest(X11Session *session) : session(session), program(session) {}

private slots:
    void initTestCase()
    {
        QVERIFY(session->isKeyComboFree(XK_3, ControlMask | Mod1Mask));
        QVERIFY(session->isKeyComboFree(XK_4, ControlMask | Mod1Mask));
        xlib = XOpenDisplay(nullptr);
        QVERIFY(xlib);
        const QString file = dataFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        const QJsonObject settings{{QStringLiteral("importedV3"), true},
                                   {QStringLiteral("language"), QStringLiteral("en")},
                                   {QStringLiteral("startMinimized"), true},
                                   {QStringLiteral("closeHintSeen"), true},
                                   {QStringLiteral("closeHintShown"), true}};
        QVERIFY(writeDataFile(file, settings,
                              QJsonArray{phrase(QStringLiteral("lines"), lines, ctrlAlt, 0x33),
                                         phrase(QStringLiteral("cjk"), cjk60(), ctrlAlt, 0x34)}));
        QVERIFY(program.start());
        QVERIFY(program.waitFor(QStringLiteral("idle")));
    }

    void cleanupTestCase()
    {
        program.kill();
        if (xlib)
            XCloseDisplay(xlib);
    }

    // A browser's page reads the text, goes about other work without a word
    // to the clipboard's owner, reads it again, and drops the paste when the
    // clipboard changed in between: the user's content must not come back
    // in that pause, which a loaded machine makes long. The first paste into
    // a window not seen before pauses 400 ms; the ones after it 900 ms,
    // longer than a window not seen before is given.
    void targetThatReadsTwice()
    {
        TextTarget editor(session);
        editor.setProgram(QStringLiteral("/usr/bin/python3"),
                          {X11Session::programPath(QStringLiteral("tktarget.py")),
                           QStringLiteral("rereads"), QStringLiteral("400,900")});
        QVERIFY(editor.start(60000));
        for (int i = 0; i < 3; ++i) {
            const QString user = QStringLiteral("the user's clipboard, read twice %1").arg(i);
            QVERIFY(setClipboard(user));
            QVERIFY(editor.clear());
            QVERIFY(editor.activate(15000));
            const QString traced = QStringLiteral("typed lines ");
            const int before = program.count(traced);
            press(xlib, {XK_Control_L, XK_Alt_L}, XK_3);
            QVERIFY2(program.waitFor(traced, before + 1, 15000), qPrintable(program.trace()));
            QVERIFY2(program.lines(traced).last().contains(QLatin1String(" accepted")),
                     qPrintable(program.lines(traced).last()));
            QVERIFY2(
                editor.waitForText(lines, 5000),
                qPrintable(
                    QStringLiteral("press %1: holds \"%2\"").arg(i).arg(editor.fetchText(2000))));
            QVERIFY2(clipboardBecomes(user), qPrintable(QGuiApplication::clipboard()->text()));
        }
    }

    void pastes_data()
    {
        QTest::addColumn<QString>("target");
        for (const char *name : {"chromium", "firefox", "gtk", "tk"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void pastes()
    {
        QFETCH(QString, target);
        const Kind k = kind(target);
        if (QStandardPaths::findExecutable(k.needs).isEmpty() && !QFileInfo::exists(k.needs))
            QSKIP("not installed here; the test command installs it");
        TextTarget editor(session);
        editor.setProgram(k.program, k.arguments);
        QVERIFY2(editor.start(60000), k.name);

        for (const bool loaded : {false, true}) {
            if (loaded)
                session->startCpuLoad(2, 120);
            for (const auto &p : {qMakePair(QStringLiteral("lines"), lines),
                                  qMakePair(QStringLiteral("cjk"), cjk60())}) {
                int arrived = 0;
                int refused = 0;
                for (int i = 0; i < presses; ++i) {
                    const QString user = QStringLiteral("the user's clipboard %1").arg(i);
                    QVERIFY(setClipboard(user));
                    QVERIFY(editor.clear());
                    // A browser target answers once its page has the keys,
                    // which may take a few tries on a loaded machine.
                    QVERIFY2(editor.activate(15000), k.name);
                    const QString traced = QStringLiteral("typed %1 ").arg(p.first);
                    const int before = program.count(traced);
                    press(xlib, {XK_Control_L, XK_Alt_L},
                          p.first == QLatin1String("lines") ? XK_3 : XK_4);
                    QVERIFY2(program.waitFor(traced, before + 1, 15000),
                             qPrintable(program.trace()));
                    const QString outcome = program.lines(traced).last();
                    if (outcome.contains(QLatin1String(" accepted"))) {
                        // Said to have arrived: it must be there, whole, once.
                        // A miss shows what the target holds when asked, not
                        // only what it last reported, and the program's trace.
                        if (!editor.waitForText(p.second, 10000))
                            QFAIL(qPrintable(QStringLiteral("%1, %2, press %3: holds \"%4\"\n%5")
                                                 .arg(QString::fromLatin1(k.name), p.first)
                                                 .arg(i)
                                                 .arg(editor.fetchText(2000).left(80))
                                                 .arg(program.trace().right(3000))));
                        ++arrived;
                    } else {
                        QTest::qWait(300);
                        QVERIFY2(editor.fetchText().isEmpty(), qPrintable(editor.text()));
                        QVERIFY(program.lines(QStringLiteral("balloon ")).size() > 0);
                        ++refused;
                    }
                    QVERIFY2(clipboardBecomes(user),
                             qPrintable(QGuiApplication::clipboard()->text()));
                }
                qInfo("%s, %s, %s: %d of %d arrived whole, %d refused", k.name, qPrintable(p.first),
                      loaded ? "under load" : "at rest", arrived, presses, refused);
            }
            if (loaded)
                session->stopCpuLoad();
        }
    }

private:
    // Takes the clipboard in this process, as a user's copy would.
    bool setClipboard(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        return waitUntil([] { return QGuiApplication::clipboard()->ownsClipboard(); }, 2000);
    }
    // The clipboard as this process reads it, from whichever program owns it.
    bool clipboardBecomes(const QString &text)
    {
        return waitUntil(
            [&] {
                QTest::qWait(20);
                return QGuiApplication::clipboard()->text() == text;
            },
            5000);
    }

    X11Session *session;
    TracedProgram program;
    Display *xlib = nullptr;
};

SCRIVLET_X11_TEST_MAIN(PasteTargetsTest)
#include "tst_pastetargets.moc"
