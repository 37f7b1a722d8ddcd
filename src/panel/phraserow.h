#pragma once

// One phrase in the floating panel's list: its display text, cut to one, two
// or three lines, and the Copy and Type buttons on the right. The row lays out
// its children by hand and answers height-for-width, so that the list in the
// panel's scroll area follows the panel's width.

#include <QLabel>
#include <QList>
#include <QVector>
#include <QWidget>

class QPushButton;
class QTimer;

// Margins, button sizes and spacing of the rows for a number of text lines.
struct RowMetrics
{
    int horizontalMargin = 10;
    int verticalMargin = 6;
    int buttonHeight = 28;
    int buttonSpacing = 8;
    int listSpacing = 8;
    bool compact = false;

    // lines outside 1..3 are taken as the nearest of them.
    static RowMetrics forLines(int lines);
};

// The text of a row: one line is elided at the right end, two or three wrap
// and are cut off at that many line heights.
class PhraseTextLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit PhraseTextLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return m_fullText; }
    void setLines(int lines);
    int lines() const { return m_lines; }
    // Shows fullText fitted to the current width and line count.
    void updateText();

    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int hintHeight() const;

    QString m_fullText;
    int m_lines = 2;
};

class PhraseRow final : public QWidget
{
    Q_OBJECT

public:
    PhraseRow(const RowMetrics &metrics, QWidget *parent = nullptr);

    PhraseTextLabel *label() const { return m_label; }
    // The phrase the row stands for.
    void setPhraseId(const QString &id) { m_id = id; }
    const QString &phraseId() const { return m_id; }
    // A few words in place of the text, beside the buttons, for ms
    // milliseconds: what a button just did ("Copied"), or why it did nothing
    // (warning). Where text does not fit, shortText stands in. A later note
    // replaces an earlier one.
    void showNote(const QString &text, const QString &shortText, bool warning, int ms);
    // Null until a note was shown.
    QLabel *note() const { return m_note; }
    const QList<QPushButton *> &buttons() const { return m_buttons; }
    // Appends a button at the right end; the row takes it as a child and
    // gives it the row's button height.
    void addButton(QPushButton *button);
    int buttonsWidth() const;
    // The buttons' widths in room pixels (each at least its least width).
    QVector<int> buttonWidths(int room) const;
    // Narrower than the buttons and this much text, the row puts its buttons
    // on a line of their own under the text.
    static constexpr int MinimumTextWidth = 48;
    bool buttonsBelowText(int width) const;
    const RowMetrics &metrics() const { return m_metrics; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();
    void hideNote();
    void placeNote(const QRect &room);

    PhraseTextLabel *m_label = nullptr;
    QString m_id;
    QLabel *m_note = nullptr;
    QString m_noteText;
    QString m_noteShortText;
    QTimer *m_noteTimer = nullptr;
    bool m_noteShown = false;
    QList<QPushButton *> m_buttons;
    RowMetrics m_metrics;
};
