#pragma once

// The floating panel: a small frameless window above all others that lists
// the enabled phrases with Copy and Type buttons, under a header with a
// settings popup and a close button and a large pause button. It is dragged
// by any empty part, resized from its left, right and bottom edges, and may
// snap to the screen's edges. It keeps no settings of its own: the main
// window pushes them in and stores what the panel reports.
//
// A click on the panel must not become the typing target, so the panel
// remembers the last foreground window of another program; Type goes there.

#include "platform/desktop.h"
#include "store/phrase.h"
#include "theme/elidedtext.h"

#include <QPoint>
#include <QRect>
#include <QVector>
#include <QWidget>

class PanelSettingsPopup;
class PhraseRow;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;
class QVBoxLayout;

class FloatingPanel final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TrackerIntervalMs = 200;
    static constexpr int GeometryDelayMs = 300;
    static constexpr int PopupGap = 4; // between the settings button and the popup
    static constexpr int MinOpacity = 60;
    static constexpr int MaxOpacity = 100;
    // The list shows from this much above minimumPanelHeight() on.
    static constexpr int ListThreshold = 20;

    // desktop may be null: then no foreground window is tracked.
    explicit FloatingPanel(Desktop *desktop = nullptr);
    ~FloatingPanel() override;

    // Keeps the enabled phrases with a text, in order, and rebuilds the rows.
    void setPhrases(const QVector<Phrase> &phrases);
    const QVector<Phrase> &phrases() const { return m_phrases; }
    void setPaused(bool paused);
    bool paused() const { return m_paused; }
    void setTheme(int theme);
    int theme() const { return m_theme; }
    // Clamped to 60..100.
    void setOpacityPercent(int percent);
    int opacityPercent() const;
    void setShowCopy(bool show);
    bool showCopy() const { return m_showCopy; }
    void setShowType(bool show);
    bool showType() const { return m_showType; }
    // Clamped to 1..3.
    void setTextLines(int lines);
    int textLines() const { return m_textLines; }
    void setSnapToEdge(bool snap);
    bool snapToEdge() const { return m_snapToEdge; }
    // Clamped to 168..640 and to minimumPanelHeight()..900.
    void setPanelWidth(int width);
    void setPanelHeight(int height);
    // Moves (and if need be shrinks) the panel into sight; true when its
    // geometry changed.
    bool ensureOnScreen();
    WindowHandle lastExternalWindow() const { return m_lastExternalWindow; }
    // Whether the panel is a window the window manager does not manage,
    // where the manager keeps no window above the others.
    bool unmanaged() const { return m_unmanaged; }
    // One of our windows that takes the keyboard (the picker) opened at
    // frame, or closed again (aside false). Drawn above every window the
    // manager manages, an unmanaged panel would cover it: it steps out of
    // the way meanwhile where they overlap.
    void stepAside(const QRect &frame, bool aside);
    // While set, the geometry code does not report geometryChanged (the main
    // window sets it around applying stored settings).
    void setSuppressGeometrySignal(bool suppress) { m_suppressGeometrySignal = suppress; }
    bool suppressGeometrySignal() const { return m_suppressGeometrySignal; }

    // Header, pause button and body margins: the panel shrunk to this shows
    // no list.
    int minimumPanelHeight() const;
    QSize minimumSizeHint() const override;
    // Shown or hidden by its owner: whatever it stepped aside for no longer
    // brings it back.
    void setVisible(bool visible) override;
    // The top-left corner p snapped to the edges of its screen's work area
    // (p itself while snapping is off).
    QPoint snapPosition(const QPoint &p) const;
    // Empties the list and builds one row per phrase.
    void rebuildRows();
    // Shows text on the row of phrase id, if it is shown: briefly for what a
    // button did, longer for a warning (why it did nothing).
    static constexpr int NoteMs = 1200;
    static constexpr int WarningNoteMs = 3500;
    // Where text does not fit the row, shortText stands in.
    void showRowNote(const QString &id, const QString &text, const QString &shortText,
                     bool warning);
    // What the Type buttons say while shortcuts are paused, and its short
    // form for a narrow row.
    static QString pausedTypeText();
    static QString pausedTypeShortText();

    QPushButton *settingsButton() const { return m_settingsButton; }
    QPushButton *closeButton() const { return m_closeButton; }
    QPushButton *pauseButton() const { return m_pauseButton; }
    QLabel *titleLabel() const { return m_title; }
    QScrollArea *scrollArea() const { return m_scroll; }
    QWidget *listHost() const { return m_listHost; }
    PanelSettingsPopup *settingsPopup() const { return m_popup; }
    QList<PhraseRow *> rows() const;

signals:
    void pauseClicked();
    void copyPhrase(const QString &id);
    void typePhrase(const QString &id);
    void closedByUser();
    void opacityChanged(int percent);
    void buttonVisibilityChanged();
    void textLinesChanged(int lines);
    void snapToEdgeChanged(bool enabled);
    void geometryChanged();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void rebuildRowsHidden();
    // Marks a row's Type button as paused, or not, as m_paused says.
    void markTypeButton(QPushButton *button);
    void buildHeader();
    void buildBody();
    void applyStyle();
    void retranslate();
    void refreshPauseButton();
    void paintGear();
    void updateListVisibility(int height);
    void emitGeometryChanged();
    void sampleForeground();
    // Keeps the panel on a screen while screens come, go and change.
    void followScreens();
    void connectScreen(QScreen *screen);
    void onScreensChanged();

    // Dragging, shared by the panel's own mouse handlers and the filter.
    bool pressAt(const QPoint &global, const QPoint &panelPos);
    void dragTo(const QPoint &global);
    void release();
    void updateHoverCursor(const QPoint &panelPos, bool overControl);
    // Presses on these are theirs, not a drag of the panel.
    bool isInteractive(QObject *watched) const;

    void onSettingsToggled(bool checked);
    void onOpacityStep(int value);
    void onShowCopyToggled(bool checked);
    void onShowTypeToggled(bool checked);
    void onLinesChosen(int lines);
    void onSnapToggled(bool checked);
    void onCloseClicked();

    Desktop *m_desktop = nullptr;

    QWidget *m_header = nullptr;
    QLabel *m_title = nullptr;
    QPushButton *m_settingsButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    QWidget *m_body = nullptr;
    QVBoxLayout *m_bodyLayout = nullptr;
    ElidingButton *m_pauseButton = nullptr;
    bool m_yielded = false; // to one of our modal dialogs
    // Left out of the window manager's hands (sway): see the constructor.
    bool m_unmanaged = false;
    bool m_steppedAside = false;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_listHost = nullptr;
    QVBoxLayout *m_listLayout = nullptr;
    PanelSettingsPopup *m_popup = nullptr;
    QTimer *m_tracker = nullptr;
    QTimer *m_geometryTimer = nullptr;

    QVector<Phrase> m_phrases;
    bool m_paused = false;
    bool m_showCopy = true;
    bool m_showType = true;
    bool m_snapToEdge = true;
    bool m_suppressGeometrySignal = false;
    int m_theme = 1;
    int m_textLines = 2;
    int m_dragMode = 0; // 0 none, 1 moving, 2 resizing
    QPoint m_dragOffset;
    QRect m_resizeStartRect;
    QPoint m_resizeStartPos;
    int m_resizeEdges = 0;
    WindowHandle m_lastExternalWindow = 0;
    // The phrases changed while the panel was hidden: rows are due at show.
    bool m_rowsStale = false;
};
