#pragma once

// Theme identifiers and the colours the code paints with directly. The style
// sheets live in stylesheets.h. Identifier 1 is Teal; every other value is
// Classic, so a test for the theme always compares with 1.

#include <QColor>
#include <QMargins>

class QString;
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

// Sets the application property "uiTheme" and the application sheet (Teal
// only; Classic clears it), in that order.
void applyToApplication(int theme);

// Margins of the main window's central layout: 20 18 20 16 for Classic and
// 20 16 20 14 for Teal (spacing 12 in both).
QMargins centralMargins(int theme);
constexpr int centralSpacing = 12;

// Replaces a widget's own sheet so that the widget and its children show the
// new rules at once: a plain second setStyleSheet can leave children (and a
// widget never shown) painting with the rules of the first. Every theme
// switch of a live surface goes through here.
void replaceStyleSheet(QWidget *widget, const QString &sheet);

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
