#pragma once

#include <QLocale>
#include <QString>

namespace Language {

// The interface language a first run starts with: one of the ten codes
// ("zh_CN", "zh_TW", "en", "ja", "ko", "es", "de", "ru", "fr", "it").
QString defaultLanguage(const QLocale &locale);

} // namespace Language
