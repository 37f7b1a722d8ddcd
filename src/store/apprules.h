#pragma once

// The user's rules for how a phrase goes into a given application: each
// names the application (a window class or an executable, compared without
// regard to case), the insert method, and whether abbreviations expand there. Stored
// under "appRules" in the settings as an array of {"match", "road"} objects;
// a rule that turns abbreviations off adds "abbreviations": false. A version
// that does not know that member still reads the rule, with its method, and
// leaves it out when it saves.

#include <QJsonArray>
#include <QString>
#include <QVector>

enum class InsertMethod
{
    Automatic,        // the program's own choice: message, keys, or a paste with Ctrl+V
    TypeOnly,         // keys only, never the clipboard
    PasteCtrlV,       // always a paste, with Ctrl+V
    PasteCtrlShiftV,  // with Ctrl+Shift+V (most terminals)
    PasteShiftInsert, // with Shift+Insert (xterm, PuTTY)
    Never,            // nothing goes in; the user is told so
};

struct AppRule
{
    QString match;
    InsertMethod method = InsertMethod::Automatic;
    // False where nothing typed may be told from a password (a program that
    // shows no accessibility tree, a terminal's password prompt): the user
    // turns abbreviations off there.
    bool abbreviations = true;

    friend bool operator==(const AppRule &a, const AppRule &b)
    {
        return a.match == b.match && a.method == b.method && a.abbreviations == b.abbreviations;
    }
};

namespace AppRules {

// The method's name in the data file (under "road"): "automatic", "type", "ctrlV",
// "ctrlShiftV", "shiftInsert", "never".
QString methodName(InsertMethod method);
// False for a name no version of the program wrote.
bool methodFromName(const QString &name, InsertMethod *method);

QJsonArray toJson(const QVector<AppRule> &rules);
// Every well-formed rule of value, in order: an object with a non-empty
// "match" string and a known "road"; "abbreviations" counts only as the
// value false. Anything else (another type, a missing or unknown road, a
// match given twice) is left out and the rest kept. Linear in the count.
QVector<AppRule> fromJson(const QJsonValue &value);

} // namespace AppRules
