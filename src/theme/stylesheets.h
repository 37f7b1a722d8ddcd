#pragma once

// The style sheet of every themed surface, for Teal (1) and Classic (any other
// identifier). Each surface's sheet is written once, in stylesheets.cpp.

#include <QString>

namespace Theme {

// Dialogs, message boxes, menus and the picker; empty for Classic, which
// leaves plain dialogs and menus to the base style.
QString applicationStyleSheet(int theme);
// Set on the main window: frame colour, menu host, central area, menu bar,
// menus, status bar, search box and the command buttons (property "tool").
QString mainWindowStyleSheet(int theme);
// Set on the phrase table `phrases`.
QString phraseTableStyleSheet(int theme);
// Set on `MainTitleBar`.
QString mainTitleBarStyleSheet(int theme);
// Set on `DialogTitleBar`; actionButtons selects the variant with the extra
// title-bar button and the "×" close text.
QString dialogTitleBarStyleSheet(int theme, bool actionButtons);
// Set on each `ThemedDialog`.
QString themedDialogStyleSheet(int theme);
// Set on the floating panel.
QString floatingPanelStyleSheet(int theme);
// Set on the picker's settings popup.
QString pickerPopupStyleSheet(int theme);

} // namespace Theme
