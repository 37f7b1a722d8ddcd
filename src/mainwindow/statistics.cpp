// What the phrases saved the user: the table's Uses and Saved columns, the
// totals in the status bar, the reset, and ordering the rows by a column.

#include "mainwindow/mainwindow.h"
#include "store/phrasestore.h"

#include <QCollator>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableWidgetItem>

#include <algorithm>

namespace {

bool isFigure(int column)
{
    return column == MainWindow::UsesColumn || column == MainWindow::SavedColumn;
}

} // namespace

void MainWindow::buildTotals()
{
    m_totalsLabel = new QLabel(this);
    m_totalsLabel->setObjectName(QStringLiteral("totals"));
    m_totalsLabel->setTextFormat(Qt::PlainText);
    m_totalsLabel->setContentsMargins(0, 0, 10, 0); // clear of the window's edge
    statusBar()->addPermanentWidget(m_totalsLabel);
}

void MainWindow::retranslateCounts()
{
    m_table->horizontalHeaderItem(UsesColumn)->setToolTip(tr("How often the phrase went in"));
    m_table->horizontalHeaderItem(SavedColumn)
        ->setToolTip(tr("Characters you did not have to type: the phrase's length, less the "
                        "abbreviation typed for it"));
    if (m_totalsLabel)
        showTotals();
}

void MainWindow::setUpSorting()
{
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    connect(header, &QHeaderView::sectionClicked, this, &MainWindow::sortBy);
}

void MainWindow::sortBy(int column)
{
    // Figures first with the largest, words first from A.
    const Qt::SortOrder first = isFigure(column) ? Qt::DescendingOrder : Qt::AscendingOrder;
    if (column != m_sortColumn) {
        m_sortColumn = column;
        m_sortOrder = first;
    } else if (m_sortOrder == first) {
        m_sortOrder = first == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    } else {
        m_sortColumn = -1;
    }
    QHeaderView *header = m_table->horizontalHeader();
    header->setSortIndicatorShown(m_sortColumn >= 0);
    if (m_sortColumn >= 0)
        header->setSortIndicator(m_sortColumn, m_sortOrder);
    fillTable(false);
}

void MainWindow::sortRows(QVector<PhraseTableWidget::Row> &rows) const
{
    if (m_sortColumn < 0)
        return;
    const int column = m_sortColumn;
    const bool down = m_sortOrder == Qt::DescendingOrder;
    if (isFigure(column)) {
        const auto figure = [column](const PhraseTableWidget::Row &r) {
            return column == UsesColumn ? r.uses : r.charactersSaved;
        };
        std::stable_sort(rows.begin(), rows.end(), [&](const auto &a, const auto &b) {
            return down ? figure(a) > figure(b) : figure(a) < figure(b);
        });
        return;
    }
    const auto word = [column](const PhraseTableWidget::Row &r) -> const QString & {
        switch (column) {
        case NameColumn:
            return r.name;
        case ShortcutColumn:
            return r.shortcut;
        case AbbreviationColumn:
            return r.abbreviation;
        case TextColumn:
            return r.text;
        default:
            return r.enabledText;
        }
    };
    // As the user's language orders words, capitals aside. (Sort keys
    // would be quicker, but in the C locale they keep capitals apart.)
    QCollator collator(locale());
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QVector<int> order(rows.size());
    QVector<QString> words;
    words.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        order[i] = i;
        words.append(word(rows.at(i)).left(PhraseTableWidget::ShownTextLength));
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = collator.compare(words.at(a), words.at(b));
        return down ? c > 0 : c < 0;
    });
    QVector<PhraseTableWidget::Row> sorted;
    sorted.reserve(rows.size());
    for (const int i : qAsConst(order))
        sorted.append(std::move(rows[i]));
    rows = std::move(sorted);
}

void MainWindow::showTotals()
{
    qint64 uses = 0;
    qint64 saved = 0;
    // Each count is at most 2^53 - 1, the sums are held there too: a file of
    // thousands of phrases at the top cannot run past the type.
    for (const Phrase &p : store->phrases()) {
        uses = qMin(Phrase::MaxCount, uses + p.uses);
        saved = qMin(Phrase::MaxCount, saved + p.charactersSaved);
    }
    m_totalsLabel->setVisible(uses > 0);
    m_totalsLabel->setText(tr("Characters saved: %1").arg(locale().toString(saved)));
    m_totalsLabel->setToolTip(tr("Phrases went in: %1").arg(locale().toString(uses)));
}

void MainWindow::resetStatistics(const QString &id)
{
    const int index = store->indexOfId(id);
    if (index < 0)
        return;
    Phrase &p = store->phrases()[index];
    p.uses = 0;
    p.charactersSaved = 0;
    store->save();
    m_table->setCounts(id, 0, 0);
    showTotals();
}

void MainWindow::onPhraseUsed(const QString &id)
{
    const int index = store->indexOfId(id);
    if (index < 0)
        return;
    const Phrase &p = store->phrases().at(index);
    // In place: rows ordered by their counts do not jump under the pointer.
    m_table->setCounts(id, p.uses, p.charactersSaved);
    showTotals();
}
