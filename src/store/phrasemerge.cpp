#include "store/phrasemerge.h"

#include "base/hotkey.h"
#include "store/phrasestore.h"

#include <QHash>
#include <QJsonObject>
#include <QSet>

#include <algorithm>

namespace {

// A phrase's place in the merge: its id and which of the phrases with that
// id it is in its list (0 for the first, the one every lookup by id finds).
struct Key
{
    QString id;
    int occurrence = 0;

    bool operator==(const Key &other) const
    {
        return occurrence == other.occurrence && id == other.id;
    }
};

uint qHash(const Key &key, uint seed = 0)
{
    return ::qHash(key.id, seed) ^ uint(key.occurrence);
}

// One side's list with its keys, a hash from key to position, and each
// phrase's content, made once when first compared.
class Indexed
{
public:
    explicit Indexed(const QVector<Phrase> &list) : m_list(list)
    {
        QHash<QString, int> seen;
        seen.reserve(list.size());
        m_keys.reserve(list.size());
        m_at.reserve(list.size());
        m_content.resize(list.size());
        for (int i = 0; i < list.size(); ++i) {
            const QString &id = list.at(i).id;
            Key key{id, seen[id]++};
            m_at.insert(key, i);
            m_keys.append(std::move(key));
        }
    }

    int size() const { return m_list.size(); }
    const Phrase &at(int i) const { return m_list.at(i); }
    const Key &keyAt(int i) const { return m_keys.at(i); }
    int find(const Key &key) const { return m_at.value(key, -1); }

    const QJsonObject &contentAt(int i)
    {
        QJsonObject &c = m_content[i];
        if (c.isEmpty()) // never empty once made: it always has an id
            c = m_list.at(i).contentJson();
        return c;
    }

private:
    const QVector<Phrase> &m_list;
    QVector<Key> m_keys;
    QHash<Key, int> m_at;
    QVector<QJsonObject> m_content;
};

enum class From
{
    Ours,
    Theirs
};

struct Outcome
{
    bool kept = false;
    From from = From::Ours;
    qint64 lastUsed = 0;
    bool conflict = false;       // theirs follows ours as a disabled copy
    bool keptOverDelete = false; // we deleted it, they changed it
    int ours = -1;
    int theirs = -1;
};

// One phrase of the result, with the content it was compared by (shared
// with the side it came from, so comparing it there costs nothing).
struct Entry
{
    Phrase phrase;
    QJsonObject content;
    bool incoming = false;
};

qint64 shortcutOf(const Phrase &p)
{
    return (qint64(p.vk) << 32) | quint32(p.mods);
}

bool sameAs(const QVector<Entry> &result, Indexed &side)
{
    if (result.size() != side.size())
        return false;
    for (int i = 0; i < result.size(); ++i) {
        const Phrase &p = result.at(i).phrase;
        const Phrase &q = side.at(i);
        if (p.id != q.id || p.lastUsed != q.lastUsed || result.at(i).content != side.contentAt(i))
            return false;
    }
    return true;
}

QString copyName(const QString &format, const Phrase &theirs)
{
    const QString name = theirs.name.isEmpty() ? PhraseStore::phraseLabel(theirs) : theirs.name;
    if (!format.contains(QLatin1String("%1")))
        return name + QLatin1Char(' ') + format;
    return format.arg(name);
}

Settings mergeSettings(const Settings &base, const Settings &ours, const Settings &theirs)
{
    const QJsonObject b = base.toJson();
    const QJsonObject t = theirs.toJson();
    QJsonObject merged = ours.toJson();
    for (auto it = t.constBegin(); it != t.constEnd(); ++it) {
        const QJsonValue baseValue = b.value(it.key());
        if (it.value() != baseValue && merged.value(it.key()) == baseValue)
            merged.insert(it.key(), it.value());
    }
    Settings result = ours;
    result.readJson(merged);
    return result;
}

} // namespace

