#include "platform/webpage.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace WebPage {

void open(const QUrl &url, QObject *context, const std::function<void()> &failed)
{
    const QPointer<QObject> guard(context);
    const auto fail = [guard, failed] {
        QTimer::singleShot(0, [guard, failed] {
            if (guard && failed)
                failed();
        });
    };
    if (!url.isValid())
        return fail();
    // xdg-open says whether it found a browser by its exit status, which
    // Qt's own launch (detached) never sees: with no browser that would be a
    // click that does nothing.
    const QString handler = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (handler.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            fail();
        return;
    }
    // Not a child of context: a browser that xdg-open waits for outlives
    // the window that asked, and even the program.
    auto *process = new QProcess;
    process->setProgram(handler);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, fail](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         fail();
                         process->deleteLater();
                     });
    QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), process,
                     [process, fail, clock](int code, QProcess::ExitStatus status) {
                         // Late endings are the browser's own, not a verdict.
                         if ((code != 0 || status != QProcess::NormalExit) &&
                             clock->elapsed() < HandlerVerdictMs)
                             fail();
                         process->deleteLater();
                     });
    process->start();
}

} // namespace WebPage
