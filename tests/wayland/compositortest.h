#pragma once

// What the Plasma and GNOME end-to-end tests share: a headless compositor,
// the program in it with the test's phrases and its trace, its command line,
// and target windows.

#include "wayland/headlesscompositor.h"
#include "wayland/waylandsession.h"
#include "wayland/waylandtarget.h"
#include "x11/datafile.h"
#include "x11/phrases.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QProcess>
#include <QTest>

#include <memory>

// The texts every road must put in exactly, by the names of their phrases.
namespace RoadTexts {
const QString Ascii = QStringLiteral("The quick brown fox: 42 + 7 = 49 [ok] {yes} ~/path\\x");
const QString NonAscii = QStringLiteral("Grüße, señor — ça va? Ærøskøbing ½ © Привет");
const QString Lines = QStringLiteral("first line\nzweite Zeile é\n第三行");

inline QVector<QPair<QString, QString>> named()
{
    return {{QStringLiteral("ascii"), Ascii},
            {QStringLiteral("nonascii"), NonAscii},
            {QStringLiteral("cjk"), Phrases::distinctCjk(120)},
            {QStringLiteral("lines"), Lines}};
}
} // namespace RoadTexts

class CompositorTest : public QObject
{
protected:
    // Rows of a test's data: a US, German and Russian layout, each with a
    // native Qt and a native GTK window.
    static void layoutAndTargetRows()
    {
        QTest::addColumn<QString>("layouts");
        QTest::addColumn<QString>("target");
        for (const char *layouts : {"us", "de", "ru"}) {
            for (const char *target : {"qt", "gtk"})
                QTest::addRow("%s %s", layouts, target)
                    << QString::fromLatin1(layouts) << QString::fromLatin1(target);
        }
    }

    HeadlessCompositor m_compositor;
    QString m_layouts;
    QProcess *m_program = nullptr;
    QByteArray m_trace; // the program's, since it started

    // The phrases the program starts with.
    virtual QJsonArray phrases() const = 0;

    int command(const QStringList &arguments)
    {
        QProcess p;
        p.setProcessEnvironment(m_compositor.environment());
        p.start(QStringLiteral(SCRIVLET_EXE), arguments);
        if (!QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 20000))
            return -1;
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // A compositor with these options and the program in it; kept while the
    // layouts asked for stay the same.
    bool startSession(HeadlessCompositor::Kind kind, const HeadlessCompositor::Options &options)
    {
        if (m_program && options.layouts == m_layouts)
            return true;
        stopProgram();
        QString error;
        if (!m_compositor.start(kind, options, &error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        m_layouts = options.layouts;
        return startProgram();
    }

    bool startProgram()
    {
        QDir().mkpath(ProgramDriver::dataFolder());
        if (!ProgramDriver::writeDataFile(
                ProgramDriver::dataFilePath(),
                QJsonObject{{QStringLiteral("importedV3"), true},
                            {QStringLiteral("language"), QStringLiteral("en")}},
                phrases()))
            return false;
        QProcessEnvironment trace;
        trace.insert(QStringLiteral("SCRIVLET_TEST_TRACE"), QStringLiteral("1"));
        m_trace.clear();
        m_program =
            m_compositor.startProcess(QStringLiteral(SCRIVLET_EXE), {QStringLiteral("--in-tray")},
                                      trace, QProcess::SeparateChannels);
        connect(m_program, &QProcess::readyReadStandardError, this,
                [this] { m_trace += m_program->readAllStandardError(); });
        // Ready once the running copy answers ("--list" would read the data
        // file itself while none runs).
        return QTest::qWaitFor([&] { return command({QStringLiteral("--resume")}) == 0; }, 15000);
    }

    // Ends the program and the compositor.
    void stopProgram()
    {
        if (m_program) {
            m_program->terminate();
            m_program->waitForFinished(5000);
        }
        m_program = nullptr;
        m_layouts.clear();
        m_compositor.stop();
    }

    // "qt" or "gtk", native; or a Qt window on the platform env names.
    std::unique_ptr<WaylandTarget> startTarget(const QString &kind,
                                               const QProcessEnvironment &env = {})
    {
        QString program = WaylandSession::programPath(QStringLiteral("../x11/x11target"));
        QStringList args;
        if (kind == QLatin1String("gtk")) {
            program = QStringLiteral("/usr/bin/python3"); // the one with GTK's bindings
            args = QStringList{WaylandSession::programPath(QStringLiteral("../x11/gtktarget.py"))};
        }
        auto target =
            std::make_unique<WaylandTarget>(m_compositor.startProcess(program, args, env));
        if (!target->waitReady())
            return nullptr;
        QTest::qWait(300); // a new window takes the focus
        return target;
    }
};
