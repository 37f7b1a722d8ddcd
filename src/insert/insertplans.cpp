#include "insert/insertplans.h"

namespace InsertPlans {

const QVector<AppRule> &builtInRules()
{
    // Terminals read Ctrl+V as a character (in a shell: "quoted insert").
    // xterm, urxvt and st paste the PRIMARY selection with Shift+Insert, as
    // PuTTY and mintty paste the clipboard; the VTE terminals, Konsole and
    // the GPU terminals take Ctrl+Shift+V; the Windows console and Windows
    // Terminal take Ctrl+V.
    static const QVector<AppRule> rules = {
        {QStringLiteral("XTerm"), InsertMethod::PasteShiftInsert},
        {QStringLiteral("UXTerm"), InsertMethod::PasteShiftInsert},
        {QStringLiteral("URxvt"), InsertMethod::PasteShiftInsert},
        {QStringLiteral("Rxvt"), InsertMethod::PasteShiftInsert},
        {QStringLiteral("st-256color"), InsertMethod::PasteShiftInsert},
        {QStringLiteral("PuTTY"), InsertMethod::PasteShiftInsert},
        {QStringLiteral("mintty"), InsertMethod::PasteShiftInsert},
        {QStringLiteral("Gnome-terminal"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("gnome-terminal-server"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("konsole"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("kitty"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("Alacritty"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("foot"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("footclient"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("org.wezfurlong.wezterm"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("Tilix"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("Terminator"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("Xfce4-terminal"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("Lxterminal"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("Sakura"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("Mate-terminal"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("qterminal"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("Terminology"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("Guake"), InsertMethod::PasteCtrlShiftV},
        {QStringLiteral("ConsoleWindowClass"), InsertMethod::PasteCtrlV},
        {QStringLiteral("CASCADIA_HOSTING_WINDOW_CLASS"), InsertMethod::PasteCtrlV},
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

PasteKey pasteKeyOf(InsertMethod method)
{
    switch (method) {
    case InsertMethod::PasteCtrlShiftV:
        return PasteKey::CtrlShiftV;
    case InsertMethod::PasteShiftInsert:
        return PasteKey::ShiftInsert;
    default:
        return PasteKey::CtrlV;
    }
}

InsertPlan resolve(const TargetApp &app, const QVector<AppRule> &userRules)
{
    InsertPlan out;
    for (const AppRule &r : builtInRules()) {
        if (matches(r.match, app)) {
            out.method = r.method;
            out.abbreviations = r.abbreviations;
            out.pasteKey = pasteKeyOf(r.method);
            out.terminal = true;
            break;
        }
    }
    for (const AppRule &r : userRules) {
        if (matches(r.match, app)) {
            out.method = r.method;
            out.abbreviations = r.abbreviations;
            // A method that does not say how to paste keeps the terminal's key.
            if (r.method == InsertMethod::PasteCtrlV || r.method == InsertMethod::PasteCtrlShiftV ||
                r.method == InsertMethod::PasteShiftInsert)
                out.pasteKey = pasteKeyOf(r.method);
            break;
        }
    }
    return out;
}

} // namespace InsertPlans
