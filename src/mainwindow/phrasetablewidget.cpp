#include "mainwindow/phrasetablewidget.h"

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>

namespace {

const QColor disabledText(0x9a, 0xa3, 0xad);

} // namespace

PhraseTableWidget::PhraseTableWidget(QWidget *parent) : QTableWidget(0, ColumnCount, parent)
{
    QAccessible::installActivationObserver(this);
}

PhraseTableWidget::~PhraseTableWidget()
{
    QAccessible::removeActivationObserver(this);
}

void PhraseTableWidget::setDeadShortcutMark(const QIcon &icon, const QString &toolTip)
{
    m_deadIcon = icon;
    m_deadToolTip = toolTip;
}

void PhraseTableWidget::setRows(QVector<Row> rows)
{
    clearContents();
    m_rows = std::move(rows);
    m_filled = 0;
    setRowCount(m_rows.size());
    // A screen reader walks every cell of a table it can see; it gets them
    // all rather than blanks, made after the rows in sight. A hidden table
    // (the program in the tray) waits until it is shown: desktops turn the
    // accessibility bridge on for every program at login, screen reader or
    // not, and the items of every row are most of the program's memory at
    // 10,000 phrases.
    if (accessibilityOn() && isVisible())
        fillLater();
    const int top = qMax(0, rowAt(0));
    const int visible = verticalHeader()->defaultSectionSize() > 0
                            ? viewport()->height() / verticalHeader()->defaultSectionSize() + 2
                            : EagerRows;
    fillRange(top, top + qMax(visible, EagerRows) - 1);
}

void PhraseTableWidget::setCounts(const QString &id, qint64 uses, qint64 charactersSaved)
{
    for (int row = 0; row < m_rows.size(); ++row) {
        Row &r = m_rows[row];
        if (r.id != id)
            continue;
        r.uses = uses;
        r.charactersSaved = charactersSaved;
        if (QTableWidgetItem *cell = item(row, UsesColumn))
            cell->setText(locale().toString(uses));
        if (QTableWidgetItem *cell = item(row, SavedColumn))
            cell->setText(locale().toString(charactersSaved));
        return;
    }
}

const PhraseTableWidget::Row *PhraseTableWidget::rowData(int row) const
{
    return row >= 0 && row < m_rows.size() ? &m_rows.at(row) : nullptr;
}

void PhraseTableWidget::fillAll()
{
    if (m_filled < m_rows.size())
        fillRange(0, m_rows.size() - 1);
}

int PhraseTableWidget::filledRowCount() const
{
    return m_filled;
}

void PhraseTableWidget::keyboardSearch(const QString &search)
{
    // The search reads the items: a match further down must be found too.
    fillAll();
    QTableWidget::keyboardSearch(search);
}

void PhraseTableWidget::accessibilityActiveChanged(bool active)
{
    // A screen reader started later finds the rows already shown as blanks
    // otherwise. At a desktop's login the bridge comes on while the window
    // is first shown.
    m_accessibilityOn = active;
    if (active && isVisible())
        fillLater();
}

bool PhraseTableWidget::accessibilityOn() const
{
    return m_accessibilityOn || QAccessible::isActive();
}

void PhraseTableWidget::showEvent(QShowEvent *event)
{
    if (accessibilityOn())
        fillLater();
    QTableWidget::showEvent(event);
}

void PhraseTableWidget::fillLater()
{
    m_sliceFrom = 0;
    if (m_sliceQueued)
        return;
    m_sliceQueued = true;
    QTimer::singleShot(0, this, &PhraseTableWidget::fillSlice);
}

void PhraseTableWidget::fillSlice()
{
    m_sliceQueued = false;
    // Hidden again (to the tray) before the end: the rest waits for the next
    // showing, as it does for a table never shown.
    if (!isVisible() || !accessibilityOn() || m_filled >= m_rows.size())
        return;
    const int last = m_sliceFrom + FillSliceRows - 1;
    fillRange(m_sliceFrom, last);
    m_sliceFrom = last + 1;
    if (m_sliceFrom < m_rows.size()) {
        m_sliceQueued = true;
        QTimer::singleShot(0, this, &PhraseTableWidget::fillSlice);
    }
}

void PhraseTableWidget::paintEvent(QPaintEvent *event)
{
    if (m_filled < m_rows.size()) {
        int first = rowAt(event->rect().top());
        int last = rowAt(event->rect().bottom());
        if (first < 0)
            first = 0;
        if (last < 0)
            last = m_rows.size() - 1;
        // These rows are painted next; the model's change signals would only
        // ask for the same paint again.
        const QSignalBlocker blocker(model());
        fillRange(first, last);
    }
    QTableWidget::paintEvent(event);
    if (rowCount() > 0 || m_emptyText.isEmpty())
        return;
    // In the viewport, not as a row: nothing to select, edit or delete.
    QPainter painter(viewport());
    QColor colour = palette().color(QPalette::Text);
    colour.setAlphaF(0.6);
    painter.setPen(colour);
    const QRect room = viewport()->rect().adjusted(12, 24, -12, -12);
    painter.drawText(room, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_emptyText);
}

void PhraseTableWidget::setEmptyText(const QString &text)
{
    if (text == m_emptyText)
        return;
    m_emptyText = text;
    viewport()->update();
}

void PhraseTableWidget::fillRange(int first, int last)
{
    last = qMin(last, m_rows.size() - 1);
    for (int row = qMax(0, first); row <= last; ++row) {
        if (!item(row, NameColumn))
            fillRow(row);
    }
}

void PhraseTableWidget::fillRow(int row)
{
    const Row &r = m_rows.at(row);
    auto *name = new QTableWidgetItem(r.name);
    name->setData(Qt::UserRole, r.id);
    QString flat = r.text.left(ShownTextLength);
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QTableWidgetItem *items[] = {
        name,
        new QTableWidgetItem(r.shortcut),
        new QTableWidgetItem(r.abbreviation),
        new QTableWidgetItem(flat),
        new QTableWidgetItem(r.enabledText),
        new QTableWidgetItem(locale().toString(r.uses)),
        new QTableWidgetItem(locale().toString(r.charactersSaved)),
    };
    items[EnabledColumn]->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Figures line up by their last digit.
    items[UsesColumn]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    items[SavedColumn]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (r.shortcutDead) {
        items[ShortcutColumn]->setIcon(m_deadIcon);
        items[ShortcutColumn]->setToolTip(m_deadToolTip);
    }
    if (!r.enabled) {
        QFont struck = name->font();
        struck.setStrikeOut(true);
        for (QTableWidgetItem *item : items) {
            item->setFont(struck);
            item->setForeground(disabledText);
        }
    }
    for (int column = 0; column < ColumnCount; ++column)
        setItem(row, column, items[column]);
    ++m_filled;
}
