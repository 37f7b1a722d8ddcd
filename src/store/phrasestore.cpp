#include "store/phrasestore.h"

#include "base/hotkey.h"
#include "base/language.h"

#include <QLocale>

PhraseStore::PhraseStore(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_dataFolder(dataFolder), m_localFolder(dataFolder),
      m_legacyFilePath(defaultLegacyFilePath())
{
    m_settings.language = Language::defaultLanguage(QLocale::system());
}

QString PhraseStore::dataFilePath() const
{
    return dataFilePathIn(m_dataFolder);
}

QString PhraseStore::dataFilePathIn(const QString &dataFolder)
{
    return dataFolder + QLatin1String("/phrases.json");
}

int PhraseStore::indexOfId(const QString &id) const
{
    for (int i = 0; i < m_phrases.size(); ++i) {
        if (m_phrases.at(i).id == id)
            return i;
    }
    return -1;
}

QString PhraseStore::findDuplicateText(const QString &text, const QString &excludeId) const
{
    if (text.isEmpty())
        return QString();
    for (const Phrase &p : m_phrases) {
        if (p.id != excludeId && p.text == text)
            return p.id;
    }
    return QString();
}

QString PhraseStore::findHotkeyConflict(int mods, int vk, const QString &excludeId) const
{
    if (vk == 0)
        return QString();
    for (const Phrase &p : m_phrases) {
        if (p.enabled && p.id != excludeId && Hotkey::sameHotkey(mods, vk, p.mods, p.vk))
            return p.id;
    }
    return QString();
}

QString PhraseStore::findAbbreviationConflict(const QString &abbreviation,
                                              const QString &excludeId) const
{
    if (abbreviation.isEmpty())
        return QString();
    for (const Phrase &p : m_phrases) {
        if (p.enabled && p.id != excludeId && p.abbreviation == abbreviation)
            return p.id;
    }
    return QString();
}

bool PhraseStore::conflictsWithGlobalHotkey(int mods, int vk) const
{
    return Hotkey::sameHotkey(mods, vk, m_settings.showMods, m_settings.showVk) ||
           Hotkey::sameHotkey(mods, vk, m_settings.pickerMods, m_settings.pickerVk);
}
