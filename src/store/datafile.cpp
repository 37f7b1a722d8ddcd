// The data file: load, save, and keeping a damaged file before the first
// save overwrites it.

#include "store/jsonfile.h"
#include "store/phrasestore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

namespace {

const QString kVersion = QStringLiteral("version");
const QString kSettings = QStringLiteral("settings");
const QString kPhrases = QStringLiteral("phrases");

} // namespace

bool PhraseStore::load()
{
    m_phrases.clear();
    QJsonObject root;
    switch (JsonFile::read(dataFilePath(), &root)) {
    case JsonFile::ReadResult::Missing:
        return true;
    case JsonFile::ReadResult::CannotRead:
    case JsonFile::ReadResult::NotAnObject:
        m_mustKeepDamaged = true;
        return false;
    case JsonFile::ReadResult::Ok:
        break;
    }

    m_settings.readJson(root.value(kSettings).toObject());

    const QJsonArray phrases = root.value(kPhrases).toArray();
    m_phrases.reserve(phrases.size());
    for (const QJsonValue &value : phrases) {
        Phrase p = Phrase::fromJson(value.toObject());
        if (!p.text.isEmpty())
            m_phrases.append(std::move(p));
    }
    return true;
}

bool PhraseStore::save()
{
    QDir().mkpath(m_dataFolder);
    if (m_mustKeepDamaged && !keepDamagedFile())
        return false;

    QJsonArray phrases;
    for (const Phrase &p : m_phrases)
        phrases.append(p.toJson());
    QJsonObject root;
    root.insert(kVersion, 1);
    root.insert(kSettings, m_settings.toJson());
    root.insert(kPhrases, phrases);
    return JsonFile::writeAtomically(dataFilePath(), root);
}

// Moves the file that load() could not use out of the way under a dated
// name, so that no save ever replaces what the user had. When it can be
// neither renamed nor copied, saving stays refused for this run.
bool PhraseStore::keepDamagedFile()
{
    const QString path = dataFilePath();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        m_mustKeepDamaged = false; // gone since load(): nothing to keep
        return true;
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QLatin1String(".damaged-") + stamp;
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = base + QLatin1Char('-') + QString::number(n);

    if (!QFile::rename(path, target) && !QFile::copy(path, target))
        return false;
    m_mustKeepDamaged = false;
    m_keptDamagedFile = target;
    return true;
}
