// Placeholders that need more than the phrase: other phrases by name, and
// fields the user fills in. The fields are asked for in a window of ours
// without waiting for it (requests that come meanwhile wait in line), then
// the phrase goes to the window it was meant for.
//
// The texts here are in the main window's context, as the dispatcher's
// others are.

#include "dispatch/phrasedispatcher.h"

#include "base/testtrace.h"
#include "dispatch/dispatchui.h"
#include "insert/insertion.h"
#include "store/phrasestore.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QTimer>

namespace {

// A phrase's name as a message shows it: quoted, on one line, not endless
// (names come from imported files too).
QString shownName(const QString &name)
{
    constexpr int Longest = 60;
    QString shown;
    for (const QChar c : name.left(Longest))
        shown += c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
                     ? QLatin1Char(' ')
                     : c;
    if (name.size() > Longest)
        shown += QChar(0x2026);
    return QChar(0x201C) + shown + QChar(0x201D);
}

QString shownChain(const QStringList &chain)
{
    QStringList shown;
    for (const QString &name : chain)
        shown << shownName(name);
    return shown.join(QStringLiteral(" \u2192 "));
}

} // namespace

namespace {

// {phrase:NAME}: the first of that name in the list, enabled or not (a
// phrase kept as a part of others needs no shortcut of its own).
std::function<bool(const QString &, Placeholders::Nested *)> nestedPhrases(const PhraseStore &store)
{
    return [&store](const QString &name, Placeholders::Nested *out) {
        for (const Phrase &p : store.phrases()) {
            if (p.name == name) {
                *out = {p.text, p.placeholders};
                return true;
            }
        }
        return false;
    };
}

} // namespace

Placeholders::Expanded PhraseDispatcher::textNow(const Phrase &phrase,
                                                 const QHash<QString, QString> &answers) const
{
    if (!phrase.placeholders)
        return {phrase.text, 0, Placeholders::Failure::None, {}};
    Placeholders::Context context;
    context.now = QDateTime::currentDateTime();
    context.locale = QLocale();
    context.clipboard = [] {
        const QClipboard *clipboard = QGuiApplication::clipboard();
        return clipboard ? clipboard->text(QClipboard::Clipboard) : QString();
    };
    context.name = phrase.name;
    context.phrase = nestedPhrases(*store);
    context.answers = answers;
    return Placeholders::expand(phrase.text, context);
}

Placeholders::Fields PhraseDispatcher::fillInsOf(const Phrase &phrase) const
{
    if (!phrase.placeholders)
        return {};
    Placeholders::Context context;
    context.name = phrase.name;
    context.phrase = nestedPhrases(*store);
    return Placeholders::fields(phrase.text, context);
}

QString PhraseDispatcher::failureText(const Placeholders::Expanded &failed)
{
    const QStringList &chain = failed.chain;
    switch (failed.failure) {
    case Placeholders::Failure::None:
        break;
    case Placeholders::Failure::Missing:
        return QCoreApplication::translate("MainWindow",
                                           "Nothing was typed: %1 puts in a phrase named %2, "
                                           "and there is none.")
            .arg(shownChain(chain.mid(0, chain.size() - 1)),
                 shownName(chain.value(chain.size() - 1)));
    case Placeholders::Failure::Cycle:
        return QCoreApplication::translate(
                   "MainWindow",
                   "Nothing was typed: these phrases put in each other in a circle: %1.")
            .arg(shownChain(chain));
    case Placeholders::Failure::TooDeep:
        return QCoreApplication::translate(
                   "MainWindow",
                   "Nothing was typed: phrases put in other phrases more than %1 deep: %2.")
            .arg(Placeholders::MaxDepth)
            .arg(shownChain(chain));
    case Placeholders::Failure::TooLarge:
        return QCoreApplication::translate(
                   "MainWindow",
                   "Nothing was typed: the phrases that %1 puts in would make a text far too long.")
            .arg(shownChain(chain));
    case Placeholders::Failure::TooManyFields:
        return QCoreApplication::translate("MainWindow", "Nothing was typed: %1 asks for more than "
                                                         "%2 fields, more than one window holds.")
            .arg(shownChain(chain))
            .arg(Placeholders::MaxFields);
    }
    return QString();
}

void PhraseDispatcher::askFillIns(const Phrase &phrase, const QVector<Placeholders::Field> &fields,
                                  const FillIn &fillIn)
{
    // The window the phrase goes to is settled now: once the fields are
    // filled in, ours is in front.
    FillIn settled = fillIn;
    if (!settled.window || !desktop->targets().isWindow(settled.window) ||
        isOwnWindow(settled.window))
        settled.window = desktop->targets().foregroundWindow();
    // Ours only when the settled window is: the panel's Type, clicked with
    // the panel in front, goes to the window before it.
    settled.ownField = isOwnWindow(settled.window);
    if (settled.ownField)
        settled.window = 0;
    m_targetWindow = 0;
    startAsking();
    m_workedElsewhere = false;
    TestTrace::line(QStringLiteral("fill-ins of %1 asked").arg(phrase.id));
    QPointer<PhraseDispatcher> self(this);
    ui->askFillIns(phrase.name, fields,
                   [self, settled](bool accepted, const QHash<QString, QString> &answers) {
                       // Never inside the window's own handler: the phrase
                       // goes out from the event loop.
                       if (self)
                           QTimer::singleShot(0, self, [self, settled, accepted, answers] {
                               if (self)
                                   self->fillInsAnswered(settled, accepted, answers);
                           });
                   });
}

