#pragma once

// One-colour icons painted at run time, so that every icon takes the colour of
// the current theme. Each painter starts from a transparent pixmap, paints
// with antialiasing and returns an icon built from that one pixmap.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Glyphs {

enum class Command
{
    Add,
    Edit,
    Delete,
    Import,
    Export,
    Settings,
    Exit,
    Pause,
    Resume,
    ShowWindow,
    Enabled,
    FloatingPanel,
};

// 22 x 22: a play triangle when paused (the button then resumes), else two bars.
QIcon pauseGlyph(bool paused, const QColor &colour);
// 18 x 18: eight teeth, a disc and a transparent centre.
QIcon gearGlyph(const QColor &colour);
// 12 x 12 caption glyph: "min", "max", "restore" or "close"; any other kind is
// an empty transparent glyph.
QIcon captionGlyph(const QColor &colour, const QString &kind);
// 12 x 12: the close cross of the dialog title bars.
QIcon dialogCloseGlyph(const QColor &colour);
// 32 x 32 pixels with a device pixel ratio of 2 (16 x 16 logical): a
// triangle with an exclamation mark cut out of it.
QIcon warningGlyph(const QColor &colour);
// 40 x 40 pixels with a device pixel ratio of 2 (20 x 20 logical), sharp on
// high-density screens.
QIcon commandGlyph(const QColor &colour, Command kind);
// The command glyph in the checked state only, nothing in the other: for an
// entry whose glyph is itself the mark of its state (a check mark).
QIcon checkedOnlyGlyph(const QColor &colour, Command kind);
// The tray icon while shortcuts are paused, at each size base has: base
// washed out to grey, under a disc of badge at the lower right with two
// pause bars of bars on it.
QIcon pausedIcon(const QIcon &base, const QColor &badge, const QColor &bars);
// The one pixmap behind commandGlyph.
QPixmap commandGlyphPixmap(const QColor &colour, Command kind);

} // namespace Glyphs
