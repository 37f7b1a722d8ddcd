#pragma once

// How a phrase goes into a given application: the user's rules
// (Options, Applications) first, then the rules the program knows itself:
// terminals, which take Ctrl+V as a character of their own and paste with
// another key. Pure: the backend names the application
// (TargetService::targetApplication), this decides.

#include "platform/desktop.h"
#include "store/apprules.h"

#include <QVector>

struct InsertPlan
{
    InsertMethod method = InsertMethod::Automatic;
    // The key a paste is made with: Ctrl+V unless the method says otherwise.
    PasteKey pasteKey = PasteKey::CtrlV;
    // A terminal emulator, by the program's own list: no control character
    // is ever typed into one (it would act as a key: Enter runs a command).
    bool terminal = false;
    // Keys are on their way to the target (the BackSpaces that erase an
    // abbreviation): the text follows them as keys, typed or pasted with
    // the paste key, never by a message that could overtake them.
    bool keysOnly = false;
    // Whether abbreviations typed there expand: the user's rule may say
    // no (where a password cannot be told from other text).
    bool abbreviations = true;
};

namespace InsertPlans {

// The program's own rules: the common terminal emulators of X11 and Windows
// with the paste key each takes.
const QVector<AppRule> &builtInRules();

// True when rule names app: its window class or instance, or its
// executable with or without ".exe", without regard to case.
bool matches(const QString &match, const TargetApp &app);

// The first of the user's rules that names app, else the first built-in
// one, else Automatic.
InsertPlan resolve(const TargetApp &app, const QVector<AppRule> &userRules);

// The key a paste method stands for (Ctrl+V for the others).
PasteKey pasteKeyOf(InsertMethod method);

} // namespace InsertPlans