void PhraseDispatcher::fillInsAnswered(const FillIn &fillIn, bool accepted,
                                       const QHash<QString, QString> &answers)
{
    m_asking = false;
    const auto settle = [this, &fillIn](const QString &failure) {
        if (!m_pending.isEmpty())
            QTimer::singleShot(0, this, &PhraseDispatcher::carryOutPending);
        if (fillIn.later)
            fillIn.later(failure);
    };
    if (!accepted) {
        TestTrace::line(QStringLiteral("fill-ins of %1 cancelled").arg(fillIn.id));
        if (fillIn.ownField)
            ui->refocusOwnField();
        else if (fillIn.window && desktop->targets().isWindow(fillIn.window))
            desktop->targets().bringToFront(fillIn.window);
        settle(QCoreApplication::translate("MainWindow",
                                           "Nothing was typed: the fields were not filled in."));
        return;
    }
    const int index = store->indexOfId(fillIn.id);
    if (index < 0) {
        settle(QCoreApplication::translate("MainWindow", "The phrase is gone."));
        return;
    }
    const Phrase phrase = store->phrases().at(index);
    // The abbreviation typed for it gives the case, and is what it saved.
    m_typedAbbreviation = fillIn.typedAbbreviation;
    const Placeholders::Expanded expanded = inTypedCase(phrase, textNow(phrase, answers));
    const auto forget = qScopeGuard([this] { m_typedAbbreviation.clear(); });
    if (expanded.failure != Placeholders::Failure::None) {
        const QString text = failureText(expanded); // the list changed meanwhile
        emit message(text, true);
        settle(text);
        return;
    }
    if (m_paused) {
        settle(QCoreApplication::translate("MainWindow", "Shortcuts are paused."));
        return;
    }
    // Enter that closed the window of fields may still be down.
    constexpr int VkReturn = 0x0D;
    const QVector<int> triggerKeys{VkReturn};
    const QString notAccepted =
        QCoreApplication::translate("MainWindow", "The target window did not accept the text.");
    if (fillIn.ownField) {
        // Into our own field only: never into whatever program is in front.
        if (!isOwnWindow(desktop->targets().foregroundWindow())) {
            emit message(notAccepted, true);
            settle(notAccepted);
            return;
        }
        m_targetWindow = 0;
        settle(typeExpanded(fillIn.id, expanded, triggerKeys));
        return;
    }
    const QString refused = clearWayTo(fillIn);
    if (!refused.isEmpty()) {
        emit message(refused, true);
        settle(refused);
        return;
    }
    m_targetWindow = fillIn.window;
    m_keysOnly = fillIn.keysOnly;
    m_suffix = fillIn.suffix;
    const QString failure = typeExpanded(fillIn.id, expanded, triggerKeys);
    m_keysOnly = false;
    m_suffix.clear();
    settle(failure);
}

QString PhraseDispatcher::clearWayTo(const FillIn &fillIn)
{
    const QString notAccepted =
        QCoreApplication::translate("MainWindow", "The target window did not accept the text.");
    const WindowHandle window = fillIn.window;
    if (!window || !desktop->targets().isWindow(window))
        return notAccepted;
    if (fillIn.erase <= 0)
        return QString();
    if (m_workedElsewhere) {
        // BackSpace would erase at wherever the caret went, not the
        // abbreviation: it stays as typed, and nothing goes in.
        TestTrace::line(QStringLiteral("typed %1 refused").arg(fillIn.id));
        return QCoreApplication::translate(
            "MainWindow", "Nothing was typed: you worked in another window while the fields were "
                          "asked for, so the abbreviation may no longer be where the text cursor "
                          "is.");
    }
    // The abbreviation still stands in the target: it goes once the target
    // is in front again, and only then.
    if (!desktop->targets().bringToFront(window) || !waitForKeysReleased(*desktop) ||
        desktop->targets().foregroundWindow() != window ||
        desktop->keyboard().pressKey(EditKey::BackSpace, fillIn.erase) != fillIn.erase) {
        TestTrace::line(QStringLiteral("typed %1 refused").arg(fillIn.id));
        return notAccepted;
    }
    return QString();
}

bool PhraseDispatcher::abbreviationAsks(const AbbreviationMatcher::Action &action,
                                        WindowHandle window)
{
    if (action.kind != AbbreviationMatcher::Action::Expand)
        return false;
    const int index = store->indexOfId(action.id);
    if (index < 0)
        return false;
    const Phrase phrase = store->phrases().at(index);
    const Placeholders::Fields wanted = fillInsOf(phrase);
    if (wanted.failure != Placeholders::Failure::None) {
        // The abbreviation stays as typed, and the user hears why once the
        // keys are theirs again.
        Placeholders::Expanded failed;
        failed.failure = wanted.failure;
        failed.chain = wanted.chain;
        m_abbreviationNotice = failureText(failed);
        TestTrace::line(QStringLiteral("typed %1 refused").arg(action.id));
        finishAbbreviations(window, 0, false);
        return true;
    }
    if (wanted.fields.isEmpty())
        return false;
    // Keys typed after the abbreviation already stand behind it: what the
    // target holds by the time the fields are filled in is not known, and
    // the abbreviation is left as it is.
    const bool typedOn = !m_pendingKeys.isEmpty();
    if (finishAbbreviations(window, 0, false) > 0 || typedOn) {
        TestTrace::line(QStringLiteral("abbreviation %1 typed over").arg(action.abbreviation));
        return true;
    }
    FillIn fillIn;
    fillIn.id = action.id;
    fillIn.window = window;
    fillIn.keysOnly = true;
    fillIn.erase = action.erase;
    fillIn.suffix = action.retype;
    fillIn.typedAbbreviation = action.abbreviation;
    askFillIns(phrase, wanted.fields, fillIn);
    return true;
}
