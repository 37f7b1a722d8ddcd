// The phrase table of the main window: filling, filtering, column widths and
// the phrase commands add, edit, delete and the context menu.

#include "mainwindow/mainwindow.h"

#include "base/testtrace.h"
#include "dispatch/phrasedispatcher.h"
#include "mainwindow/phraserowdelegate.h"
#include "mainwindow/phrasetablewidget.h"
#include "panel/floatingpanel.h"

#include "base/hotkey.h"
#include "dialogs/phrasedialog.h"
#include "hotkeys/hotkeymanager.h"
#include "store/phrasestore.h"
#include "theme/glyphs.h"
#include "theme/widesttext.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include <array>

namespace {

constexpr int ShortcutPadding = 28;
// A search that finds nothing is named in the empty table up to this width.
constexpr int EmptyQueryShownWidth = 240;
// Context menu glyphs are painted on the menu's light background in both themes.
const QColor menuGlyphColour(0x33, 0x33, 0x33);

// A stored width is used only inside its range; an oversized one is capped.
int acceptedWidth(int stored, int lowest)
{
    if (stored < lowest)
        return -1;
    return qMin(stored, MainWindow::MaxColumnWidth);
}

// The columns whose width the user sets and the data file keeps.
struct SizedColumn
{
    int column, stored, lowest, built;
};

std::array<SizedColumn, 3> sizedColumns(const Settings &settings)
{
    return {{
        {MainWindow::NameColumn, settings.nameColumnWidth, MainWindow::MinColumnWidth,
         MainWindow::NameWidth},
        {MainWindow::ShortcutColumn, settings.hotkeyColumnWidth, MainWindow::ShortcutWidth,
         MainWindow::ShortcutWidth},
        {MainWindow::EnabledColumn, settings.enabledColumnWidth, MainWindow::MinColumnWidth,
         MainWindow::EnabledWidth},
    }};
}

// The rows a search shows, as indexes into phrases, with each one's shortcut
// text (*keys): the name, the text, the shortcut or the abbreviation holds
// the query.
QVector<int> rowsMatching(const QVector<Phrase> &phrases, const QString &query,
                          QVector<QString> *keys)
{
    QVector<int> shown;
    shown.reserve(phrases.size());
    keys->reserve(phrases.size());
    for (int i = 0; i < phrases.size(); ++i) {
        const Phrase &p = phrases.at(i);
        const QString k = Hotkey::keyText(p.mods, p.vk);
        if (!query.isEmpty() && !p.name.contains(query, Qt::CaseInsensitive) &&
            !p.text.contains(query, Qt::CaseInsensitive) &&
            !k.contains(query, Qt::CaseInsensitive) &&
            !p.abbreviation.contains(query, Qt::CaseInsensitive))
            continue;
        shown << i;
        *keys << k;
    }
    return shown;
}

// The words the rows show for no shortcut and for on and off.
struct RowWords
{
    QString picker;
    QString yes;
    QString no;
};

// The table's rows for the phrases shown; *shortcutWidth grows to the widest
// shortcut text with its mark.
QVector<PhraseTableWidget::Row> tableRows(const QVector<Phrase> &phrases, const QVector<int> &shown,
                                          const QVector<QString> &keys, const QSet<QString> &dead,
                                          const QFontMetrics &metrics, const RowWords &words,
                                          int *shortcutWidth)
{
    // Most phrases share a few shortcut texts: one string and one measurement each.
    QHash<QString, int> keyWidths;
    QVector<PhraseTableWidget::Row> rows;
    rows.reserve(shown.size());
    for (int row = 0; row < shown.size(); ++row) {
        const Phrase &p = phrases.at(shown.at(row));
        const QString &shortcutText = keys.at(row).isEmpty() ? words.picker : keys.at(row);
        auto known = keyWidths.find(shortcutText);
        if (known == keyWidths.end())
            known = keyWidths.insert(shortcutText, metrics.horizontalAdvance(shortcutText));
        const bool deadKey = !dead.isEmpty() && dead.contains(p.id);
        // The mark takes room beside the text.
        *shortcutWidth = qMax(*shortcutWidth, known.value() + ShortcutPadding + (deadKey ? 20 : 0));
        rows.append({p.id, p.name, known.key(), p.abbreviation, p.text,
                     p.enabled ? words.yes : words.no, p.enabled, deadKey, p.uses,
                     p.charactersSaved});
    }
    return rows;
}

} // namespace

