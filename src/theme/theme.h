#pragma once

// Theme identifiers and the colours the code paints with directly. The style
// sheets live in stylesheets.h. Identifier 1 is Teal; every other value is
// Classic, so a test for the theme always compares with 1.

#include <QColor>

class QWidget;

namespace Theme {

constexpr int Classic = 0;
constexpr int Teal = 1;

inline bool isTeal(int theme)
{
    return theme == Teal;
}
// The value a menu entry or a stored setting becomes: 1 stays 1, all else 0.
inline int normalised(int theme)
{
    return theme == Teal ? Teal : Classic;
}

// The application property "uiTheme" that dialogs read when they are built.
int current();
void setCurrent(int theme);

// Re-styles a widget after a dynamic property that a sheet selects on changed.
void repolish(QWidget *widget);

// Colours used by painting code rather than by a sheet.
struct Colours
{
    QColor accent;          // title bars, frames, selection
    QColor windowSurface;   // dialog bodies, central area
    QColor panelBackground; // floating panel window and base palette
    QColor titleGlyph;      // main and dialog title-bar glyphs, panel gear
    QColor pauseGlyph;      // the panel's pause/resume icon
    QColor commandGlyph;    // main window command buttons
    QColor menuGlyph;       // tray menu and table context menu
    QColor paused;          // the pause button while paused
};
const Colours &colours(int theme);

} // namespace Theme
