#include "store/phrasemerge.h"

#include "base/hotkey.h"
#include "store/phrasestore.h"

#include <QHash>
#include <QJsonObject>
#include <QSet>

#include <algorithm>

namespace {

// One side's list, with where each occurrence of each id is, and each
// phrase's content, made once when first compared. The n-th phrase of an id
// is matched with the n-th of that id on another side, in constant time: a
// file that repeats one id a hundred thousand times merges as fast as any.
class Indexed
{
public:
    explicit Indexed(const QVector<Phrase> &list)
        : m_list(list), m_occurrence(list.size(), 0), m_content(list.size()),
          m_made(list.size(), false)
    {
        m_positions.reserve(list.size());
        for (int i = 0; i < list.size(); ++i) {
            QVector<int> &positions = m_positions[list.at(i).id];
            m_occurrence[i] = positions.size();
            positions.append(i);
        }
    }

    int size() const { return m_list.size(); }
    const Phrase &at(int i) const { return m_list.at(i); }

    // Where the phrase at i of another side is in this one, or -1.
    int find(const Indexed &other, int i) const
    {
        const auto it = m_positions.constFind(other.at(i).id);
        const int n = other.m_occurrence.at(i);
        return it == m_positions.cend() || n >= it->size() ? -1 : it->at(n);
    }
    // find() for every phrase of the other side.
    QVector<int> match(const Indexed &other) const
    {
        QVector<int> at(other.size());
        for (int i = 0; i < other.size(); ++i)
            at[i] = find(other, i);
        return at;
    }

    const QJsonObject &contentAt(int i)
    {
        if (!m_made.at(i)) {
            m_content[i] = m_list.at(i).contentJson();
            m_made[i] = true;
        }
        return m_content.at(i);
    }

private:
    const QVector<Phrase> &m_list;
    QHash<QString, QVector<int>> m_positions;
    QVector<int> m_occurrence;
    QVector<QJsonObject> m_content;
    QVector<bool> m_made;
};

// The inverse of a match: for each position of the other side, the
// position here that matched it, or -1.
QVector<int> invert(const QVector<int> &match, int otherSize)
{
    QVector<int> inverse(otherSize, -1);
    for (int i = 0; i < match.size(); ++i) {
        if (match.at(i) >= 0)
            inverse[match.at(i)] = i;
    }
    return inverse;
}

enum class From
{
    Ours,
    Theirs
};

// A phrase's record of use in the result.
struct Use
{
    qint64 lastUsed = 0;
    qint64 uses = 0;
    qint64 charactersSaved = 0;

    static Use of(const Phrase &p) { return {p.lastUsed, p.uses, p.charactersSaved}; }
    void applyTo(Phrase &p) const
    {
        p.lastUsed = lastUsed;
        p.uses = uses;
        p.charactersSaved = charactersSaved;
    }
};

// A count both sides have: ours plus what theirs gained over the version
// it was made from, taken as the one with the largest count not above
// theirs of the base and our written ones, or one of none (every count
// starts there, and a reset goes back there). Without a base or a version
// written (added on both sides alike) the larger stands.
qint64 mergedCount(qint64 ours, qint64 theirs, const qint64 *base, const QVector<qint64> &written)
{
    if (!base && written.isEmpty())
        return std::max(ours, theirs);
    qint64 from = 0;
    if (base && *base <= theirs)
        from = *base;
    for (const qint64 w : written) {
        if (w <= theirs)
            from = std::max(from, w);
    }
    return std::min(Phrase::MaxCount,
                    std::max<qint64>(0, ours) + std::max<qint64>(0, theirs - from));
}

struct Outcome
{
    bool kept = false;
    From from = From::Ours;
    Use use;
    bool conflict = false;       // theirs follows ours as a disabled copy
    bool keptOverDelete = false; // we deleted it, they changed it
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
        if (p.id != q.id || p.lastUsed != q.lastUsed || p.uses != q.uses ||
            p.charactersSaved != q.charactersSaved || result.at(i).content != side.contentAt(i))
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

using PhraseMerge::Result;
using PhraseMerge::Side;

// One merge, in steps: what becomes of each phrase, in which order the
// result lists them, and the clashes the result would hold.
class Merger
{
public:
    Merger(const Side &base, const Side &ours, const Side &theirs,
           const PhraseMerge::WrittenCounts *written)
        : base(base.phrases), ours(ours.phrases), theirs(theirs.phrases), written(written),
          oursInBase(this->base.match(this->ours)), theirsInBase(this->base.match(this->theirs)),
          oursInTheirs(this->theirs.match(this->ours)),
          theirsInOurs(invert(oursInTheirs, this->theirs.size()))
    {
        decide();
    }

    // The result's phrases in order, each with the content it was compared
    // by; changedOnBothSides and keptChangedElsewhere go into *result.
    QVector<Entry> arrange(const QString &changedElsewhereFormat, Result *result);
    // Clashes the merge made: an enabled incoming phrase gives up the
    // shortcut or abbreviation that an enabled one of ours (or the show or
    // picker shortcut) holds, as an import does. Disabled phrases take no
    // part.
    static void resolveClashes(QVector<Entry> &entries, Result *result);

