#include "picker/phrasesearch.h"

#include "base/hotkey.h"

#include <algorithm>

namespace PhraseSearch {

Candidates buildCandidates(const QVector<Phrase> &phrases, bool recentFirst)
{
    Candidates out;
    out.list.reserve(phrases.size());
    for (const Phrase &phrase : phrases) {
        if (!phrase.enabled || phrase.text.isEmpty())
            continue;
        out.list.append({phrase, Hotkey::keyText(phrase.mods, phrase.vk), preview(phrase.text)});
        if (!phrase.name.trimmed().isEmpty())
            out.hideName = false;
    }
    if (recentFirst) {
        std::sort(out.list.begin(), out.list.end(), [](const Candidate &a, const Candidate &b) {
            if (a.phrase.lastUsed != b.phrase.lastUsed)
                return a.phrase.lastUsed > b.phrase.lastUsed;
            return QString::localeAwareCompare(a.phrase.name, b.phrase.name) < 0;
        });
    }
    return out;
}

bool matches(const Candidate &candidate, const QString &query)
{
    return query.isEmpty() || candidate.phrase.name.contains(query, Qt::CaseInsensitive) ||
           candidate.phrase.text.contains(query, Qt::CaseInsensitive) ||
           candidate.keyText.contains(query, Qt::CaseInsensitive) ||
           candidate.phrase.abbreviation.contains(query, Qt::CaseInsensitive);
}

QVector<Candidate> match(const QVector<Candidate> &candidates, const QString &text)
{
    const QString query = text.trimmed();
    if (query.isEmpty())
        return candidates;
    QVector<Candidate> out;
    for (const Candidate &c : candidates) {
        if (matches(c, query))
            out.append(c);
    }
    return out;
}

QString preview(const QString &text)
{
    // Only the head is shown; long texts are not copied whole.
    QString head = text.left(PreviewLength + 1);
    head.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (text.size() <= PreviewLength)
        return head;
    // A character outside the BMP is two code units; cutting between them
    // would show half a character.
    int cut = PreviewLength;
    if (head.at(cut - 1).isHighSurrogate())
        --cut;
    return head.left(cut) + QStringLiteral("...");
}

int currentRow(const QVector<Candidate> &results, bool recentFirst)
{
    if (results.isEmpty())
        return -1;
    if (recentFirst)
        return 0;
    int best = 0;
    qint64 latest = 0;
    for (int i = 0; i < results.size(); ++i) {
        if (results.at(i).phrase.lastUsed > latest) {
            latest = results.at(i).phrase.lastUsed;
            best = i;
        }
    }
    return best;
}

} // namespace PhraseSearch
