#pragma once

// The persisted options, stored under "settings" in the data file. A plain
// value: the Options dialog gets a copy and hands back a whole new record.

#include "store/apprules.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

struct Settings
{
    QString language; // seeded from the system locale by the store
    bool startWithWindows = false;
    bool startMinimized = false;
    bool closeHintShown = false;
    bool closeHintSeen = false;
    int showVk = 84; // Ctrl+T shows or hides the main window
    int showMods = 2;
    int pickerVk = 82; // Ctrl+R opens the picker
    int pickerMods = 2;
    bool importedV3 = false;
    bool pickerRecentFirst = true;
    int pickerOpacity = 97; // 60..100
    int nameColumnWidth = 0;
    int hotkeyColumnWidth = 0;
    int enabledColumnWidth = 0;
    bool showFloatingPanel = false;
    int floatingPanelOpacity = 97;
    int floatingPanelX = -1; // negative: no saved position
    int floatingPanelY = -1;
    int floatingPanelHeight = 0; // 0 or less: default size
    int floatingPanelWidth = 0;
    bool floatingPanelShowCopy = true;
    bool floatingPanelShowType = true;
    int floatingPanelTextLines = 2; // 1..3
    bool floatingPanelSnapToEdge = true;
    int uiTheme = 1;           // 0 Classic, 1 Teal
    QVector<AppRule> appRules; // how phrases go into given applications
    // Abbreviations expand at the space, Tab, Enter or punctuation after
    // them rather than at their last character.
    bool abbreviationsAfterDelimiter = false;
    // The folder the last export or import chose its file in; empty: the
    // user's documents folder.
    QString backupFolder;
    // The main window's place (its frame's top-left corner) and size as the
    // user left it; a width or height of 0 or less: nothing saved, the
    // window manager places it.
    int mainWindowX = 0;
    int mainWindowY = 0;
    int mainWindowWidth = 0;
    int mainWindowHeight = 0;
    // The note on the keys the program takes from other programs was read
    // (dismissed, or Options opened from it).
    bool keysNoteSeen = false;

    // Every key, always.
    QJsonObject toJson() const;
    // Reads the keys present with the right JSON type over the current values
    // (integers must be integer-valued and fit an int), then applies the
    // range rules. An empty object changes nothing.
    void readJson(const QJsonObject &object);
    // Replaces out-of-range values by their defaults.
    void applyRanges();
    // What changed from from to to, key by key, put onto these settings;
    // every other key stays as it is here.
    void applyChanges(const Settings &from, const Settings &to);

    static constexpr int keyCount = 34;
};
