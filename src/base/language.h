#pragma once

#include <QLocale>
#include <QString>
#include <QVector>

class QTranslator;

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

// Takes translator out of the application, then loads the embedded catalogue
// of code into it and installs it, unless code is "en" or has no catalogue.
// Returns whether a catalogue is installed. Windows are not told; the caller
// sends the language-change events where they are due.
bool install(QTranslator *translator, const QString &code);

} // namespace Language