    Indexed base;
    Indexed ours;
    Indexed theirs;
    const PhraseMerge::WrittenCounts *written;

private:
    bool unchanged(Indexed &side, int i, int inBase)
    {
        return inBase >= 0 && base.contentAt(inBase) == side.contentAt(i);
    }
    void decide();
    Use usesOf(int o, int t) const;
    bool weReordered() const;
    const Outcome &outcomeOf(bool isOurs, int i) const
    {
        if (!isOurs && theirsInOurs.at(i) >= 0)
            return oursOutcome.at(theirsInOurs.at(i));
        return isOurs ? oursOutcome.at(i) : theirsOutcome.at(i);
    }
    void place(bool isOurs, int i, const QString &changedElsewhereFormat, QVector<Entry> *entries,
               Result *result);

    const QVector<int> oursInBase;
    const QVector<int> theirsInBase;
    const QVector<int> oursInTheirs;
    const QVector<int> theirsInOurs;
    QVector<Outcome> oursOutcome;
    QVector<Outcome> theirsOutcome;
};

// What becomes of each phrase of ours (matched in theirs or not), and of
// each phrase only theirs has.
void Merger::decide()
{
    oursOutcome.resize(ours.size());
    for (int o = 0; o < ours.size(); ++o) {
        Outcome &out = oursOutcome[o];
        const int t = oursInTheirs.at(o);
        if (t >= 0) {
            out.kept = true;
            out.use = usesOf(o, t);
            if (ours.contentAt(o) == theirs.contentAt(t) ||
                unchanged(theirs, t, theirsInBase.at(t)))
                out.from = From::Ours; // the same on both, or changed here only
            else if (unchanged(ours, o, oursInBase.at(o)))
                out.from = From::Theirs;
            else
                out.conflict = true; // changed differently, or added differently
        } else {
            // Deleted there: gone unless we changed it (or added it).
            out.kept = !unchanged(ours, o, oursInBase.at(o));
            out.use = Use::of(ours.at(o));
        }
    }
    theirsOutcome.resize(theirs.size());
    for (int t = 0; t < theirs.size(); ++t) {
        if (theirsInOurs.at(t) >= 0)
            continue;
        Outcome &out = theirsOutcome[t];
        out.from = From::Theirs;
        out.use = Use::of(theirs.at(t));
        // Deleted here: gone unless they changed it (or added it).
        out.kept = !unchanged(theirs, t, theirsInBase.at(t));
        out.keptOverDelete = out.kept && theirsInBase.at(t) >= 0;
    }
}

// The record of use of a phrase both sides have: the later use, and the
// counts of both.
Use Merger::usesOf(int o, int t) const
{
    const Phrase &our = ours.at(o);
    const Phrase &their = theirs.at(t);
    const int b = oursInBase.at(o);
    const Phrase *inBase = b >= 0 ? &base.at(b) : nullptr;
    const QVector<PhraseMerge::Counts> *wrote = written ? written->of(our.id) : nullptr;
    QVector<qint64> uses, saved;
    for (const PhraseMerge::Counts &c : wrote ? *wrote : QVector<PhraseMerge::Counts>()) {
        uses.append(c.uses);
        saved.append(c.charactersSaved);
    }
    Use use;
    use.lastUsed = std::max(our.lastUsed, their.lastUsed);
    use.uses = mergedCount(our.uses, their.uses, inBase ? &inBase->uses : nullptr, uses);
    use.charactersSaved = mergedCount(our.charactersSaved, their.charactersSaved,
                                      inBase ? &inBase->charactersSaved : nullptr, saved);
    return use;
}

// Whether we changed the order of what we kept from the base.
bool Merger::weReordered() const
{
    const QVector<int> baseInOurs = invert(oursInBase, base.size());
    int b = 0;
    for (int o = 0; o < ours.size(); ++o) {
        if (oursInBase.at(o) < 0)
            continue;
        while (baseInOurs.at(b) < 0)
            ++b; // ends: as many of the base are in ours as of ours in the base
        if (b != oursInBase.at(o))
            return true;
        ++b;
    }
    return false;
}

void Merger::place(bool isOurs, int i, const QString &changedElsewhereFormat,
                   QVector<Entry> *entries, Result *result)
{
    const Outcome &out = outcomeOf(isOurs, i);
    const int o = isOurs ? i : theirsInOurs.at(i);
    const int t = isOurs ? oursInTheirs.at(i) : i;
    Entry e;
    if (out.from == From::Ours) {
        e.phrase = ours.at(o);
        e.content = ours.contentAt(o);
    } else {
        e.phrase = theirs.at(t);
        e.content = theirs.contentAt(t);
        e.incoming = true;
    }
    out.use.applyTo(e.phrase);
    if (out.keptOverDelete)
        result->keptChangedElsewhere.append(PhraseStore::phraseLabel(e.phrase));
    entries->append(std::move(e));
    if (out.conflict) {
        const Phrase &theirsPhrase = theirs.at(t);
        result->changedOnBothSides.append(PhraseStore::phraseLabel(ours.at(o)));
        Entry copy;
        copy.phrase = theirsPhrase;
        copy.phrase.id = Phrase::newId();
        copy.phrase.enabled = false;
        copy.phrase.name = copyName(changedElsewhereFormat, theirsPhrase);
        // Its uses are counted with ours: not twice.
        copy.phrase.uses = 0;
        copy.phrase.charactersSaved = 0;
        copy.content = copy.phrase.contentJson();
        entries->append(std::move(copy));
    }
}

// The order: theirs when we left the order of what we kept from the base as
// it was, else ours (the frame). The other side's own phrases follow the
// phrase before them there; a matched phrase of theirs stands for its
// partner in ours.
QVector<Entry> Merger::arrange(const QString &changedElsewhereFormat, Result *result)
{
    const bool frameIsOurs = weReordered();
    const int frameSize = frameIsOurs ? ours.size() : theirs.size();
    const int otherSize = frameIsOurs ? theirs.size() : ours.size();
    const QVector<int> &otherInFrame = frameIsOurs ? theirsInOurs : oursInTheirs;

    QVector<int> first;                 // the other side's own phrases placed before all others
    QHash<int, QVector<int>> followers; // by position in the frame
    int anchor = -1;
    for (int i = 0; i < otherSize; ++i) {
        if (!outcomeOf(!frameIsOurs, i).kept)
            continue;
        if (otherInFrame.at(i) >= 0)
            anchor = otherInFrame.at(i);
        else if (anchor >= 0)
            followers[anchor].append(i);
        else
            first.append(i);
    }

    QVector<Entry> entries;
    entries.reserve(std::max(ours.size(), theirs.size()) + 8);
    for (const int i : qAsConst(first))
        place(!frameIsOurs, i, changedElsewhereFormat, &entries, result);
    for (int i = 0; i < frameSize; ++i) {
        if (!outcomeOf(frameIsOurs, i).kept)
            continue;
        place(frameIsOurs, i, changedElsewhereFormat, &entries, result);
        const auto f = followers.constFind(i);
        if (f != followers.constEnd()) {
            for (const int j : f.value())
                place(!frameIsOurs, j, changedElsewhereFormat, &entries, result);
        }
    }
    return entries;
}

void Merger::resolveClashes(QVector<Entry> &entries, Result *result)
{
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
    const Settings &s = result->settings;
    for (Entry &e : entries) {
        Phrase &p = e.phrase;
        if (!e.incoming || !p.enabled)
            continue;
        bool stripped = false;
        if (p.vk != 0 && (ourShortcuts.contains(shortcutOf(p)) ||
                          Hotkey::sameHotkey(p.mods, p.vk, s.showMods, s.showVk) ||
                          Hotkey::sameHotkey(p.mods, p.vk, s.pickerMods, s.pickerVk))) {
            result->withoutShortcut.append(PhraseStore::phraseLabel(p));
            p.vk = 0;
            p.mods = 0;
            stripped = true;
        }
        if (!p.abbreviation.isEmpty() && ourAbbreviations.contains(p.abbreviation)) {
            result->withoutAbbreviation.append(PhraseStore::phraseLabel(p));
            p.abbreviation.clear();
            stripped = true;
        }
        if (stripped)
            e.content = p.contentJson();
    }
}

} // namespace

namespace PhraseMerge {

void WrittenCounts::wrote(const QVector<Phrase> &phrases)
{
    for (const Phrase &p : phrases) {
        const Counts now{p.uses, p.charactersSaved};
        if (now == Counts())
            continue; // none: the merge counts from none anyway
        QVector<Counts> &list = m_written[p.id];
        if (list.isEmpty() || !(list.constLast() == now))
            list.append(now);
    }
}

const QVector<Counts> *WrittenCounts::of(const QString &id) const
{
    const auto it = m_written.constFind(id);
    return it == m_written.cend() ? nullptr : &it.value();
}

Result merge(const Side &baseSide, const Side &oursSide, const Side &theirsSide,
             const QString &changedElsewhereFormat, const WrittenCounts *written)
{
    Merger merger(baseSide, oursSide, theirsSide, written);
    Result result;
    result.settings = mergeSettings(baseSide.settings, oursSide.settings, theirsSide.settings);
    QVector<Entry> entries = merger.arrange(changedElsewhereFormat, &result);
    Merger::resolveClashes(entries, &result);

    const QJsonObject settingsJson = result.settings.toJson();
    result.oursChanged =
        settingsJson != oursSide.settings.toJson() || !sameAs(entries, merger.ours);
    result.theirsChanged =
        settingsJson != theirsSide.settings.toJson() || !sameAs(entries, merger.theirs);

    result.phrases.reserve(entries.size());
    for (Entry &e : entries)
        result.phrases.append(std::move(e.phrase));
    return result;
}

} // namespace PhraseMerge
