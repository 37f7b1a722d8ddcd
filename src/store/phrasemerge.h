#pragma once
#include "store/phrase.h"
#include "store/settings.h"
#include <QStringList>
#include <QVector>
namespace PhraseMerge {
struct Side
{
    QVector<Phrase> phrases;
    Settings settings;
};
struct Result
{
    QVector<Phrase> phrases;
    Settings settings;
    QStringList changedOnBothSides;
    QStringList keptChangedElsewhere;
    QStringList withoutShortcut;
    QStringList withoutAbbreviation;
    bool oursChanged = false;
    bool theirsChanged = false;
};
Result merge(const Side &base, const Side &ours, const Side &theirs,
             const QString &changedElsewhereFormat = QStringLiteral("%1 (changed elsewhere)"));
} // namespace PhraseMerge
