// Prints how long the real program takes to follow its data file written by
// something else: from the rename that puts a new version in place (a phrase
// added on a shortcut of its own) until the program holds that shortcut, for
// a short list and for 10,000 phrases. Medians of several runs.

#include "benchrow.h"
#include "x11/datafile.h"
#include "x11/scrivletprocess.h"
#include "x11/x11session.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int ctrlAltShift = 2 | 1 | 4; // the stored modifier flags
constexpr int Runs = 5;

QJsonArray listOf(int count)
{
    QJsonArray list;
    for (int i = 0; i < count; ++i)
        list.append(ScrivletProcess::phrase(QStringLiteral("p%1").arg(i),
                                            QStringLiteral("phrase number %1 of the list").arg(i),
                                            0, 0));
    return list;
}

QByteArray fileBytes(const QJsonArray &phrases)
{
    return ProgramDriver::dataFileBytes(ProgramDriver::quietSettings(), phrases);
}

} // namespace

class ReloadBench : public QObject
{
    Q_OBJECT

public:
    explicit ReloadBench(X11Session *session) : session(session) {}

private slots:
    void reload()
    {
        for (const int size : {10, 10000})
            measure(size);
    }

private:
    void measure(int size)
    {
        ScrivletProcess program(session);
        const QJsonArray list = listOf(size);
        QVERIFY(program.writeDataFile(list, QJsonObject{{QStringLiteral("startMinimized"), true}}));
        QVERIFY(program.start());
        QTest::qWait(1500); // started and idle
        std::vector<double> samples;
        const KeySym keys[Runs] = {XK_1, XK_2, XK_3, XK_4, XK_5};
        QJsonArray grown = list;
        for (int run = 0; run < Runs; ++run) {
            grown.append(ScrivletProcess::phrase(QStringLiteral("new%1").arg(run),
                                                 QStringLiteral("arrived from outside"),
                                                 ctrlAltShift, int('1') + run));
            const QByteArray bytes = fileBytes(grown);
            QSaveFile file(program.dataFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write(bytes) == bytes.size());
            QElapsedTimer clock;
            QVERIFY(file.commit());
            clock.start();
            const bool held =
                program.waitUntilHolding(keys[run], ControlMask | Mod1Mask | ShiftMask, 15000);
            if (held)
                samples.push_back(double(clock.nsecsElapsed()) / 1e6);
            std::printf(
                "%d phrases, run %d: %s\n", size, run + 1,
                held ? qPrintable(QString::number(samples.back(), 'f', 1) + QStringLiteral(" ms"))
                     : "not held within 15 s");
            QTest::qWait(800); // the program's own save after the merge settles
        }
        BenchRow::print(size > 100 ? "reload-10000" : "reload-10", samples);
        program.kill();
    }

    X11Session *session;
};

SCRIVLET_X11_TEST_MAIN(ReloadBench)
#include "bench_reload.moc"
