#pragma once

// The picker: a small always-on-top list of the phrases that opens beside the
// text caret of the program the user is typing in. Typing narrows the list,
// the arrow keys move through it, Enter or a click chooses; the picker then
// hides and reports the phrase's id. A settings popup on its title bar holds
// the opacity slider. Built once, without a parent, and shown and hidden as
// needed.

#include "picker/phrasesearch.h"
#include "theme/themeddialog.h"

#include <QVector>

class Desktop;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;

class PickerWindow final : public ThemedDialog
{
    Q_OBJECT

public:
    static constexpr int MinOpacity = 60;
    static constexpr int MaxOpacity = 100;
    static constexpr int PopupWidth = 200;
    static constexpr int PopupGap = 4; // between the settings button and the popup

    PickerWindow();
    ~PickerWindow() override;

    // Builds the candidate list for the next opening; the list itself is
    // filled by showAt.
    void setPhrases(const QVector<Phrase> &phrases, bool recentFirst);
    // Clears the search, fills the list, places the picker at point (global,
    // logical pixels) by the placement rules and shows it with the focus in
    // the search box.
    void showAt(const QPoint &point);
    // Clamped to 60..100.
    void setOpacityPercent(int percent);
    // Where the picker asks to be kept out of the task bar and the pager;
    // not owned, may be null.
    void setDesktop(Desktop *desktop) { m_desktop = desktop; }
    // The themed-dialog theme, then the settings popup's sheet.
    void setTheme(int theme);

    const QVector<PhraseSearch::Candidate> &results() const { return m_results; }
    QLineEdit *searchBox() const { return m_searchBox; }
    QListWidget *list() const { return m_list; }
    QLabel *hint() const { return m_hint; }
    QPushButton *settingsButton() const { return m_settingsButton; }
    QFrame *settingsPopup() const { return m_settingsPopup; }
    QSlider *opacitySlider() const { return m_opacitySlider; }

public slots:
    void applyFilter(const QString &text);
    void chooseCurrent();
    // Closes without a choice: the user sent it away (Escape, its shortcut
    // again), so the window it opened over gets the keyboard back.
    void dismiss();

signals:
    // Emitted after the picker has hidden itself.
    void phraseChosen(const QString &id);
    void dismissed();
    void opacityChanged(int percent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Where the picker may open around point: the screen's available area,
    // less the bars the desktop tells of.
    QRect areaFor(const QPoint &point) const;
    void buildSettingsPopup();
    void setTexts();
    // Escape, Return, Enter, Down and Up; false for any other key.
    bool handleKey(int key);
    void moveCurrent(int step);
    void onSettingsToggled(bool checked);
    void onOpacityStep(int value);

    PhraseSearch::Candidates m_candidates;
    QVector<PhraseSearch::Candidate> m_results;
    QLineEdit *m_searchBox = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_hint = nullptr;
    QPushButton *m_settingsButton = nullptr; // the title bar's
    QFrame *m_settingsPopup = nullptr;
    QLabel *m_opacityLabel = nullptr;
    QSlider *m_opacitySlider = nullptr;
    Desktop *m_desktop = nullptr;
    bool m_recentFirst = true;
    int m_savedScroll = 0;
};
