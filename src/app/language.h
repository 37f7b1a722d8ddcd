#pragma once

#include <QLocale>
#include <QString>
#include <QVector>

namespace Language {

// The interface language a first run starts with: one of the ten codes
// ("zh_CN", "zh_TW", "en", "ja", "ko", "es", "de", "ru", "fr", "it").
QString defaultLanguage(const QLocale &locale);

struct Choice
{
    QString code;
    QString nativeName; // in the language itself, never translated
};

// The ten interface languages in the order of the Language menu.
const QVector<Choice> &choices();

} // namespace Language
