#include "theme/stylesheets.h"

#include "theme/theme.h"

// Every sheet is a table of rules with a Teal and a Classic body. A Classic
// body of `same` repeats the Teal body, so a rule both themes share is written
// once; a null body means the theme has no such rule.

namespace Theme {

namespace {

const char same[] = "same";

struct Rule
{
    const char *selector;
    const char *teal;
    const char *classic;
};

template <std::size_t N> void append(QString &sheet, const Rule (&rules)[N], int theme)
{
    for (const Rule &rule : rules) {
        const char *body = isTeal(theme) ? rule.teal : rule.classic;
        if (body == same)
            body = rule.teal;
        if (!body)
            continue;
        sheet += QLatin1String(rule.selector);
        sheet += QLatin1String(" { ");
        sheet += QLatin1String(body);
        sheet += QLatin1String(" }\n");
    }
}

// Thin scroll bars without arrows or page fill; the track is transparent so
// the surface shows through.
struct ScrollBar
{
    bool horizontal;
    int thickness;
    const char *margin;
    int minLength;
    const char *handle;
    const char *hover;
};

void append(QString &sheet, const ScrollBar &bar)
{
    const QString o = bar.horizontal ? QStringLiteral(":horizontal") : QStringLiteral(":vertical");
    const QString extent = bar.horizontal ? QStringLiteral("height") : QStringLiteral("width");
    const QString length =
        bar.horizontal ? QStringLiteral("min-width") : QStringLiteral("min-height");
    const QString arrows = bar.horizontal ? QStringLiteral("width") : QStringLiteral("height");
    sheet += QStringLiteral("QScrollBar%1 { background: transparent; %2: %3px; margin: %4; "
                            "border: none; }\n")
                 .arg(o, extent)
                 .arg(bar.thickness)
                 .arg(QLatin1String(bar.margin));
    sheet +=
        QStringLiteral("QScrollBar::handle%1 { background: %2; %3: %4px; border-radius: 4px; }\n")
            .arg(o, QLatin1String(bar.handle), length)
            .arg(bar.minLength);
    sheet += QStringLiteral("QScrollBar::handle%1:hover { background: %2; }\n")
                 .arg(o, QLatin1String(bar.hover));
    sheet +=
        QStringLiteral("QScrollBar::add-line%1, QScrollBar::sub-line%1 { %2: 0px; border: none; "
                       "background: none; }\n")
            .arg(o, arrows);
    sheet +=
        QStringLiteral("QScrollBar::add-page%1, QScrollBar::sub-page%1 { background: none; }\n")
            .arg(o);
}

// Menus: the application sheet (Teal) and the main window sheet share these.
const Rule menuRules[] = {
    {"QMenu", "background: #f4fbfa; color: #1f2a2e; border: 1px solid #b5d4d1; padding: 4px;",
     "background: #ffffff; color: #1c2430; border: 1px solid #d5dbe3; padding: 4px;"},
    {"QMenu::item",
     "background: transparent; color: #1f2a2e; padding: 6px 28px 6px 12px; border-radius: 4px;",
     "background: transparent; color: #1c2430; padding: 6px 18px; border-radius: 4px;"},
    {"QMenu::item:selected", "background: #0f6e6b; color: #ffffff;",
     "background: #e5f4f3; color: #12312f;"},
    {"QMenu::item:disabled", "color: #8aa3a0;", "color: #8fa0ae;"},
    // A checked entry with an icon: the icon sits on a framed tile, as
    // Windows draws checked menu items that have a picture.
    {"QMenu::icon:checked",
     "background: #cfe9e6; border: 1px solid #0f6e6b; border-radius: 3px; padding: 2px;",
     "background: #dcebf8; border: 1px solid #6f9fd0; border-radius: 3px; padding: 2px;"},
    {"QMenu::separator", "height: 1px; background: #b5d4d1; margin: 4px 8px;",
     "height: 1px; background: #e1e6ec; margin: 4px 8px;"},
};

// The Teal combo box arrow: a teal block with the white chevron.
#define SCRIVLET_COMBO_ARROW                                                                       \
    "image: url(:/icons/chevron-down-white.png); width: 12px; height: 12px;"

const Rule applicationRules[] = {
    {"QDialog, QMessageBox", "background: #dcefea; color: #1f2a2e;", nullptr},
    {"QDialog QLabel, QMessageBox QLabel", "color: #1f2a2e;", nullptr},
    {"QDialog QLabel#hint", "color: #33514f;", nullptr},
    {"QDialog QLineEdit, QDialog QPlainTextEdit, QDialog QComboBox, QMessageBox QLineEdit",
     "background: #ffffff; color: #1f2a2e; border: 1px solid #b7d6d4; border-radius: 6px; "
     "padding: 5px 8px; selection-background-color: #0f6e6b; selection-color: #ffffff;",
     nullptr},
    {"QDialog QLineEdit:focus, QDialog QPlainTextEdit:focus, QDialog QComboBox:focus, "
     "QMessageBox QLineEdit:focus",
     "border: 1px solid #0f6e6b;", nullptr},
    {"QDialog QComboBox", "padding-right: 32px; min-height: 28px;", nullptr},
    {"QDialog QComboBox::drop-down",
     "subcontrol-origin: padding; subcontrol-position: top right; width: 30px; "
     "border-left: 1px solid #0f6e6b; border-top-right-radius: 5px; "
     "border-bottom-right-radius: 5px; background: #0f6e6b;",
     nullptr},
    {"QDialog QComboBox::down-arrow", SCRIVLET_COMBO_ARROW, nullptr},
    // Out of use: washed out, so that it does not pass for a setting in force.
    {"QDialog QComboBox:disabled", "background: #eef5f4; color: #8aa3a0; border-color: #cfe0de;",
     nullptr},
    {"QDialog QComboBox::drop-down:disabled", "background: #a9c9c6; border-left-color: #a9c9c6;",
     nullptr},
    {"QDialog QLabel:disabled", "color: #8aa3a0;", nullptr},
    {"QDialog QComboBox QAbstractItemView",
     "background: #ffffff; color: #1f2a2e; border: 1px solid #b7d6d4; "
     "selection-background-color: #0f6e6b; selection-color: #ffffff;",
     nullptr},
    {"QDialog QCheckBox, QMessageBox QCheckBox", "color: #1f2a2e; spacing: 8px;", nullptr},
    {"QDialog QPushButton, QMessageBox QPushButton",
     "background: #ffffff; color: #0f6e6b; border: 1px solid #b7d6d4; border-radius: 6px; "
     "padding: 6px 22px; font-weight: 600; min-height: 28px;",
     nullptr},
    {"QDialog QPushButton:hover, QMessageBox QPushButton:hover",
     "background: #e7f4f3; border-color: #0f6e6b;", nullptr},
    {"QDialog QPushButton:pressed, QMessageBox QPushButton:pressed", "background: #d5ecea;",
     nullptr},
    {"QDialog QPushButton#primary, QDialog QPushButton:default, "
     "QMessageBox QPushButton#primary, QMessageBox QPushButton:default",
     "background: #0f6e6b; color: #ffffff; border: 1px solid #0f6e6b;", nullptr},
    {"QDialog QPushButton#primary:hover, QDialog QPushButton:default:hover, "
     "QMessageBox QPushButton#primary:hover, QMessageBox QPushButton:default:hover",
     "background: #12827e; border-color: #12827e;", nullptr},
    {"QDialog QPushButton#primary:pressed, QDialog QPushButton:default:pressed, "
     "QMessageBox QPushButton#primary:pressed, QMessageBox QPushButton:default:pressed",
     "background: #0c5754; border-color: #0c5754;", nullptr},
    {"QDialog#picker", "background: #dcefea; border: 2px solid #0f6e6b;", nullptr},
    {"QLineEdit#pickerSearch",
     "background: #ffffff; color: #1f2a2e; border: 1px solid #b7d6d4; border-radius: 6px; "
     "padding: 6px 10px; selection-background-color: #0f6e6b; selection-color: #ffffff;",
     nullptr},
    {"QLineEdit#pickerSearch:focus", "border: 1px solid #0f6e6b;", nullptr},
    {"QListWidget#pickerList",
     "background: #f4fbfa; color: #1f2a2e; border: 1px solid #b5d4d1; border-radius: 6px; "
     "outline: none; padding: 2px;",
     nullptr},
    {"QListWidget#pickerList::item", "padding: 6px 4px; border-radius: 4px;", nullptr},
    {"QListWidget#pickerList::item:selected", "background: #0f6e6b; color: #ffffff;", nullptr},
    {"QListWidget#pickerList::item:hover:!selected", "background: #e7f4f3;", nullptr},
    {"QLabel#hint", "color: #33514f;", nullptr},
};

const Rule mainWindowRules[] = {
    {"QMainWindow", "background: #0f6e6b; border: none;", "background: #c8c8c8; border: none;"},
    {"QWidget#menuHost", "background: #0f6e6b; margin: 2px 2px 0px 2px;",
     "background: #ffffff; margin: 1px 1px 0px 1px;"},
    {"QWidget#central", "background: #dcefea; margin: 0px 2px;",
     "background: #f0f0f0; margin: 0px 1px;"},
    {"QMenuBar", "background: #0f6e6b; color: #ffffff; border-bottom: none; padding: 2px 4px;",
     "background: #f0f0f0; color: #1c2430; border-bottom: 1px solid #e1e6ec; padding: 2px 6px;"},
    {"QMenuBar::item",
     "color: #ffffff; background: transparent; padding: 5px 10px; border-radius: 4px;",
     "color: #1c2430; background: transparent; padding: 5px 10px; border-radius: 4px;"},
    {"QMenuBar::item:selected", "background: rgba(255, 255, 255, 0.18);", "background: #e5f4f3;"},
    {"QMenuBar::item:pressed", "background: rgba(255, 255, 255, 0.28);", "background: #d7efee;"},
};

const Rule mainWindowTailRules[] = {
    {"QMenu::indicator", "width: 14px; height: 14px;", same},
    {"QStatusBar",
     "background: #dcefea; color: #33514f; border-top: 1px solid #b5d4d1; margin: 0px 2px 2px 2px;",
     "background: #f0f0f0; color: #3d4b5c; border-top: 1px solid #e1e6ec; "
     "margin: 0px 1px 1px 1px;"},
    {"QSizeGrip", "width: 0px; height: 0px;", same},
    // The way back from a deletion, a link beside the status bar's message.
    {"QPushButton#undoDelete",
     "background: transparent; border: none; color: #0f6e6b; font-weight: 600; "
     "text-decoration: underline; padding: 0px 10px;",
     same},
    {"QPushButton#undoDelete:hover", "color: #12827e;", same},
    {"QLineEdit#search",
     "background: #ffffff; color: #1f2a2e; border: 1px solid #b7d6d4; border-radius: 6px; "
     "padding: 6px 10px; selection-background-color: #0f6e6b; selection-color: #ffffff;",
     "background: #ffffff; color: #1c2430; border: 1px solid #d5dbe3; border-radius: 8px; "
     "padding: 8px 12px; min-height: 22px; font-size: 14px; "
     "selection-background-color: #d7efee; selection-color: #12312f;"},
    {"QLineEdit#search:focus", "border: 1px solid #0f6e6b;", same},
    {"QPushButton[tool=\"true\"]",
     "background: #0f6e6b; color: #ffffff; border: none; border-radius: 6px; padding: 6px 12px; "
     "font-weight: 600;",
     "background: #ffffff; color: #1c2430; border: 1px solid #d5dbe3; border-radius: 8px; "
     "padding: 8px 18px;"},
    {"QPushButton[tool=\"true\"]:hover", "background: #12827e;",
     "background: #f7fbfb; border-color: #0f6e6b;"},
    {"QPushButton[tool=\"true\"]:pressed", "background: #0c5754;", "background: #e7f3f2;"},
    {"QPushButton[tool=\"true\"]:disabled", "background: #9bbbb8; color: #e8f4f3;",
     "color: #8fa0ae; background: #f5f5f5; border-color: #e1e6ec;"},
    {"QWidget#roadNote", "background: #fff6e5; border: 1px solid #e0b25c; border-radius: 6px;",
     "background: #fff8e8; border: 1px solid #e6c27a; border-radius: 8px;"},
    {"QLabel#roadNoteText", "color: #5c3d00; background: transparent; border: none;", same},
    {"QPushButton#roadNoteButton",
     "background: #ffffff; color: #0f6e6b; border: 1px solid #b7d6d4; border-radius: 5px; "
     "padding: 4px 10px; font-weight: 600;",
     "background: #ffffff; color: #1c2430; border: 1px solid #d5dbe3; border-radius: 6px; "
     "padding: 4px 10px;"},
    {"QPushButton#roadNoteButton:hover", "background: #e7f4f3; border-color: #0f6e6b;",
     "background: #f7fbfb; border-color: #0f6e6b;"},
    // A narrow window (a tiled one) keeps the texts whole a while longer.
    {"QPushButton[tool=\"true\"][narrow=\"true\"]", "padding: 6px 8px;", "padding: 7px 10px;"},
    // The window manager's frame around the window: no border of our own.
    {"QMainWindow[managerFrame=\"true\"] QWidget#menuHost", "margin: 0px;", same},
    {"QMainWindow[managerFrame=\"true\"] QWidget#central", "margin: 0px;", same},
    {"QMainWindow[managerFrame=\"true\"] QStatusBar", "margin: 0px;", same},
};

const Rule phraseTableRules[] = {
    {"QTableWidget#phrases",
     "background: #ffffff; alternate-background-color: #f4fbfa; border: 1px solid #b5d4d1; "
     "outline: none; gridline-color: #d7ebe8; selection-background-color: #0f6e6b; "
     "selection-color: #ffffff;",
     "background: #ffffff; alternate-background-color: #f2f2f2; border: 1px solid #e1e6ec; "
     "border-radius: 12px; padding: 0px; outline: none; gridline-color: transparent; "
     "selection-background-color: #dff3f1; selection-color: #12312f;"},
    {"QTableWidget#phrases::item", "border: none; padding: 2px 8px;",
     "padding: 2px 10px; border-bottom: 1px solid #eef1f4; color: #1c2430;"},
    {"QTableWidget#phrases::item:selected", "background: #0f6e6b; color: #ffffff;",
     "background: #dff3f1; color: #12312f;"},
    {"QTableWidget#phrases::item:focus", "outline: none; border: none;", same},
    {"QTableWidget#phrases::item:hover:!selected", nullptr, "background: #f3f3f3;"},
    {"QHeaderView::section",
     "background: #e7f4f3; color: #33514f; border: none; border-right: 1px solid #b5d4d1; "
     "border-bottom: 1px solid #b5d4d1; padding: 6px 8px; font-weight: 600;",
     "background: #f0f0f0; color: #5c6b7a; border: none; border-bottom: 1px solid #d9d9d9; "
     "padding: 6px 10px; font-weight: 600; font-size: 12px;"},
};

const Rule mainTitleBarRules[] = {
    {"QWidget#mainTitleBar", "background: #0f6e6b;", "background: #ffffff; border-bottom: none;"},
    {"QLabel#mainTitleLabel", "color: #ffffff; font-weight: 700; font-size: 13px;",
     "color: #000000; font-weight: 400; font-size: 12px;"},
    {"QPushButton#captionMin, QPushButton#captionMax",
     "background: transparent; border: none; border-radius: 4px;",
     "background: transparent; border: none; border-radius: 0px;"},
    {"QPushButton#captionMin:hover, QPushButton#captionMax:hover",
     "background: rgba(255, 255, 255, 0.16);", "background: #e5e5e5;"},
    {"QPushButton#captionMin:pressed, QPushButton#captionMax:pressed",
     "background: rgba(255, 255, 255, 0.28);", "background: #cccccc;"},
    {"QPushButton#captionClose",
     "background: transparent; border: none; border-radius: 4px; padding: 0px; "
     "padding-bottom: 2px;",
     "background: transparent; border: none; border-radius: 0px; padding: 0px; "
     "padding-bottom: 2px;"},
    {"QPushButton#captionClose:hover", "background: #e81123;", same},
    {"QPushButton#captionClose:pressed", "background: #c50f1f;", same},
};

const Rule dialogTitleBarRules[] = {
    {"QWidget#dialogTitleBar", "background: #0f6e6b;",
     "background: #f0f0f0; border-bottom: 1px solid #d0d0d0;"},
    {"QLabel#dialogTitleLabel", "color: #ffffff; font-weight: 700; font-size: 13px;",
     "color: #222222; font-weight: 700; font-size: 13px;"},
};

const Rule dialogCloseRules[] = {
    {"QPushButton#dialogCaptionClose",
     "background: transparent; border: none; border-radius: 4px; padding: 0px; "
     "padding-bottom: 2px;",
     same},
    {"QPushButton#dialogCaptionClose:hover", "background: #e81123;", same},
    {"QPushButton#dialogCaptionClose:pressed", "background: #c50f1f;", same},
};

// Shared by the picker's action button and the panel's title-bar buttons.
#define SCRIVLET_TITLE_ACTION_METRICS                                                              \
    "border: none; border-radius: 6px; font-size: 15px; font-weight: 600;"

const Rule dialogActionRules[] = {
    {"QPushButton#dialogCaptionAction",
     SCRIVLET_TITLE_ACTION_METRICS " min-width: 30px; max-width: 30px; min-height: 30px; "
                                   "max-height: 30px; padding: 0px; color: #ffffff; "
                                   "background: rgba(255, 255, 255, 0.12);",
     SCRIVLET_TITLE_ACTION_METRICS " min-width: 30px; max-width: 30px; min-height: 30px; "
                                   "max-height: 30px; padding: 0px; color: #333333; "
                                   "background: rgba(0, 0, 0, 0.06);"},
    {"QPushButton#dialogCaptionAction:hover", "background: rgba(255, 255, 255, 0.24);",
     "background: rgba(0, 0, 0, 0.12);"},
    {"QPushButton#dialogCaptionAction:checked", "background: rgba(255, 255, 255, 0.30);",
     "background: rgba(0, 0, 0, 0.16);"},
};

const Rule themedDialogRules[] = {
    {"QDialog#themedDialog", "background: #0f6e6b; border: none;",
     "background: #d0d0d0; border: none;"},
    {"QWidget#dialogBody", "background: #dcefea; border: 2px solid #0f6e6b; border-top: none;",
     "background: #f0f0f0; border: 1px solid #d0d0d0; border-top: none;"},
    {"QComboBox",
     "background: #ffffff; color: #1f2a2e; border: 1px solid #0f6e6b; border-radius: 6px; "
     "padding: 5px 8px; padding-right: 34px; min-height: 28px;",
     nullptr},
    {"QComboBox::drop-down",
     "subcontrol-origin: padding; subcontrol-position: top right; width: 30px; "
     "border-left: 1px solid #0c5754; border-top-right-radius: 5px; "
     "border-bottom-right-radius: 5px; background: #0f6e6b;",
     nullptr},
    {"QComboBox::down-arrow", SCRIVLET_COMBO_ARROW, nullptr},
    {"QComboBox:disabled", "background: #eef5f4; color: #8aa3a0; border-color: #cfe0de;", nullptr},
    {"QComboBox::drop-down:disabled", "background: #a9c9c6; border-left-color: #a9c9c6;", nullptr},
    {"QComboBox QAbstractItemView",
     "background: #ffffff; color: #1f2a2e; border: 1px solid #b7d6d4; "
     "selection-background-color: #0f6e6b; selection-color: #ffffff;",
     nullptr},
};

// The settings popup of the panel and of the picker look alike.
const Rule settingsPopupRules[] = {
    {"QFrame#settingsPopup", "background: #ffffff; border: 2px solid #0f6e6b;",
     "background: #ffffff; border: 1px solid #c8c8c8;"},
    {"QLabel#settingsLabel", "color: #33514f; font-weight: 600;",
     "color: #333333; font-weight: 600;"},
};

const Rule floatingPanelRules[] = {
    {"QWidget#floatingPanel", "background: #dcefea; border: none;",
     "background: #f5f5f5; border: none;"},
    {"QWidget#floatingHeader",
     "background: #0f6e6b; border: 2px solid #0f6e6b; border-bottom: none;",
     "background: #f0f0f0; border: 1px solid #d0d0d0; border-bottom: none;"},
    {"QLabel#floatingTitle",
     "color: #ffffff; font-weight: 700; font-size: 14px; letter-spacing: 0.3px;",
     "color: #222222; font-weight: 700; font-size: 14px;"},
    {"QWidget#floatingBody", "background: #dcefea; border: 2px solid #0f6e6b; border-top: none;",
     "background: #f5f5f5; border: 1px solid #d0d0d0; border-top: none;"},
    {"QScrollArea#phraseScroll, QScrollArea#phraseScroll > QWidget, QWidget#phraseViewport, "
     "QWidget#listHost",
     "background: #dcefea; border: none;", "background: #f5f5f5; border: none;"},
    {"QPushButton#primaryPause",
     "background: #0f6e6b; color: #ffffff; border: none; border-radius: 8px; padding: 8px 14px; "
     "text-align: center;",
     "background: #4a4a4a; color: #ffffff; border: none; border-radius: 6px; padding: 8px 14px; "
     "text-align: center;"},
    {"QPushButton#primaryPause:hover", "background: #12827e;", "background: #5a5a5a;"},
    {"QPushButton#primaryPause:pressed", "background: #0c5754;", "background: #3a3a3a;"},
    // After the plain state so that it wins in both themes.
    {"QPushButton#primaryPause[paused=\"true\"]", "background: #c47a12;", same},
    {"QPushButton#primaryPause[paused=\"true\"]:hover", "background: #d4891a;", same},
    {"QPushButton#primaryPause[paused=\"true\"]:pressed", "background: #a8670e;", same},
    {"QPushButton#titleAction",
     SCRIVLET_TITLE_ACTION_METRICS " color: #ffffff; background: rgba(255, 255, 255, 0.12);",
     SCRIVLET_TITLE_ACTION_METRICS " color: #333333; background: rgba(0, 0, 0, 0.06);"},
    {"QPushButton#titleAction:hover", "background: rgba(255, 255, 255, 0.24);",
     "background: rgba(0, 0, 0, 0.12);"},
    {"QPushButton#titleAction:checked", "background: rgba(255, 255, 255, 0.30);",
     "background: rgba(0, 0, 0, 0.16);"},
    {"QPushButton#rowAction",
     "color: #0f6e6b; background: #ffffff; border: 1px solid #b7d6d4; border-radius: 5px; "
     "padding: 3px 10px; min-height: 28px; max-height: 30px; font-weight: 600;",
     "color: #333333; background: #ffffff; border: 1px solid #c8c8c8; border-radius: 4px; "
     "padding: 3px 10px; min-height: 28px; max-height: 30px; font-weight: 600;"},
    {"QPushButton#rowAction:hover", "background: #e7f4f3; border-color: #0f6e6b;",
     "background: #f7f7f7; border-color: #888888;"},
    {"QPushButton#rowAction:pressed", "background: #d5ecea;", "background: #ececec;"},
    {"QPushButton#rowType",
     "color: #ffffff; background: #0f6e6b; border: 1px solid #0f6e6b; border-radius: 5px; "
     "padding: 3px 10px; min-height: 28px; max-height: 30px; font-weight: 600;",
     "color: #ffffff; background: #4a4a4a; border: 1px solid #4a4a4a; border-radius: 4px; "
     "padding: 3px 10px; min-height: 28px; max-height: 30px; font-weight: 600;"},
    {"QPushButton#rowType:hover", "background: #12827e; border-color: #12827e;",
     "background: #5a5a5a; border-color: #5a5a5a;"},
    {"QPushButton#rowType:pressed", "background: #0c5754; border-color: #0c5754;",
     "background: #3a3a3a; border-color: #3a3a3a;"},
    // Paused, Type does nothing: greyed, yet clickable to say why.
    {"QPushButton#rowType[paused=\"true\"], QPushButton#rowType[paused=\"true\"]:hover, "
     "QPushButton#rowType[paused=\"true\"]:pressed",
     "color: #f4fbfa; background: #9cbfbc; border-color: #9cbfbc;",
     "color: #ffffff; background: #a8a8a8; border-color: #a8a8a8;"},
    {"QPushButton#rowAction[compact=\"true\"], QPushButton#rowType[compact=\"true\"]",
     "padding: 1px 8px; min-height: 22px; max-height: 22px; border-radius: 4px; font-size: 12px;",
     same},
    {"QWidget#phraseRow", "background: #f4fbfa; border: 1px solid #b5d4d1; border-radius: 6px;",
     "background: #ffffff; border: 1px solid #d0d0d0; border-radius: 4px;"},
    {"QWidget#phraseRow[compact=\"true\"]", "border-radius: 4px;", "border-radius: 3px;"},
    {"QLabel#phraseText", "color: #1f2a2e; background: transparent; border: none;",
     "color: #222222; background: transparent; border: none;"},
    {"QLabel#rowNote", "color: #0f6e6b; background: transparent; border: none; font-weight: 600;",
     "color: #222222; background: transparent; border: none; font-weight: 600;"},
    {"QLabel#rowNote[warning=\"true\"]", "color: #a8670e;", same},
    {"QCheckBox", "color: #1f2a2e; spacing: 8px;", "color: #222222; spacing: 8px;"},
    {"QRadioButton", "color: #1f2a2e; spacing: 6px;", "color: #222222; spacing: 6px;"},
};

const Rule opacitySliderRules[] = {
    {"QSlider#opacitySlider::groove:horizontal",
     "height: 4px; border-radius: 2px; background: #cfe3e1;",
     "height: 4px; border-radius: 2px; background: #d8d8d8;"},
    {"QSlider#opacitySlider::handle:horizontal",
     "width: 14px; height: 14px; margin: -5px 0px; border-radius: 7px; background: #0f6e6b;",
     "width: 14px; height: 14px; margin: -5px 0px; border-radius: 7px; background: #555555;"},
};

#undef SCRIVLET_COMBO_ARROW
#undef SCRIVLET_TITLE_ACTION_METRICS

} // namespace

QString applicationStyleSheet(int theme)
{
    if (!isTeal(theme))
        return QString();
    QString sheet;
    append(sheet, menuRules, theme);
    append(sheet, applicationRules, theme);
    append(sheet, ScrollBar{false, 10, "4px 2px 4px 0px", 24, "#b9d2d0", "#8fb8b5"});
    return sheet;
}

QString mainWindowStyleSheet(int theme)
{
    QString sheet;
    append(sheet, mainWindowRules, theme);
    append(sheet, menuRules, theme);
    append(sheet, mainWindowTailRules, theme);
    return sheet;
}

QString phraseTableStyleSheet(int theme)
{
    QString sheet;
    append(sheet, phraseTableRules, theme);
    const bool teal = isTeal(theme);
    const char *handle = teal ? "#b9d2d0" : "#c5ced6";
    const char *hover = teal ? "#8fb8b5" : "#8fa0ae";
    append(sheet, ScrollBar{false, 12, "6px 3px 6px 0px", 28, handle, hover});
    append(sheet, ScrollBar{true, 12, "0px 6px 3px 6px", 28, handle, hover});
    return sheet;
}

QString mainTitleBarStyleSheet(int theme)
{
    QString sheet;
    append(sheet, mainTitleBarRules, theme);
    return sheet;
}

QString dialogTitleBarStyleSheet(int theme, bool actionButtons)
{
    QString sheet;
    append(sheet, dialogTitleBarRules, theme);
    if (actionButtons)
        append(sheet, dialogActionRules, theme);
    else
        append(sheet, dialogCloseRules, theme);
    return sheet;
}

QString themedDialogStyleSheet(int theme)
{
    QString sheet;
    append(sheet, themedDialogRules, theme);
    return sheet;
}

QString floatingPanelStyleSheet(int theme)
{
    QString sheet;
    append(sheet, floatingPanelRules, theme);
    append(sheet, settingsPopupRules, theme);
    const bool teal = isTeal(theme);
    append(sheet, ScrollBar{false, 10, "4px 2px 4px 0px", 24, teal ? "#b9d2d0" : "#d2d2d2",
                            teal ? "#8fb8b5" : "#b4b4b4"});
    return sheet;
}

QString pickerPopupStyleSheet(int theme)
{
    QString sheet;
    append(sheet, settingsPopupRules, theme);
    append(sheet, opacitySliderRules, theme);
    return sheet;
}

} // namespace Theme
