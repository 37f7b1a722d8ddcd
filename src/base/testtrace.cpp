#include "base/testtrace.h"

#include <QtGlobal>

#include <cstdio>

namespace TestTrace {

bool enabled()
{
    static const bool on = qEnvironmentVariableIntValue("SCRIVLET_TEST_TRACE") == 1;
    return on;
}

void line(const QString &text)
{
    if (!enabled())
        return;
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    const QByteArray bytes = oneLine.toUtf8() + '\n';
    // Unbuffered and in one write: the reader takes whole lines.
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace TestTrace