namespace PhraseMerge {

Result merge(const Side &baseSide, const Side &oursSide, const Side &theirsSide,
             const QString &changedElsewhereFormat)
{
    Indexed base(baseSide.phrases);
    Indexed ours(oursSide.phrases);
    Indexed theirs(theirsSide.phrases);

    const auto unchangedSinceBase = [&base](Indexed &side, int i, const Key &key) {
        const int b = base.find(key);
        return b >= 0 && base.contentAt(b) == side.contentAt(i);
    };

    // What becomes of every phrase either side has.
    QHash<Key, Outcome> outcomes;
    outcomes.reserve(ours.size() + theirs.size());
    for (int o = 0; o < ours.size(); ++o) {
        const Key &key = ours.keyAt(o);
        Outcome out;
        out.ours = o;
        out.theirs = theirs.find(key);
        const Phrase &op = ours.at(o);
        if (out.theirs >= 0) {
            const int t = out.theirs;
            out.kept = true;
            out.lastUsed = std::max(op.lastUsed, theirs.at(t).lastUsed);
            if (ours.contentAt(o) == theirs.contentAt(t) || unchangedSinceBase(theirs, t, key))
                out.from = From::Ours; // the same on both, or changed here only
            else if (unchangedSinceBase(ours, o, key))
                out.from = From::Theirs;
            else
                out.conflict = true; // changed differently, or added differently
        } else {
            // Deleted there: gone unless we changed it (or added it).
            out.kept = !unchangedSinceBase(ours, o, key);
            out.lastUsed = op.lastUsed;
        }
        outcomes.insert(key, out);
    }
    for (int t = 0; t < theirs.size(); ++t) {
        const Key &key = theirs.keyAt(t);
        if (ours.find(key) >= 0)
            continue;
        Outcome out;
        out.theirs = t;
        out.from = From::Theirs;
        out.lastUsed = theirs.at(t).lastUsed;
        // Deleted here: gone unless they changed it (or added it).
        out.kept = !unchangedSinceBase(theirs, t, key);
        out.keptOverDelete = out.kept && base.find(key) >= 0;
        outcomes.insert(key, out);
    }

    // The order: theirs when we left the order of what we kept from the base
    // as it was, else ours. The other side's own phrases follow the phrase
    // before them there.
    bool weReordered = false;
    {
        int b = 0;
        for (int o = 0; o < ours.size() && !weReordered; ++o) {
            const Key &key = ours.keyAt(o);
            if (base.find(key) < 0)
                continue;
            while (b < base.size() && ours.find(base.keyAt(b)) < 0)
                ++b;
            weReordered = b >= base.size() || !(base.keyAt(b) == key);
            ++b;
        }
    }
    Indexed &frame = weReordered ? ours : theirs;
    Indexed &other = weReordered ? theirs : ours;
    const auto keptAt = [&outcomes](const Key &key) { return outcomes.value(key).kept; };

    QVector<int> first; // the other side's phrases placed before all others
    QHash<Key, QVector<int>> followers;
    {
        const Key *anchor = nullptr;
        for (int i = 0; i < other.size(); ++i) {
            const Key &key = other.keyAt(i);
            if (!keptAt(key))
                continue;
            if (frame.find(key) >= 0)
                anchor = &key;
            else if (anchor)
                followers[*anchor].append(i);
            else
                first.append(i);
        }
    }

    Result result;
    result.settings = mergeSettings(baseSide.settings, oursSide.settings, theirsSide.settings);

    QVector<Entry> entries;
    entries.reserve(std::max(ours.size(), theirs.size()) + 8);
    const auto place = [&](const Key &key) {
        const Outcome out = outcomes.value(key);
        Entry e;
        if (out.from == From::Ours) {
            e.phrase = ours.at(out.ours);
            e.content = ours.contentAt(out.ours);
        } else {
            e.phrase = theirs.at(out.theirs);
            e.content = theirs.contentAt(out.theirs);
            e.incoming = true;
        }
        e.phrase.lastUsed = out.lastUsed;
        if (out.keptOverDelete)
            result.keptChangedElsewhere.append(PhraseStore::phraseLabel(e.phrase));
        entries.append(std::move(e));
        if (out.conflict) {
            const Phrase &theirsPhrase = theirs.at(out.theirs);
            result.changedOnBothSides.append(PhraseStore::phraseLabel(ours.at(out.ours)));
            Entry copy;
            copy.phrase = theirsPhrase;
            copy.phrase.id = Phrase::newId();
            copy.phrase.enabled = false;
            copy.phrase.name = copyName(changedElsewhereFormat, theirsPhrase);
            copy.content = copy.phrase.contentJson();
            entries.append(std::move(copy));
        }
    };
    for (const int i : qAsConst(first))
        place(other.keyAt(i));
    for (int i = 0; i < frame.size(); ++i) {
        const Key &key = frame.keyAt(i);
        if (!keptAt(key))
            continue;
        place(key);
        const auto f = followers.constFind(key);
        if (f != followers.constEnd()) {
            for (const int j : f.value())
                place(other.keyAt(j));
        }
    }

    // Clashes the merge made: an enabled incoming phrase gives up the shortcut
    // or abbreviation that an enabled one of ours (or the show or picker
    // shortcut) holds, as an import does. Disabled phrases take no part.
    QSet<qint64> ourShortcuts;
    QSet<QString> ourAbbreviations;
    for (const Entry &e : qAsConst(entries)) {
        if (e.incoming || !e.phrase.enabled)
            continue;
        if (e.phrase.vk != 0)
            ourShortcuts.insert(shortcutOf(e.phrase));
        if (!e.phrase.abbreviation.isEmpty())
            ourAbbreviations.insert(e.phrase.abbreviation);
    }
    const Settings &s = result.settings;
    for (Entry &e : entries) {
        Phrase &p = e.phrase;
        if (!e.incoming || !p.enabled)
            continue;
        bool stripped = false;
        if (p.vk != 0 && (ourShortcuts.contains(shortcutOf(p)) ||
                          Hotkey::sameHotkey(p.mods, p.vk, s.showMods, s.showVk) ||
                          Hotkey::sameHotkey(p.mods, p.vk, s.pickerMods, s.pickerVk))) {
            result.withoutShortcut.append(PhraseStore::phraseLabel(p));
            p.vk = 0;
            p.mods = 0;
            stripped = true;
        }
        if (!p.abbreviation.isEmpty() && ourAbbreviations.contains(p.abbreviation)) {
            result.withoutAbbreviation.append(PhraseStore::phraseLabel(p));
            p.abbreviation.clear();
            stripped = true;
        }
        if (stripped)
            e.content = p.contentJson();
    }

    const QJsonObject settingsJson = result.settings.toJson();
    result.oursChanged = settingsJson != oursSide.settings.toJson() || !sameAs(entries, ours);
    result.theirsChanged = settingsJson != theirsSide.settings.toJson() || !sameAs(entries, theirs);

    result.phrases.reserve(entries.size());
    for (Entry &e : entries)
        result.phrases.append(std::move(e.phrase));
    return result;
}

} // namespace PhraseMerge
