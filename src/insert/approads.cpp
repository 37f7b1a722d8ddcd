#include "insert/approads.h"

namespace AppRoads {

const QVector<AppRule> &builtInRules()
{
    // Terminals read Ctrl+V as a character (in a shell: "quoted insert").
    // xterm, urxvt and st paste the PRIMARY selection with Shift+Insert, as
    // PuTTY and mintty paste the clipboard; the VTE terminals, Konsole and
    // the GPU terminals take Ctrl+Shift+V; the Windows console and Windows
    // Terminal take Ctrl+V.
    static const QVector<AppRule> rules = {
        {QStringLiteral("XTerm"), AppRoad::PasteShiftInsert},
        {QStringLiteral("UXTerm"), AppRoad::PasteShiftInsert},
        {QStringLiteral("URxvt"), AppRoad::PasteShiftInsert},
        {QStringLiteral("Rxvt"), AppRoad::PasteShiftInsert},
        {QStringLiteral("st-256color"), AppRoad::PasteShiftInsert},
        {QStringLiteral("PuTTY"), AppRoad::PasteShiftInsert},
        {QStringLiteral("mintty"), AppRoad::PasteShiftInsert},
        {QStringLiteral("Gnome-terminal"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("gnome-terminal-server"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("konsole"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("kitty"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("Alacritty"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("foot"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("footclient"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("org.wezfurlong.wezterm"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("Tilix"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("Terminator"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("Xfce4-terminal"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("Lxterminal"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("Sakura"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("Mate-terminal"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("qterminal"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("Terminology"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("Guake"), AppRoad::PasteCtrlShiftV},
        {QStringLiteral("ConsoleWindowClass"), AppRoad::PasteCtrlV},
        {QStringLiteral("CASCADIA_HOSTING_WINDOW_CLASS"), AppRoad::PasteCtrlV},
    };
    return rules;
}

bool matches(const QString &match, const TargetApp &app)
{
    const auto same = [&match](const QString &name) {
        return !name.isEmpty() && name.compare(match, Qt::CaseInsensitive) == 0;
    };
    QString bare = app.executable;
    if (bare.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        bare.chop(4);
    return !match.isEmpty() &&
           (same(app.className) || same(app.instance) || same(app.executable) || same(bare));
}

PasteKey pasteKeyOf(AppRoad road)
{
    switch (road) {
    case AppRoad::PasteCtrlShiftV:
        return PasteKey::CtrlShiftV;
    case AppRoad::PasteShiftInsert:
        return PasteKey::ShiftInsert;
    default:
        return PasteKey::CtrlV;
    }
}

InsertRoad resolve(const TargetApp &app, const QVector<AppRule> &userRules)
{
    InsertRoad out;
    for (const AppRule &r : builtInRules()) {
        if (matches(r.match, app)) {
            out.road = r.road;
            out.abbreviations = r.abbreviations;
            out.pasteKey = pasteKeyOf(r.road);
            out.terminal = true;
            break;
        }
    }
    for (const AppRule &r : userRules) {
        if (matches(r.match, app)) {
            out.road = r.road;
            out.abbreviations = r.abbreviations;
            // A road that does not say how to paste keeps the terminal's key.
            if (r.road == AppRoad::PasteCtrlV || r.road == AppRoad::PasteCtrlShiftV ||
                r.road == AppRoad::PasteShiftInsert)
                out.pasteKey = pasteKeyOf(r.road);
            break;
        }
    }
    return out;
}

} // namespace AppRoads
