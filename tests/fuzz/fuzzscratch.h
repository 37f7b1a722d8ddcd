#pragma once

// Shared by the fuzz targets: a scratch folder for the files the loaders
// read and the data file they save, and a check that ends the run with a
// message when a rule is broken (libFuzzer then keeps the input).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzScratch {

// On tmpfs where there is one: every save ends in a sync, and the imports
// save on every input.
inline const QString &folder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/scrivlet-fuzz-XXXXXX")
                                 : QDir::tempPath() + QLatin1String("/scrivlet-fuzz-XXXXXX"));
    static const QString path = dir.path();
    if (path.isEmpty()) {
        std::fprintf(stderr, "no scratch folder\n");
        std::abort();
    }
    return path;
}

inline QString write(const QString &name, const QByteArray &bytes)
{
    const QString path = folder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

} // namespace FuzzScratch

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken rule: %s (%s:%d)\n", #condition, __FILE__, __LINE__);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