void MainWindow::setUpTable()
{
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setFocusPolicy(Qt::ClickFocus);
    m_table->setTabKeyNavigation(false);
    m_table->setShowGrid(false);
    m_table->setAlternatingRowColors(true);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(RowHeight);
    QHeaderView *header = m_table->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(false);
    // The font-derived default minimum (about 36 pixels) would silently widen
    // the narrowest widths a user can store.
    header->setMinimumSectionSize(MinColumnWidth);
    header->setSectionResizeMode(NameColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(ShortcutColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(AbbreviationColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(TextColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(EnabledColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(UsesColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(SavedColumn, QHeaderView::Interactive);
    m_table->setItemDelegate(new PhraseRowDelegate(m_table));
    m_table->setDeadShortcutMark(Glyphs::warningGlyph(QColor(0xd1, 0x24, 0x2f)), QString());

    m_table->setColumnWidth(NameColumn, NameWidth);
    m_table->setColumnWidth(ShortcutColumn, ShortcutWidth);
    m_table->setColumnWidth(EnabledColumn, EnabledWidth);
    m_table->setColumnWidth(UsesColumn, CountWidth);
    m_table->setColumnWidth(SavedColumn, CountWidth);
    setUpSorting();
    applyStoredColumnWidths();
    m_table->viewport()->installEventFilter(this);

    m_columnSaveTimer = new QTimer(this);
    m_columnSaveTimer->setSingleShot(true);
    m_columnSaveTimer->setInterval(ColumnSaveDelayMs);
    connect(m_columnSaveTimer, &QTimer::timeout, this, &MainWindow::saveColumnWidths);
    connect(header, &QHeaderView::sectionResized, this, &MainWindow::onSectionResized);
}

void MainWindow::applyStoredColumnWidths()
{
    m_settingWidths = true;
    for (const SizedColumn &c : sizedColumns(store->settings())) {
        const int width = acceptedWidth(c.stored, c.lowest);
        if (width > 0) {
            m_table->setColumnWidth(c.column, width);
            if (c.column == NameColumn)
                m_nameWidth = width;
        }
    }
    m_settingWidths = false;
    fitColumnsToRoom();
}

void MainWindow::fitUnsizedColumnsToHeaders()
{
    // The header sections are drawn semi-bold with at most 10 pixels of
    // padding each side and a 1 pixel border (the style sheets of both themes).
    QFont font = m_table->horizontalHeader()->font();
    font.setWeight(QFont::DemiBold);
    const QFontMetrics metrics(font);
    const auto headerWidth = [&](int column) {
        const QTableWidgetItem *item = m_table->horizontalHeaderItem(column);
        return item ? metrics.horizontalAdvance(item->text()) + 2 * 10 + 1 : 0;
    };
    m_settingWidths = true;
    for (const SizedColumn &c : sizedColumns(store->settings())) {
        if (acceptedWidth(c.stored, c.lowest) > 0)
            continue; // the user's own width holds
        int needed = headerWidth(c.column);
        // Names are read whole, as far as a reasonable width goes; the Text
        // column takes what is left.
        if (c.column == NameColumn && m_widestName > 0)
            needed = qMax(needed, qMin(m_widestName + ShortcutPadding, NameContentMax));
        m_table->setColumnWidth(c.column, qMax(c.built, needed));
        if (c.column == NameColumn)
            m_nameWidth = qMax(c.built, needed);
    }
    for (const int column : {UsesColumn, SavedColumn})
        m_table->setColumnWidth(column, qMax(int(CountWidth), headerWidth(column)));
    if (!m_abbreviationSized) {
        m_abbreviationWidth = qMax(headerWidth(AbbreviationColumn),
                                   qMin(m_widestAbbreviation + ShortcutPadding, MaxColumnWidth));
        m_table->setColumnWidth(AbbreviationColumn, m_abbreviationWidth);
    }
    m_settingWidths = false;
    fitColumnsToRoom();
}

void MainWindow::fitColumnsToRoom()
{
    // Unshown, the table has no width of its own yet.
    const int room = m_table->viewport()->width();
    if (room <= 0 || !m_table->isVisible())
        return;
    const bool narrow = room < NarrowTableWidth;
    if (m_table->isColumnHidden(EnabledColumn) != narrow)
        m_table->setColumnHidden(EnabledColumn, narrow);
    const bool counts = room >= CountsTableWidth;
    for (const int column : {UsesColumn, SavedColumn}) {
        if (m_table->isColumnHidden(column) == counts)
            m_table->setColumnHidden(column, !counts);
    }
    // The Abbreviation column gives way first, down to its widest
    // abbreviation, then the Name column, down to the smallest column, so
    // that the text of the phrases stays in sight; they get their widths back
    // as the room comes back. Where the names would be cut shorter than
    // NarrowNameWidth for it, the Abbreviation column makes way altogether.
    const int others =
        m_table->columnWidth(ShortcutColumn) + (narrow ? 0 : m_table->columnWidth(EnabledColumn)) +
        (counts ? m_table->columnWidth(UsesColumn) + m_table->columnWidth(SavedColumn) : 0);
    const int spare = room - room * TextShare / 100 - others;
    const int least =
        qMin(m_abbreviationWidth, qMax(MinColumnWidth, m_widestAbbreviation + ShortcutPadding));
    const bool noAbbreviations = (narrow && m_widestAbbreviation == 0) ||
                                 spare - least < qMin(m_nameWidth, int(NarrowNameWidth));
    if (m_table->isColumnHidden(AbbreviationColumn) != noAbbreviations)
        m_table->setColumnHidden(AbbreviationColumn, noAbbreviations);
    const int abbreviation =
        noAbbreviations ? 0 : qBound(least, spare - m_nameWidth, m_abbreviationWidth);
    const int name = qMax(MinColumnWidth, qMin(m_nameWidth, spare - abbreviation));
    m_settingWidths = true;
    if (!noAbbreviations && m_table->columnWidth(AbbreviationColumn) != abbreviation)
        m_table->setColumnWidth(AbbreviationColumn, abbreviation);
    if (m_table->columnWidth(NameColumn) != name)
        m_table->setColumnWidth(NameColumn, name);
    m_settingWidths = false;
}

void MainWindow::onSectionResized(int column, int /*oldSize*/, int newSize)
{
    if (m_settingWidths || column == TextColumn || column == UsesColumn || column == SavedColumn)
        return;
    if (column == NameColumn)
        m_nameWidth = newSize;
    if (column == AbbreviationColumn) {
        // Kept for the run; not a stored width.
        m_abbreviationWidth = newSize;
        m_abbreviationSized = true;
        return;
    }
    if (column == ShortcutColumn && newSize < ShortcutWidth) {
        m_settingWidths = true;
        m_table->setColumnWidth(ShortcutColumn, ShortcutWidth);
        m_settingWidths = false;
    }
    m_columnSaveTimer->start();
}

void MainWindow::saveColumnWidths()
{
    Settings &settings = store->settings();
    // The user's width, not what a narrow window shows for a while.
    const int name = m_nameWidth;
    const int shortcut = m_table->columnWidth(ShortcutColumn);
    // A hidden column has no width to read: the stored one holds.
    const int enabled = m_table->isColumnHidden(EnabledColumn)
                            ? settings.enabledColumnWidth
                            : m_table->columnWidth(EnabledColumn);
    if (name == settings.nameColumnWidth && shortcut == settings.hotkeyColumnWidth &&
        enabled == settings.enabledColumnWidth)
        return;
    settings.nameColumnWidth = name;
    settings.hotkeyColumnWidth = shortcut;
    settings.enabledColumnWidth = enabled;
    store->save();
}

void MainWindow::filterTable(const QString & /*text*/)
{
    // The list is as it was: its names need no measuring again.
    fillTable(false);
}

void MainWindow::refreshTable()
{
    fillTable(true);
}

void MainWindow::fillTable(bool measure)
{
    // The list beside the table follows at once: the panel may be open while
    // the window is not.
    showTotals();
    if (m_panel)
        m_panel->setPhrases(store->phrases());
    // Until the window is first shown its table has no rows: a start into
    // the tray makes none that nobody sees (a tenth of that start, and
    // megabytes, at 10,000 phrases). From then on the table follows every
    // change, shown or not.
    if (!m_rowsMade && !isVisible())
        return;
    m_rowsMade = true;
    fillRows(measure);
}

PhraseTableWidget *MainWindow::table()
{
    if (!m_rowsMade) {
        m_rowsMade = true;
        fillRows(true);
    }
    return m_table;
}

void MainWindow::fillRows(bool measure)
{
    const QString query = m_search->text().trimmed();
    const QVector<Phrase> &phrases = store->phrases();

    const QFontMetrics metrics(m_table->font());
    // The widest name and abbreviation of the whole list, not of the rows
    // shown, so that the columns stay put while the user types a search; not
    // measured again for a search.
    int widestName = m_widestName;
    int widestAbbreviation = m_widestAbbreviation;
    if (measure) {
        WidestText names(metrics);
        WidestText abbreviations(metrics);
        for (const Phrase &p : phrases) {
            names.add(p.name);
            if (!p.abbreviation.isEmpty())
                abbreviations.add(p.abbreviation);
        }
        widestName = names.width();
        widestAbbreviation = abbreviations.width();
    }
    // Pick the rows first so the table is sized once rather than per row.
    QVector<QString> keys;
    const QVector<int> shown = rowsMatching(phrases, query, &keys);

    int needed = ShortcutWidth;
    const QSet<QString> dead = m_hotkeys ? m_hotkeys->deadPhraseIds() : QSet<QString>();
    if (!dead.isEmpty())
        m_table->setDeadShortcutMark(
            m_table->deadShortcutIcon(),
            tr("Another program holds this shortcut, so it does nothing here. Close that "
               "program or choose another shortcut."));
    QVector<PhraseTableWidget::Row> rows = tableRows(phrases, shown, keys, dead, metrics,
                                                     {tr("Picker"), tr("Yes"), tr("No")}, &needed);
    sortRows(rows);
    QString empty;
    if (phrases.isEmpty())
        empty = tr("Add your first phrase: %1")
                    .arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText));
    else if (shown.isEmpty())
        empty = tr("No phrase matches “%1”.")
                    .arg(metrics.elidedText(query, Qt::ElideRight, EmptyQueryShownWidth));
    m_table->setEmptyText(empty);
    m_table->setUpdatesEnabled(false);
    if (widestName != m_widestName || widestAbbreviation != m_widestAbbreviation) {
        m_widestName = widestName;
        m_widestAbbreviation = widestAbbreviation;
        fitUnsizedColumnsToHeaders();
    }
    m_table->setRows(std::move(rows));
    if (m_table->columnWidth(ShortcutColumn) < needed) {
        m_settingWidths = true;
        m_table->setColumnWidth(ShortcutColumn, needed);
        m_settingWidths = false;
        fitColumnsToRoom();
    }
    m_table->clearSelection();
    m_table->setCurrentIndex(QModelIndex());
    m_table->setUpdatesEnabled(true);
}

QString MainWindow::idOfRow(int row) const
{
    const PhraseTableWidget::Row *shown = m_table->rowData(row);
    return shown ? shown->id : QString();
}

void MainWindow::commitListChange()
{
    store->save();
    refreshTable();
    registerShortcuts();
}

void MainWindow::registerShortcuts()
{
    // GNOME holds no program's shortcuts: its own custom shortcuts run our
    // command line instead (Options writes them), so nothing is registered
    // here and nothing is reported refused.
    if (desktop && desktop->abilities().shortcuts == DesktopAbilities::Shortcuts::GnomeCustom)
        m_hotkeys->unregisterAll();
    else
        m_hotkeys->registerAll(store->settings(), store->phrases(), m_dispatcher->paused());
    TestTrace::line(QStringLiteral("shortcuts registered"));
    m_dispatcher->refreshAbbreviations();
}

void MainWindow::addPhrase()
{
    Phrase fresh;
    fresh.id = Phrase::newId();
    PhraseDialog dialog(fresh, store, false, this);
    dialog.setDesktop(desktop);
    dialog.setShortcutNote(shortcutBindingNote());
    dialog.setAbbreviationsUnavailable(abbreviationsUnavailable());
    if (dialog.exec() != QDialog::Accepted)
        return;
    store->phrases().append(dialog.phrase());
    commitListChange();
}

void MainWindow::editPhrase()
{
    const int row = m_table->currentRow();
    const QString id = idOfRow(row);
    if (id.isEmpty()) {
        showNotice(tr("Select a phrase first."));
        return;
    }
    const int index = store->indexOfId(id);
    if (index < 0)
        return;
    const Phrase opened = store->phrases().at(index);
    PhraseDialog dialog(opened, store, true, this);
    dialog.setDesktop(desktop);
    dialog.setShortcutNote(shortcutBindingNote());
    dialog.setAbbreviationsUnavailable(abbreviationsUnavailable());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Looked up again: the list may have changed while the dialog was open.
    // A phrase gone meanwhile (deleted by a merge from another machine)
    // comes back with the edit the user just saved, at the end.
    // Its record of use is no part of the edit: as it stands now, counted
    // on while the dialog was open.
    const int now = store->indexOfId(id);
    Phrase edited = dialog.phrase();
    const Phrase &used = now < 0 ? opened : store->phrases().at(now);
    edited.lastUsed = used.lastUsed;
    edited.uses = used.uses;
    edited.charactersSaved = used.charactersSaved;
    if (now < 0)
        store->phrases().append(edited);
    else
        store->phrases()[now] = edited;
    commitListChange();
}

void MainWindow::deletePhrase()
{
    const int row = m_table->currentRow();
    const int index = store->indexOfId(idOfRow(row));
    if (row < 0 || index < 0)
        return;
    // No question (a click too many is taken back with Undo), but never a
    // loss without a way back: each deletion is kept, a few deep.
    const Phrase gone = store->phrases().at(index);
    m_deleted.append({gone, index});
    if (m_deleted.size() > UndoDepth)
        m_deleted.removeFirst();
    store->phrases().remove(index);
    commitListChange();
    const int rows = m_table->rowCount();
    if (rows > 0) {
        m_table->selectRow(qMin(row == 0 ? 0 : row - 1, rows - 1));
        m_table->setFocus();
    }
    m_deleteNotice = tr("Deleted “%1”.").arg(PhraseStore::phraseLabel(gone));
    statusBar()->showMessage(m_deleteNotice, DeleteNoticeMs);
    updateUndoDelete();
}

void MainWindow::undoDelete()
{
    if (m_deleted.isEmpty())
        return;
    DeletedPhrase back = m_deleted.takeLast();
    Phrase &phrase = back.phrase;
    const QString label = PhraseStore::phraseLabel(phrase);
    const auto labelOf = [this](const QString &id) {
        const int at = store->indexOfId(id);
        return at < 0 ? QString() : PhraseStore::phraseLabel(store->phrases().at(at));
    };
    QStringList lost;
    // What another phrase took while this one was gone stays with it.
    if (phrase.vk) {
        const QString holder = phrase.enabled
                                   ? store->findHotkeyConflict(phrase.mods, phrase.vk, phrase.id)
                                   : QString();
        const QString keys = Hotkey::keyText(phrase.mods, phrase.vk);
        if (!holder.isEmpty())
            lost << tr("Its shortcut %1 is now “%2”’s.").arg(keys, labelOf(holder));
        else if (store->conflictsWithGlobalHotkey(phrase.mods, phrase.vk))
            lost << tr("Its shortcut %1 now opens the picker or the window.").arg(keys);
        if (!lost.isEmpty()) {
            phrase.vk = 0;
            phrase.mods = 0;
        }
    }
    if (!phrase.abbreviation.isEmpty()) {
        const QString holder = store->findAbbreviationConflict(phrase.abbreviation, phrase.id);
        if (!holder.isEmpty()) {
            lost << tr("Its abbreviation “%1” is now “%2”’s.")
                        .arg(phrase.abbreviation, labelOf(holder));
            phrase.abbreviation.clear();
        }
    }
    // An import or an edit may have brought the same id back meanwhile.
    if (store->indexOfId(phrase.id) >= 0)
        phrase.id = Phrase::newId();
    const int index = qBound(0, back.index, store->phrases().size());
    store->phrases().insert(index, phrase);
    commitListChange();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (idOfRow(row) == phrase.id) {
            m_table->selectRow(row);
            break;
        }
    }
    m_deleteNotice.clear();
    updateUndoDelete();
    if (lost.isEmpty()) {
        statusBar()->showMessage(tr("Restored “%1”.").arg(label), BackupNoticeMs);
        return;
    }
    // Said where it cannot be missed: the phrase came back changed.
    showNotice(tr("Restored “%1” without what another phrase now has.").arg(label) +
               QLatin1String("\n\n") + lost.join(QLatin1Char('\n')));
}

void MainWindow::updateUndoDelete()
{
    m_undoDeleteAction->setEnabled(!m_deleted.isEmpty());
    m_undoDeleteButton->setVisible(!m_deleted.isEmpty() && !m_deleteNotice.isEmpty() &&
                                   statusBar()->currentMessage() == m_deleteNotice);
}

void MainWindow::onTableContextMenu(const QPoint &pos)
{
    const QModelIndex cell = m_table->indexAt(pos);
    if (!cell.isValid())
        return;
    const int row = cell.row();
    const QString id = idOfRow(row);
    if (id.isEmpty())
        return;
    m_table->selectRow(row);
    int index = store->indexOfId(id);
    if (index < 0)
        return;

    QMenu menu(this);
    // Its glyph is a check mark: shown only when the phrase is on.
    QAction *enabled = menu.addAction(
        Glyphs::checkedOnlyGlyph(menuGlyphColour, Glyphs::Command::Enabled), tr("Enabled"));
    enabled->setCheckable(true);
    enabled->setChecked(store->phrases().at(index).enabled);
    QAction *reset = menu.addAction(tr("Reset statistics"));
    reset->setEnabled(store->phrases().at(index).uses != 0 ||
                      store->phrases().at(index).charactersSaved != 0);
    menu.addSeparator();
    QAction *remove = menu.addAction(Glyphs::commandGlyph(menuGlyphColour, Glyphs::Command::Delete),
                                     tr("Delete"));
    QAction *chosen = menu.exec(m_table->viewport()->mapToGlobal(pos));
    if (chosen == enabled) {
        index = store->indexOfId(id);
        if (index < 0)
            return;
        store->phrases()[index].enabled = enabled->isChecked();
        commitListChange();
    } else if (chosen == remove) {
        deletePhrase();
    } else if (chosen == reset) {
        resetStatistics(id);
    }
}
