// Another program that holds a global shortcut on Plasma, through KWin's
// shortcut service as every KDE program does.
//   holdshortcut KEYS   prints "READY" once KEYS (QKeySequence's text,
//   "Ctrl+Alt+2") is its own, "TAKEN" when the service refused; holds it
//   until its input ends.

#include <KGlobalAccel>

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    app.setApplicationName(QStringLiteral("scrivlet-test-other"));
    QAction action;
    action.setObjectName(QStringLiteral("held"));
    const QKeySequence keys(QString::fromUtf8(argv[1]));
    KGlobalAccel::self()->setShortcut(&action, {keys}, KGlobalAccel::NoAutoloading);
    const bool mine = KGlobalAccel::self()->shortcut(&action).contains(keys);
    std::printf(mine ? "READY\n" : "TAKEN\n");
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    app.exec();
    KGlobalAccel::self()->removeAllShortcuts(&action);
    return 0;
}
