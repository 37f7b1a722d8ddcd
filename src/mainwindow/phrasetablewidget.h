#pragma once

// The main window's phrase table. Every row exists from the start (scroll
// range, selection, row numbers), but a row's items are made only when it is
// about to be seen: four QTableWidgetItems per phrase cost about a kilobyte,
// which at ten thousand phrases is most of the program's own memory, while a
// screen shows a few dozen rows. The rows' contents are kept as shared
// strings, so asking for a row that was never drawn still gives the right
// answer, and the table's own keyboard search and an accessibility client
// see every row (those fill the whole table first).

#include <QAccessible>
#include <QIcon>
#include <QString>
#include <QTableWidget>
#include <QVector>

class PhraseTableWidget final : public QTableWidget, private QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    // One phrase as the table shows it. The strings are shared with the
    // phrase list, so a row costs a few pointers until its items are made.
    struct Row
    {
        QString id;
        QString name;
        QString shortcut;
        QString abbreviation;
        QString text; // as stored; shown on one line
        QString enabledText;
        bool enabled = true;
        bool shortcutDead = false; // another program holds the shortcut
        qint64 uses = 0;
        qint64 charactersSaved = 0;
    };

    // The table's columns, in order.
    enum Column
    {
        NameColumn = 0,
        ShortcutColumn,
        AbbreviationColumn,
        TextColumn,
        EnabledColumn,
        UsesColumn,
        SavedColumn,
        ColumnCount
    };

    // Rows made at once whatever the window's height, so a short list is
    // whole from the start.
    static constexpr int EagerRows = 64;
    // A shown table that makes every row for an accessibility client makes
    // this many per turn of the event loop, after the rows in sight: the
    // window shows and answers meanwhile (10,000 rows took 50 ms at once).
    static constexpr int FillSliceRows = 500;
    // The Text column shows one line; no screen is wide enough for more than
    // this many characters of it, and a copy of every long template would
    // cost memory for nothing.
    static constexpr int ShownTextLength = 512;

    explicit PhraseTableWidget(QWidget *parent = nullptr);
    ~PhraseTableWidget() override;

    // Replaces every row; the selection and current cell are cleared.
    void setRows(QVector<Row> rows);
    // How a dead shortcut's cell is marked; applies to rows set afterwards.
    void setDeadShortcutMark(const QIcon &icon, const QString &toolTip);
    const QIcon &deadShortcutIcon() const { return m_deadIcon; }
    const Row *rowData(int row) const;
    // A phrase was used: its row shows its new counts where it stands.
    void setCounts(const QString &id, qint64 uses, qint64 charactersSaved);
    // Makes the items of every row not made yet.
    void fillAll();
    // How many rows have their items; for tests and measurements.
    int filledRowCount() const;

    void keyboardSearch(const QString &search) override;

    // What the viewport says while the table has no rows (how to begin, or
    // that a search found nothing); empty for nothing.
    void setEmptyText(const QString &text);
    const QString &emptyText() const { return m_emptyText; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    // As the bridge last said, or as the platform says.
    bool accessibilityOn() const;
    // Makes the rows not made yet, a slice per turn of the event loop, while
    // the table is shown and the bridge is on.
    void fillLater();
    void fillSlice();
    void fillRange(int first, int last);
    void fillRow(int row);

    QVector<Row> m_rows;
    int m_filled = 0;
    int m_sliceFrom = 0;
    bool m_sliceQueued = false;
    bool m_accessibilityOn = false;
    QIcon m_deadIcon;
    QString m_deadToolTip;
    QString m_emptyText;
};
