#include "base/hotkey.h"
#include "dialogs/phrasedialog.h"
#include "dialogs/settingsdialog.h"
#include "dispatch/phrasedispatcher.h"
#include "fakes/fakedesktop.h"
#include "hotkeys/hotkeyedit.h"
#include "hotkeys/hotkeymanager.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/windowplace.h"
#include "platform/autostart.h"
#include "store/datafilewatcher.h"
#include "store/phrasestore.h"
#include "theme/dialogtitlebar.h"
#include "theme/elidedtext.h"
#include "theme/maintitlebar.h"
#include "theme/theme.h"
#include "theme/themeddialog.h"
#include "unit/markupprobe.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBackingStore>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QSysInfo>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <optional>

namespace {

constexpr int ctrl = Hotkey::ModControl;
constexpr WindowHandle editor = 0x500; // another program's window
constexpr quint32 editorPid = 4242;

Phrase makePhrase(const QString &name, const QString &text, int mods = 0, int vk = 0,
                  bool enabled = true)
{
    Phrase p;
    p.id = Phrase::newId();
    p.name = name;
    p.text = text;
    p.mods = mods;
    p.vk = vk;
    p.enabled = enabled;
    return p;
}

QStringList columnTexts(const QTableWidget *table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The word-wrapped text of the modal dialog that is open now.
QString modalText()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return QString();
    for (QLabel *label : modal->findChildren<QLabel *>())
        if (label->wordWrap())
            return label->text();
    return QString();
}

// Runs action and answers the modal dialog it opens, if any: returns that
// dialog's word-wrapped text. The timer ends with the call, so it cannot
// answer a later test's dialog.
template <typename Action> QString answerModal(Action action)
{
    QString text;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&text] {
        text = modalText();
        if (QWidget *modal = QApplication::activeModalWidget())
            QMetaObject::invokeMethod(modal, "accept");
    });
    timer.start(0);
    action();
    return text;
}

QJsonObject fileObject(const QString &path)
{
    return QJsonDocument::fromJson(fileBytes(path)).object();
}

bool writeBackup(const QString &path, const QStringList &texts)
{
    QJsonArray phrases;
    for (const QString &text : texts)
        phrases.append(
            QJsonObject{{QStringLiteral("name"), QString()}, {QStringLiteral("text"), text}});
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QJsonDocument(QJsonObject{{QStringLiteral("phrases"), phrases}}).toJson()) >
               0;
}

// Presses a shortcut the way the window system reports it.
void press(int id)
{
    QVERIFY(FakeDesktop::postHotkey(id));
}

// Environment variables set for one test, put back as they were.
class EnvScope
{
public:
    void set(const char *name, const QByteArray &value)
    {
        if (!saved.contains(name))
            saved.insert(name, qEnvironmentVariableIsSet(name)
                                   ? std::optional<QByteArray>(qgetenv(name))
                                   : std::nullopt);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvScope()
    {
        for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
            if (it.value())
                qputenv(it.key().constData(), *it.value());
            else
                qunsetenv(it.key().constData());
        }
    }

private:
    QHash<QByteArray, std::optional<QByteArray>> saved;
};

// The application font at a pixel size for one test.
class FontScope
{
public:
    explicit FontScope(int pixels) : saved(QApplication::font())
    {
        QFont font = saved;
        font.setPixelSize(pixels);
        QApplication::setFont(font);
    }
    ~FontScope() { QApplication::setFont(saved); }

private:
    const QFont saved;
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Accepting Options writes the login entry: below a folder of the
        // test's own, never into the user's.
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<PhraseStore>(dir->path());
        store->setLegacyFilePath(dir->filePath(QStringLiteral("none.dll")));
        store->settings().importedV3 = true;
        desktop = std::make_unique<FakeDesktop>();
        FakeDesktop::Window other;
        other.pid = editorPid;
        other.thread = 7;
        desktop->addWindow(editor, other);
        desktop->foreground = editor;
    }
    void cleanup()
    {
        window.reset();
        desktop.reset();
        store.reset();
        dir.reset();
    }

    void filter_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("names");
        const QStringList all{QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Note"),
                              QStringLiteral("Plain")};
        QTest::newRow("empty") << QString() << all;
        QTest::newRow("blank") << QStringLiteral("   ") << all;
        QTest::newRow("ctrl+1") << QStringLiteral("ctrl+1")
                                << QStringList{QStringLiteral("One"), QStringLiteral("Note")};
        QTest::newRow("CTRL+1 padded")
            << QStringLiteral(" CTRL+1 ")
            << QStringList{QStringLiteral("One"), QStringLiteral("Note")};
        QTest::newRow("by text") << QStringLiteral("SECOND") << QStringList{QStringLiteral("Two")};
        QTest::newRow("Picker is no shortcut text") << QStringLiteral("Picker") << QStringList();
        QTest::newRow("alt") << QStringLiteral("alt") << QStringList{QStringLiteral("Two")};
        QTest::newRow("by abbreviation")
            << QStringLiteral("ZQ;") << QStringList{QStringLiteral("Plain")};
    }
    void filter()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, names);
        store->phrases() << makePhrase(QStringLiteral("One"), QStringLiteral("first"), ctrl, 0x31)
                         << makePhrase(QStringLiteral("Two"), QStringLiteral("second"),
                                       ctrl | Hotkey::ModAlt, 0x32)
                         << makePhrase(QStringLiteral("Note"), QStringLiteral("press Ctrl+1 here"))
                         << makePhrase(QStringLiteral("Plain"), QStringLiteral("plain"));
        store->phrases().last().abbreviation = QStringLiteral("zq;");
        build();
        // The search box names everything the search looks at.
        QVERIFY2(window->searchBox()->toolTip().contains(QLatin1String("abbreviations")),
                 qPrintable(window->searchBox()->toolTip()));
        window->searchBox()->setText(query);
        QCOMPARE(columnTexts(window->table(), MainWindow::NameColumn), names);
    }

    void cells()
    {
        store->phrases() << makePhrase(QStringLiteral("Keyless"), QStringLiteral("a\nb\nc"))
                         << makePhrase(QStringLiteral("Off"), QStringLiteral("gone"), ctrl, 0x70,
                                       false);
        store->phrases()[0].abbreviation = QStringLiteral(";ks");
        build();
        QTableWidget *table = window->table();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->data(Qt::UserRole).toString(), store->phrases().at(0).id);
        QCOMPARE(columnTexts(table, MainWindow::ShortcutColumn),
                 (QStringList{QStringLiteral("Picker"), QStringLiteral("Ctrl+F1")}));
        // The abbreviation has a column of its own.
        QCOMPARE(table->horizontalHeaderItem(MainWindow::AbbreviationColumn)->text(),
                 QStringLiteral("Abbreviation"));
        QCOMPARE(columnTexts(table, MainWindow::AbbreviationColumn),
                 (QStringList{QStringLiteral(";ks"), QString()}));
        QCOMPARE(table->item(0, MainWindow::TextColumn)->text(), QStringLiteral("a b c"));
        QCOMPARE(columnTexts(table, MainWindow::EnabledColumn),
                 (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
        for (int column = 0; column < table->columnCount(); ++column) {
            QVERIFY(!table->item(0, column)->font().strikeOut());
            QVERIFY(table->item(1, column)->font().strikeOut());
            QCOMPARE(table->item(1, column)->foreground().color(), QColor(0x9a, 0xa3, 0xad));
        }
        QCOMPARE(table->rowHeight(1), MainWindow::RowHeight);
        QVERIFY(!table->currentIndex().isValid());
    }

    // A long list makes items only for the rows in sight, yet every row
    // answers as if it had them: drawing, keyboard search and the commands.
    void longListMakesItemsOnlyForRowsInSight()
    {
        const int count = 3000;
        for (int i = 0; i < count; ++i)
            store->phrases() << makePhrase(QStringLiteral("p%1").arg(i, 4, 10, QLatin1Char('0')),
                                           QStringLiteral("line one\nline %1").arg(i), 0, 0,
                                           i % 7 != 0);
        build();
        window->resize(700, 500);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        PhraseTableWidget *table = window->table();
        QCOMPARE(table->rowCount(), count);
        QVERIFY2(table->filledRowCount() <= 100,
                 qPrintable(QString::number(table->filledRowCount())));

        table->scrollToBottom();
        table->viewport()->grab();
        const int last = count - 1;
        QVERIFY(table->item(last, 0));
        QCOMPARE(table->item(last, MainWindow::NameColumn)->text(), QStringLiteral("p2999"));
        QCOMPARE(table->item(last, MainWindow::TextColumn)->text(),
                 QStringLiteral("line one line 2999"));
        QCOMPARE(table->item(last, MainWindow::NameColumn)->data(Qt::UserRole).toString(),
                 store->phrases().at(last).id);
        const int off = 2996; // a multiple of 7: switched off
        QCOMPARE(table->item(off, MainWindow::EnabledColumn)->text(), QStringLiteral("No"));
        QVERIFY(table->item(off, MainWindow::TextColumn)->font().strikeOut());
        QVERIFY(!table->item(last, MainWindow::TextColumn)->font().strikeOut());
        QVERIFY(table->filledRowCount() <= 200);

        // A row never drawn is selected and deleted: the right phrase goes.
        QVERIFY(!table->item(1500, 0));
        table->selectRow(1500);
        const QString doomed = store->phrases().at(1500).id;
        window->deletePhrase();
        QCOMPARE(store->phrases().size(), count - 1);
        QCOMPARE(store->indexOfId(doomed), -1);
        QCOMPARE(store->phrases().at(1500).name, QStringLiteral("p1501"));
        QCOMPARE(table->currentRow(), 1499);

        // The table's own type-to-find reaches rows that have no items yet.
        table->setFocus();
        table->keyboardSearch(QStringLiteral("p2400"));
        QCOMPARE(table->currentRow(), 2399);
        QCOMPARE(table->item(2399, MainWindow::NameColumn)->text(), QStringLiteral("p2400"));

        // A screen reader that starts now walks every cell.
        window->refreshTable();
        QVERIFY(table->filledRowCount() < count - 1);
        QAccessible::setActive(true);
        QTRY_COMPARE(table->filledRowCount(), count - 1);
        QAccessible::setActive(false);

        // The bridge is on in every program of a desktop session, screen
        // reader or not: a table in the tray keeps making only the rows in
        // sight, and makes every row once it is shown: the rows in sight
        // with the window, the rest a slice per turn of the event loop.
        window->hide();
        window->refreshTable();
        QAccessible::setActive(true);
        const int hiddenFilled = table->filledRowCount();
        window->show();
        const int filledAtShow = table->filledRowCount();
        QTRY_COMPARE(table->filledRowCount(), count - 1);
        // Hidden again before the slices are through: the rest waits for the
        // next showing.
        window->hide();
        window->refreshTable();
        window->show();
        window->hide();
        QTest::qWait(50);
        const int filledWhileHidden = table->filledRowCount();
        QAccessible::setActive(false);
        QVERIFY2(hiddenFilled < count - 1, qPrintable(QString::number(hiddenFilled)));
        QVERIFY2(filledAtShow < count - 1, qPrintable(QString::number(filledAtShow)));
        QVERIFY2(filledWhileHidden < count - 1, qPrintable(QString::number(filledWhileHidden)));
    }

    void deleteSelection_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("selected");
        QTest::newRow("first of three")
            << 3 << 0 << QStringList{QStringLiteral("p1"), QStringLiteral("p2")} << 0;
        QTest::newRow("middle of three")
            << 3 << 1 << QStringList{QStringLiteral("p0"), QStringLiteral("p2")} << 0;
        QTest::newRow("last of three")
            << 3 << 2 << QStringList{QStringLiteral("p0"), QStringLiteral("p1")} << 1;
        QTest::newRow("only row") << 1 << 0 << QStringList() << -1;
    }
    void deleteSelection()
    {
        QFETCH(int, count);
        QFETCH(int, row);
        QFETCH(QStringList, left);
        QFETCH(int, selected);
        for (int i = 0; i < count; ++i)
            store->phrases() << makePhrase(QStringLiteral("p%1").arg(i),
                                           QStringLiteral("t%1").arg(i), ctrl, 0x31 + i);
        build();
        window->table()->selectRow(row);
        desktop->hotkeyCalls.clear();
        window->deletePhrase();
        QCOMPARE(columnTexts(window->table(), MainWindow::NameColumn), left);
        QCOMPARE(window->table()->currentRow(), selected);
        // Saved and registered again.
        PhraseStore reread(dir->path());
        QVERIFY(reread.load());
        QCOMPARE(reread.phrases().size(), count - 1);
        QCOMPARE(desktop->registered.size(), 2 + count - 1);
    }

    // Delete asks nothing; each deletion can be taken back with Ctrl+Z, the
    // latest first, and comes back whole: checked in the data file. What
    // another phrase took meanwhile stays with that phrase.
    void undoDelete_data()
    {
        QTest::addColumn<QVector<int>>("rows"); // deleted one after the other
        QTest::addColumn<int>("undos");
        QTest::addColumn<bool>("takeShortcut");
        QTest::addColumn<bool>("takeAbbreviation");
        QTest::addColumn<QStringList>("names"); // in the file afterwards
        const auto names_ = [](const char *words) {
            return QString::fromLatin1(words).split(QLatin1Char(' '));
        };
        QTest::newRow("one") << QVector<int>{1} << 1 << false << false << names_("p0 p1 p2 p3");
        QTest::newRow("twice by habit, both back")
            << QVector<int>{1, 1} << 2 << false << false << names_("p0 p1 p2 p3");
        QTest::newRow("twice by habit, the latest back")
            << QVector<int>{1, 1} << 1 << false << false << names_("p0 p2 p3");
        QTest::newRow("first and last")
            << QVector<int>{0, 2} << 2 << false << false << names_("p0 p1 p2 p3");
        QTest::newRow("shortcut taken")
            << QVector<int>{1} << 1 << true << false << names_("p0 p1 p2 p3 new");
        QTest::newRow("abbreviation taken")
            << QVector<int>{1} << 1 << false << true << names_("p0 p1 p2 p3 new");
        QTest::newRow("nothing to undo")
            << QVector<int>{} << 1 << false << false << names_("p0 p1 p2 p3");
    }
    void undoDelete()
    {
        QFETCH(QVector<int>, rows);
        QFETCH(int, undos);
        QFETCH(bool, takeShortcut);
        QFETCH(bool, takeAbbreviation);
        QFETCH(QStringList, names);
        for (int i = 0; i < 4; ++i) {
            Phrase p = makePhrase(QStringLiteral("p%1").arg(i), QStringLiteral("t%1").arg(i), ctrl,
                                  0x31 + i, i != 2);
            p.abbreviation = QStringLiteral("ab%1").arg(i);
            p.lastUsed = 1000 + i;
            store->phrases() << p;
        }
        const QVector<Phrase> before = store->phrases();
        build();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(!window->undoDeleteAction()->isEnabled());

        QStringList deleted;
        for (int row : rows) {
            deleted << columnTexts(window->table(), MainWindow::NameColumn).at(row);
            window->table()->selectRow(row);
            window->table()->setFocus();
            QTest::keyClick(window->table(), Qt::Key_Delete);
            QCOMPARE(window->statusBar()->currentMessage(),
                     QStringLiteral("Deleted “%1”.").arg(deleted.last()));
            QVERIFY(window->undoDeleteButton()->isVisible());
            QVERIFY(window->undoDeleteAction()->isEnabled());
        }
        if (!rows.isEmpty())
            QCOMPARE(
                fileObject(store->dataFilePath()).value(QStringLiteral("phrases")).toArray().size(),
                4 - rows.size());
        if (takeShortcut || takeAbbreviation) {
            // Another phrase takes it while the first is gone.
            const Phrase &gone = before.at(rows.first());
            Phrase taker = makePhrase(QStringLiteral("new"), QStringLiteral("n"));
            if (takeShortcut) {
                taker.mods = gone.mods;
                taker.vk = gone.vk;
            }
            if (takeAbbreviation)
                taker.abbreviation = gone.abbreviation;
            store->phrases() << taker;
            QVERIFY(store->save());
            window->refreshTable();
        }

        QString said;
        for (int i = 0; i < undos; ++i) {
            if (i == 0)
                // Ctrl+Z from the table, as the user presses it.
                said = answerModal([&] { QTest::keySequence(window.get(), QKeySequence::Undo); });
            else
                window->undoDeleteButton()->click();
        }

        PhraseStore reread(dir->path());
        if (rows.isEmpty()) {
            QVERIFY(!QFile::exists(store->dataFilePath()));
            QCOMPARE(store->phrases().size(), 4);
            return;
        }
        QVERIFY(reread.load());
        QStringList namesNow;
        for (const Phrase &p : reread.phrases())
            namesNow << p.name;
        QCOMPARE(namesNow, names);
        QCOMPARE(window->undoDeleteAction()->isEnabled(), undos < rows.size());
        for (const Phrase &p : reread.phrases()) {
            if (p.name == QLatin1String("new"))
                continue;
            const Phrase &was = before.at(p.name.mid(1).toInt());
            QCOMPARE(p.id, was.id);
            QCOMPARE(p.text, was.text);
            QCOMPARE(p.enabled, was.enabled);
            QCOMPARE(p.lastUsed, was.lastUsed);
            const bool lostShortcut = takeShortcut && p.id == before.at(rows.first()).id;
            const bool lostAbbreviation = takeAbbreviation && p.id == before.at(rows.first()).id;
            QCOMPARE(p.vk, lostShortcut ? 0 : was.vk);
            QCOMPARE(p.abbreviation, lostAbbreviation ? QString() : was.abbreviation);
            // Held again (a disabled phrase's shortcut is not).
            bool held = false;
            for (auto it = desktop->registered.cbegin(); it != desktop->registered.cend(); ++it)
                held = held || (window->hotkeys()->phraseIdFor(it.key()) == p.id &&
                                it.value() == qMakePair(p.mods, p.vk));
            QCOMPARE(held, p.enabled && p.vk != 0);
        }
        if (takeShortcut)
            QVERIFY2(said.contains(QStringLiteral("Ctrl+2")) &&
                         said.contains(QStringLiteral("“new”")),
                     qPrintable(said));
        else if (takeAbbreviation)
            QVERIFY2(said.contains(QStringLiteral("“ab1”")) &&
                         said.contains(QStringLiteral("“new”")),
                     qPrintable(said));
        else
            QVERIFY2(said.isEmpty(), qPrintable(said));
        if (!takeShortcut && !takeAbbreviation)
            QCOMPARE(window->statusBar()->currentMessage(),
                     QStringLiteral("Restored “%1”.").arg(deleted.at(rows.size() - undos)));
        QVERIFY(!window->undoDeleteButton()->isVisible());
    }

    void deleteWithoutRowDoesNothing()
    {
        store->phrases() << makePhrase(QStringLiteral("p"), QStringLiteral("t"));
        build();
        window->deletePhrase();
        QCOMPARE(store->phrases().size(), 1);
        QVERIFY(!QFile::exists(store->dataFilePath()));
    }

    // An empty table says how to begin, drawn in the table itself; a search
    // that finds nothing says that instead. Ctrl+N opens Add from anywhere in
    // the window.
    void emptyTableSaysHowToBegin()
    {
        build();
        window->resize(700, 500);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        PhraseTableWidget *table = window->table();
        const QString begin = QStringLiteral("Add your first phrase: Ctrl+N");
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(table->emptyText(), begin);
        // Drawn: the empty viewport is not blank.
        const QImage drawn = table->viewport()->grab().toImage();
        const QRgb background = drawn.pixel(0, 0);
        int ink = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                ink += drawn.pixel(x, y) != background;
        QVERIFY2(ink > 20, qPrintable(QString::number(ink)));

        // Ctrl+N with the focus in the search box opens Add.
        window->searchBox()->setFocus();
        QTimer::singleShot(0, [] {
            auto *editor = qobject_cast<PhraseDialog *>(QApplication::activeModalWidget());
            if (!editor)
                return;
            editor->nameEdit()->setText(QStringLiteral("Address"));
            editor->textEdit()->setPlainText(QStringLiteral("1 Main Street"));
            editor->accept();
        });
        QTest::keyClick(window->searchBox(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(store->phrases().size(), 1);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->emptyText(), QString());

        window->searchBox()->setText(QStringLiteral("zebra"));
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(table->emptyText(), QStringLiteral("No phrase matches “zebra”."));
        window->searchBox()->clear();
        QCOMPARE(table->emptyText(), QString());

        // The last phrase deleted: the first line is back.
        table->selectRow(0);
        window->deletePhrase();
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(table->emptyText(), begin);
    }

    void storedColumnWidths_data()
    {
        QTest::addColumn<int>("name");
        QTest::addColumn<int>("shortcut");
        QTest::addColumn<int>("enabled");
        QTest::addColumn<QVector<int>>("applied");
        QTest::newRow("unset") << 0 << 0 << 0 << QVector<int>{77, 88, 64};
        QTest::newRow("shortcut 60 ignored") << 150 << 60 << 30 << QVector<int>{150, 88, 30};
        QTest::newRow("capped at 2000") << 2500 << 2500 << 2001 << QVector<int>{2000, 2000, 2000};
        QTest::newRow("below the ranges") << 23 << 87 << 23 << QVector<int>{77, 88, 64};
        QTest::newRow("lowest accepted") << 24 << 88 << 24 << QVector<int>{24, 88, 24};
    }
    void storedColumnWidths()
    {
        QFETCH(int, name);
        QFETCH(int, shortcut);
        QFETCH(int, enabled);
        QFETCH(QVector<int>, applied);
        store->settings().nameColumnWidth = name;
        store->settings().hotkeyColumnWidth = shortcut;
        store->settings().enabledColumnWidth = enabled;
        // A font in which the English headers fit their built widths.
        const FontScope font(11);
        build();
        QTableWidget *table = window->table();
        const QVector<int> widths{table->columnWidth(MainWindow::NameColumn),
                                  table->columnWidth(MainWindow::ShortcutColumn),
                                  table->columnWidth(MainWindow::EnabledColumn)};
        QVERIFY2(
            widths == applied,
            qPrintable(QStringLiteral("%1 %2 %3").arg(widths[0]).arg(widths[1]).arg(widths[2])));
        // Applying them is not a change of the user's: nothing is written.
        QTest::qWait(MainWindow::ColumnSaveDelayMs + 100);
        QVERIFY(!QFile::exists(store->dataFilePath()));
    }

    // Headers wider than the built widths (a larger font, a longer language)
    // widen the columns the user never sized, and only those; nothing is
    // written for it.
    void unsizedColumnsFitTheirHeaders()
    {
        store->settings().nameColumnWidth = 140;
        const FontScope font(40);
        build();
        QTableWidget *table = window->table();
        QCOMPARE(table->columnWidth(MainWindow::NameColumn), 140);
        const QFontMetrics metrics(QApplication::font());
        QVERIFY(table->columnWidth(MainWindow::ShortcutColumn) >
                metrics.horizontalAdvance(QStringLiteral("Shortcut")));
        QVERIFY(table->columnWidth(MainWindow::EnabledColumn) >= 64);
        QTest::qWait(MainWindow::ColumnSaveDelayMs + 100);
        QVERIFY(!QFile::exists(store->dataFilePath()));
    }

    void resizedColumnsAreSavedOnceAfterTheDelay()
    {
        build();
        QTableWidget *table = window->table();
        table->setColumnWidth(MainWindow::NameColumn, 120);
        table->setColumnWidth(MainWindow::NameColumn, 130);
        table->setColumnWidth(MainWindow::ShortcutColumn, 40); // snaps back
        QCOMPARE(table->columnWidth(MainWindow::ShortcutColumn), 88);
        QVERIFY(!QFile::exists(store->dataFilePath()));
        QTRY_VERIFY(QFile::exists(store->dataFilePath()));
        QCOMPARE(store->settings().nameColumnWidth, 130);
        QCOMPARE(store->settings().hotkeyColumnWidth, 88);
        QCOMPARE(store->settings().enabledColumnWidth, 64);
        // Unchanged widths write nothing.
        QFile::remove(store->dataFilePath());
        window->saveColumnWidths();
        QVERIFY(!QFile::exists(store->dataFilePath()));
    }

    void shortcutColumnGrowsToFitButNeverShrinks()
    {
        store->phrases() << makePhrase(QStringLiteral("long"), QStringLiteral("x"), Hotkey::ModMask,
                                       0x21);
        build();
        const int wide = window->table()->columnWidth(MainWindow::ShortcutColumn);
        const QString text = Hotkey::keyText(Hotkey::ModMask, 0x21);
        QCOMPARE(wide, qMax(88, window->table()->fontMetrics().horizontalAdvance(text) + 28));
        window->searchBox()->setText(QStringLiteral("nothing matches"));
        QCOMPARE(window->table()->columnWidth(MainWindow::ShortcutColumn), wide);
    }

    void storedThemeIsAppliedWithoutRewritingTheFile_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("applied");
        QTest::newRow("classic") << 0 << int(Theme::Classic);
        QTest::newRow("teal") << 1 << int(Theme::Teal);
    }
    void storedThemeIsAppliedWithoutRewritingTheFile()
    {
        QFETCH(int, stored);
        QFETCH(int, applied);
        store->settings().uiTheme = stored;
        QVERIFY(store->save());
        const QByteArray before = fileBytes(store->dataFilePath());
        build();
        QCOMPARE(Theme::current(), applied);
        QCOMPARE(store->settings().uiTheme, stored);
        QCOMPARE(fileBytes(store->dataFilePath()), before);
    }

    // On a Wayland desktop, worked through XWayland, the user is told what
    // does not reach where: in the status bar at start and in Options.
    // The first start says once which keys the program takes from every
    // other program, and what they do there; read, it never comes back.
    void keysNote_data()
    {
        QTest::addColumn<int>("pickerMods");
        QTest::addColumn<int>("pickerVk");
        QTest::addColumn<bool>("phraseShortcut");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("changeKeys"); // read by "Change keys…", else "Got it"
        QTest::addColumn<QStringList>("says");
        const Settings defaults;
        const QString picker = Hotkey::keyText(defaults.pickerMods, defaults.pickerVk);
        const QString window = Hotkey::keyText(defaults.showMods, defaults.showVk);
        const QString reload = QStringLiteral("reload in browsers");
        const QString tab = QStringLiteral("a new tab");
        QTest::newRow("defaults") << defaults.pickerMods << defaults.pickerVk << false << false
                                  << false
                                  << QStringList{
                                         picker + QStringLiteral(" opens the picker"), reload,
                                         window + QStringLiteral(" shows or hides this window"),
                                         tab};
        QTest::newRow("defaults, to Options") << defaults.pickerMods << defaults.pickerVk << false
                                              << false << true << QStringList{picker, window};
        QTest::newRow("a key of the user's, a phrase's shortcut")
            << (ctrl | Hotkey::ModAlt) << 0x50 << true << false << false
            << QStringList{QStringLiteral("Ctrl+Alt+P opens the picker"), tab,
                           QStringLiteral("Your phrases' shortcuts are taken too: Ctrl+Alt+1.")};
#ifndef Q_OS_WIN // Windows is no Wayland desktop
        QTest::newRow("bindings on Wayland")
            << defaults.pickerMods << defaults.pickerVk << false << true << false
            << QStringList{QStringLiteral("once they are bound"), reload, tab};
#endif
    }
    void keysNote()
    {
        QFETCH(int, pickerMods);
        QFETCH(int, pickerVk);
        QFETCH(bool, phraseShortcut);
        QFETCH(bool, wayland);
        QFETCH(bool, changeKeys);
        QFETCH(QStringList, says);
        EnvScope env;
        if (wayland) {
            env.set("WAYLAND_DISPLAY", "wayland-1");
            env.set("SWAYSOCK", "/run/sway-ipc.sock");
            desktop->roads.waylandWindows = true;
            desktop->roads.compositor = Compositor::Wlroots;
            desktop->roads.keys = DesktopAbilities::Keys::VirtualKeyboard;
            desktop->roads.shortcuts = DesktopAbilities::Shortcuts::CompositorBindings;
            desktop->roads.pasting = true;
        }
        store->settings().pickerMods = pickerMods;
        store->settings().pickerVk = pickerVk;
        if (phraseShortcut)
            store->phrases() << makePhrase(QStringLiteral("Greeting"), QStringLiteral("hi"),
                                           ctrl | Hotkey::ModAlt, 0x31);
        build();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (wayland) {
            // What the desktop still needs comes first; the keys once the
            // bindings exist.
            QVERIFY(window->roadLabel()->isVisible());
            QVERIFY(!window->keysNote()->isVisible());
            window->noteCommandFromDesktop(RemoteCommand::Verb::Picker);
            QVERIFY(!window->roadLabel()->isVisible());
        }
        QVERIFY(window->keysNote()->isVisible());
        const QString text = window->keysLabel()->text();
        for (const QString &part : says)
            QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" in: ") + text));
        if (pickerVk != Settings().pickerVk)
            QVERIFY2(!text.contains(QStringLiteral("reload")), qPrintable(text));
        QVERIFY(!QFile::exists(store->dataFilePath())); // shown, not yet read

        bool atShortcut = false;
        if (changeKeys) {
            QTimer::singleShot(0, [&] {
                auto *options = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
                QVERIFY(options);
                QTRY_COMPARE(QApplication::focusWidget(),
                             static_cast<QWidget *>(options->pickerEdit()));
                atShortcut = true;
                options->reject();
            });
            window->keysOptionsButton()->click();
            QVERIFY(atShortcut);
        } else {
            window->keysDismissButton()->click();
        }
        QVERIFY(!window->keysNote()->isVisible());
        QVERIFY(fileObject(store->dataFilePath())
                    .value(QStringLiteral("settings"))
                    .toObject()
                    .value(QStringLiteral("keysNoteSeen"))
                    .toBool());
        // Never again, after a restart either.
        window.reset();
        store = std::make_unique<PhraseStore>(dir->path());
        QVERIFY(store->load());
        build();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (wayland)
            window->noteCommandFromDesktop(RemoteCommand::Verb::Picker);
        QVERIFY(!window->keysNote()->isVisible());
    }

    // A data file from before the note has no word of it: the note is shown
    // there too, once, since the keys were taken just the same.
    void keysNoteForAnOlderDataFile()
    {
        QFile file(store->dataFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            R"({"version": 1, "settings": {"importedV3": true, "showVk": 84}, "phrases": []})");
        file.close();
        QVERIFY(store->load());
        build();
        QVERIFY(!window->keysNote()->isHidden());
    }

    void waylandDesktopIsNamed_data()
    {
        QTest::addColumn<bool>("wayland");
        QTest::newRow("X11 desktop") << false;
        QTest::newRow("Wayland desktop") << true;
    }
    void waylandDesktopIsNamed()
    {
        QFETCH(bool, wayland);
        const QByteArray saved = qgetenv("WAYLAND_DISPLAY");
        const QByteArray savedType = qgetenv("XDG_SESSION_TYPE");
        qunsetenv("XDG_SESSION_TYPE");
        if (wayland)
            qputenv("WAYLAND_DISPLAY", "wayland-1");
        else
            qunsetenv("WAYLAND_DISPLAY");
#ifdef Q_OS_WIN
        wayland = false; // Windows is no Wayland desktop, whatever the environment says
#endif
        build();
        const QString note = window->desktopNote();
        QCOMPARE(note.isEmpty(), !wayland);
        // One line in the status bar that stays, and points to Options.
        const QString line = window->roadLabel()->text();
        QCOMPARE(line.isEmpty(), !wayland);
        if (wayland)
            QVERIFY2(line.contains(QLatin1String("X11 programs")) &&
                         line.contains(QLatin1String("Options")),
                     qPrintable(line));
        bool shown = false;
        QString said;
        QTimer::singleShot(0, [&] {
            auto *options = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
            if (options) {
                shown = options->desktopNoteLabel()->isVisible();
                said = options->desktopNoteLabel()->text();
                options->reject();
            }
        });
        window->openSettings();
        QCOMPARE(shown, wayland);
        QCOMPARE(said, note);
        qputenv("WAYLAND_DISPLAY", saved);
        qputenv("XDG_SESSION_TYPE", savedType);
        if (saved.isEmpty())
            qunsetenv("WAYLAND_DISPLAY");
        if (savedType.isEmpty())
            qunsetenv("XDG_SESSION_TYPE");
    }

#ifndef Q_OS_WIN
    // A Wayland desktop whose compositor lets us type but keeps the global
    // shortcuts: the status bar says what reaches where and points to
    // Options, which lists a binding for every command with a shortcut
    // (disabled phrases and keyless ones left out), and Copy puts the lines
    // on the clipboard.
    void waylandRoadListsBindings()
    {
        const QByteArray saved = qgetenv("WAYLAND_DISPLAY");
        const QByteArray savedIpc = qgetenv("SWAYSOCK");
        qputenv("WAYLAND_DISPLAY", "wayland-1");
        qputenv("SWAYSOCK", "/run/user/1000/sway-ipc.sock");
        desktop->roads.waylandWindows = true;
        desktop->roads.compositor = Compositor::Wlroots;
        desktop->roads.keys = DesktopAbilities::Keys::VirtualKeyboard;
        desktop->roads.shortcuts = DesktopAbilities::Shortcuts::CompositorBindings;
        desktop->roads.pasting = true;
        const int ctrlAlt = 0x2 | 0x1;
        store->phrases() << makePhrase(QStringLiteral("Greeting"), QStringLiteral("hi"), ctrlAlt,
                                       0x31)
                         << makePhrase(QStringLiteral("Keyless"), QStringLiteral("x"))
                         // From an edited file: no shortcut may take "E" from typing.
                         << makePhrase(QStringLiteral("Typing"), QStringLiteral("t"), 0x4, 0x45);
        Phrase off = makePhrase(QStringLiteral("Off"), QStringLiteral("y"), ctrlAlt, 0x32);
        off.enabled = false;
        store->phrases() << off;
        build();
        const QString status = window->roadLabel()->text();
        QVERIFY2(status.contains(QLatin1String("sway")), qPrintable(status));
        QVERIFY(status.contains(QLatin1String("Options")));

        QString note;
        QString lines;
        bool copyShown = false;
        QTimer::singleShot(0, [&] {
            auto *options = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
            if (options) {
                note = options->desktopNoteLabel()->text();
                lines = options->bindingLinesView()->toPlainText();
                copyShown = options->copyBindingsButton()->isVisible();
                QGuiApplication::clipboard()->clear();
                options->copyBindingsButton()->click();
                options->reject();
            }
        });
        window->openSettings();
        QVERIFY(note.contains(QLatin1String("bind the commands below")));
        QVERIFY(copyShown);
        const QStringList bound = lines.split(QLatin1Char('\n'));
        QCOMPARE(bound.size(), 3); // picker, window, Greeting
        QVERIFY(bound[0].startsWith(QLatin1String("bindsym --to-code --no-repeat Ctrl+r exec ")));
        QVERIFY(bound[0].endsWith(QLatin1String(" '--picker'\"")));
        QVERIFY(bound[1].endsWith(QLatin1String(" '--toggle-window'\"")));
        QVERIFY(
            bound[2].startsWith(QLatin1String("bindsym --to-code --no-repeat Ctrl+Mod1+1 exec ")));
        QVERIFY(bound[2].endsWith(QLatin1String(" '--type' '--' 'Greeting'\"")));
        QCOMPARE(QGuiApplication::clipboard()->text(), lines);

        // Another compositor: the commands, for its own binding tool.
        qunsetenv("SWAYSOCK");
        QTimer::singleShot(0, [&] {
            auto *options = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
            if (options) {
                lines = options->bindingLinesView()->toPlainText();
                options->reject();
            }
        });
        window->openSettings();
        const QStringList commands = lines.split(QLatin1Char('\n'));
        QCOMPARE(commands.size(), 3);
        QVERIFY(commands[2].startsWith(Hotkey::keyText(ctrlAlt, 0x31) + QLatin1String(": '")));
        QVERIFY(commands[2].endsWith(QLatin1String("' '--type' '--' 'Greeting'")));
        if (!savedIpc.isEmpty())
            qputenv("SWAYSOCK", savedIpc);
        if (saved.isEmpty())
            qunsetenv("WAYLAND_DISPLAY");
        else
            qputenv("WAYLAND_DISPLAY", saved);
    }

    // GNOME: no shortcut of ours is registered (nothing is reported refused),
    // Options shows the GNOME accelerators with their commands and offers to
    // add them to GNOME's custom shortcuts and to remove them.
    void gnomeRoadOffersCustomShortcuts()
    {
        const QByteArray saved = qgetenv("WAYLAND_DISPLAY");
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        desktop->roads.waylandWindows = true;
        desktop->roads.compositor = Compositor::Mutter;
        desktop->roads.keys = DesktopAbilities::Keys::RemoteDesktop;
        desktop->roads.shortcuts = DesktopAbilities::Shortcuts::GnomeCustom;
        desktop->roads.pasting = true;
        store->phrases() << makePhrase(QStringLiteral("Greeting"), QStringLiteral("hi"), 0x2 | 0x1,
                                       0x31)
                         << makePhrase(QStringLiteral("Paster"), QStringLiteral("p"), 0x2 | 0x4,
                                       0x56); // Ctrl+Shift+V, as an edited file may have it
        store->settings().showMods = 0x4;     // Shift+T
        build();
        QVERIFY(desktop->registered.isEmpty());
        const QString status = window->roadLabel()->text();
        QVERIFY2(status.contains(QLatin1String("GNOME custom shortcuts")), qPrintable(status));

        QString lines;
        bool buttons = false;
        QTimer::singleShot(0, [&] {
            auto *options = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
            if (options) {
                lines = options->bindingLinesView()->toPlainText();
                buttons = options->applyBindingsButton()->isVisible() &&
                          options->removeBindingsButton()->isVisible();
                options->applyBindingsButton()->click();
                options->reject();
            }
        });
        window->openSettings();
        QVERIFY(buttons);
        const QStringList bound = lines.split(QLatin1Char('\n'));
        QCOMPARE(bound.size(), 2); // picker, Greeting: the refused ones are left out
        QVERIFY2(bound[1].startsWith(QLatin1String("<Control><Alt>1  '")), qPrintable(bound[1]));
        QVERIFY(bound[1].endsWith(QLatin1String("' '--type' '--' 'Greeting'")));
        // Add to GNOME wrote the same two, under the names GNOME's settings
        // show.
        QCOMPARE(desktop->settingsBindings.size(), 2);
        QCOMPARE(desktop->settingsBindings[0].name,
                 QStringLiteral("Zem Scrivlet: open the picker"));
        QCOMPARE(desktop->settingsBindings[1].name, QStringLiteral("Zem Scrivlet: Greeting"));
        QCOMPARE(desktop->settingsBindings[1].command.vk, 0x31);
        if (saved.isEmpty())
            qunsetenv("WAYLAND_DISPLAY");
        else
            qputenv("WAYLAND_DISPLAY", saved);
    }
#endif

    // The phrase editor says how its shortcut comes to work where the
    // desktop runs it (a binding of the compositor, a GNOME custom
    // shortcut), and does not promise abbreviations where none expand.
    void phraseEditorSaysWhatTheDesktopKeeps_data()
    {
        QTest::addColumn<QString>("desk");
        QTest::addColumn<QStringList>("shortcutSays"); // empty: no note
        QTest::newRow("own shortcuts") << "x11" << QStringList();
#ifndef Q_OS_WIN
        QTest::newRow("sway") << "sway"
                              << (QStringList{QStringLiteral("sway"), QStringLiteral("Options")});
        QTest::newRow("another compositor") << "wlroots" << QStringList{QStringLiteral("Options")};
        QTest::newRow("GNOME") << "gnome"
                               << (QStringList{QStringLiteral("Add to GNOME"),
                                               QStringLiteral("Options")});
#endif
    }
    void phraseEditorSaysWhatTheDesktopKeeps()
    {
        QFETCH(QString, desk);
        QFETCH(QStringList, shortcutSays);
        EnvScope env;
        env.set("SWAYSOCK",
                desk == QLatin1String("sway") ? QByteArray("/run/sway-ipc.sock") : QByteArray());
        env.set("HYPRLAND_INSTANCE_SIGNATURE", QByteArray());
        if (desk != QLatin1String("x11")) {
            env.set("WAYLAND_DISPLAY", "wayland-1");
            desktop->roads.waylandWindows = true;
            desktop->roads.pasting = true;
            desktop->roads.compositor =
                desk == QLatin1String("gnome") ? Compositor::Mutter : Compositor::Wlroots;
            desktop->roads.shortcuts = desk == QLatin1String("gnome")
                                           ? DesktopAbilities::Shortcuts::GnomeCustom
                                           : DesktopAbilities::Shortcuts::CompositorBindings;
        }
        build();
        QString shortcutNote;
        QStringList hints;
        QTimer::singleShot(0, [&] {
            auto *editor = qobject_cast<PhraseDialog *>(QApplication::activeModalWidget());
            if (!editor)
                return;
            if (editor->shortcutNoteLabel()->isVisible())
                shortcutNote = editor->shortcutNoteLabel()->text();
            for (QLabel *label : editor->findChildren<QLabel *>()) {
                if (label->isVisible())
                    hints << label->text();
            }
            editor->reject();
        });
        window->addPhrase();
        QCOMPARE(shortcutNote.isEmpty(), shortcutSays.isEmpty());
        for (const QString &word : shortcutSays)
            QVERIFY2(shortcutNote.contains(word), qPrintable(shortcutNote));
        // This fake desktop lets no program read the keys typed in others.
        const QString all = hints.join(QLatin1Char('|'));
        QVERIFY2(!all.contains(QLatin1String("in any program")), qPrintable(all));
        QVERIFY2(all.contains(QLatin1String("abbreviations do not expand here")), qPrintable(all));
    }

#ifndef Q_OS_WIN
    // Where the compositor runs the shortcuts, the window says so in a note
    // that stays until the bindings exist (read from sway's configuration
    // at start, or seen when a binding runs a command), with the way to
    // Options. The note is never cut, at 640 pixels or at 320.
    void roadLineStaysUntilBindingsExist_data()
    {
        QTest::addColumn<bool>("bound");
        QTest::addColumn<int>("width");
        QTest::newRow("no bindings, 640") << false << 640;
        QTest::newRow("no bindings, 320") << false << 320;
        QTest::newRow("bound in the configuration") << true << 640;
    }
    void roadLineStaysUntilBindingsExist()
    {
        QFETCH(bool, bound);
        QFETCH(int, width);
        EnvScope env;
        env.set("WAYLAND_DISPLAY", "wayland-1");
        env.set("SWAYSOCK", "/run/sway-ipc.sock");
        desktop->roads.waylandWindows = true;
        desktop->roads.compositor = Compositor::Wlroots;
        desktop->roads.keys = DesktopAbilities::Keys::VirtualKeyboard;
        desktop->roads.shortcuts = DesktopAbilities::Shortcuts::CompositorBindings;
        desktop->roads.pasting = true;
        desktop->commandsBound = bound;
        store->phrases() << makePhrase(QStringLiteral("Greeting"), QStringLiteral("hi"),
                                       ctrl | Hotkey::ModAlt, 0x31);
        build();
        QCOMPARE(desktop->bindingQuestions.value(0), QCoreApplication::applicationFilePath());
        QLabel *line = window->roadLabel();
        if (bound) {
            QVERIFY2(line->text().isEmpty(), qPrintable(line->text()));
            return;
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->resize(width, 500);
        QTRY_COMPARE(window->width(), width);
        QCoreApplication::processEvents();
        QVERIFY(line->isVisible());
        QVERIFY(line->text().contains(QLatin1String("Options")));
        // Whole: as tall as its text wrapped to its width, inside the window.
        QVERIFY2(line->height() >= line->heightForWidth(line->width()),
                 qPrintable(QStringLiteral("%1 high, needs %2")
                                .arg(line->height())
                                .arg(line->heightForWidth(line->width()))));
        const QRect at(line->mapTo(window.get(), QPoint()), line->size());
        QVERIFY(window->rect().contains(at));
        QVERIFY(window->rect().contains(QRect(window->roadButton()->mapTo(window.get(), QPoint()),
                                              window->roadButton()->size())));
        // Its button opens Options.
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto *options = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget())) {
                opened = true;
                options->reject();
            }
        });
        window->roadButton()->click();
        QVERIFY(opened);
        // A binding ran one of our commands: the bindings exist.
        RemoteCommand::Request toggle;
        toggle.verb = RemoteCommand::Verb::ToggleWindow;
        window->dispatcher()->carryOut(toggle, nullptr);
        QVERIFY2(line->text().isEmpty(), qPrintable(line->text()));
    }
#endif

    // Our own main window in front: it is no target to bring forward or to
    // send keys to. The phrase goes into the field that has the focus there,
    // as the user sees it; with no text field focused it goes nowhere.
    void ownWindowInFrontIsNoTarget_data()
    {
        QTest::addColumn<bool>("inSearchBox");
        QTest::newRow("the search box has the focus") << true;
        QTest::newRow("the table has the focus") << false;
    }
    void ownWindowInFrontIsNoTarget()
    {
        QFETCH(bool, inSearchBox);
        store->phrases() << makePhrase(QStringLiteral("hi"), QStringLiteral("hello"), ctrl, 0x31);
        build();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QWidget *focus = inSearchBox ? static_cast<QWidget *>(window->searchBox())
                                     : static_cast<QWidget *>(window->table());
        focus->setFocus();
        FakeDesktop::Window own;
        own.pid = desktop->ownPid;
        const WindowHandle main = WindowHandle(window->winId());
        desktop->addWindow(main, own);
        desktop->foreground = main;
        desktop->calls.clear();
        press(HotkeyManager::FirstPhraseId);
        QCOMPARE(window->searchBox()->text(), inSearchBox ? QStringLiteral("hello") : QString());
        QCOMPARE(desktop->typedText(), QString());
        for (const QString &call : desktop->calls)
            QVERIFY2(!call.startsWith(QLatin1String("setForegroundWindow")), qPrintable(call));
        QCOMPARE(store->phrases().at(0).lastUsed != 0, inSearchBox);

        // Asked for by name, the phrase that went nowhere says why: our own
        // window is in front, no target refused it.
        if (!inSearchBox) {
            RemoteCommand::Request typed;
            typed.verb = RemoteCommand::Verb::Type;
            typed.name = QStringLiteral("hi");
            bool answered = false;
            RemoteCommand::Reply reply;
            window->dispatcher()->carryOut(typed, [&](const RemoteCommand::Reply &r) {
                answered = true;
                reply = r;
            });
            QTRY_VERIFY(answered);
            QVERIFY(!reply.ok);
            QVERIFY2(reply.text.startsWith(QStringLiteral("Zem Scrivlet's own window is in front")),
                     qPrintable(reply.text));
            QCOMPARE(desktop->typedText(), QString());
        }
    }

#ifndef Q_OS_WIN
    // Help where no browser starts: the user is told where the page is.
    void helpWithoutABrowserSaysWhereThePageIs()
    {
        build();
        QTemporaryDir bin;
        QFile handler(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(handler.open(QIODevice::WriteOnly));
        handler.write("#!/bin/sh\nexit 3\n"); // xdg-open: no browser found
        handler.close();
        QVERIFY(handler.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        const QByteArray cache = qgetenv("XDG_CACHE_HOME");
        qputenv("PATH", bin.path().toUtf8());
        qputenv("XDG_CACHE_HOME", bin.filePath(QStringLiteral("cache")).toUtf8());
        window->openHelpPage();
        qputenv("PATH", path);
        qputenv("XDG_CACHE_HOME", cache);
        QString said;
        QTimer answer;
        answer.setInterval(20);
        connect(&answer, &QTimer::timeout, [&said] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                said = modalText();
                QMetaObject::invokeMethod(modal, "accept");
            }
        });
        answer.start();
        QTRY_VERIFY_WITH_TIMEOUT(!said.isEmpty(), 5000);
        QVERIFY2(said.startsWith(QStringLiteral("No browser could be started")), qPrintable(said));
        QVERIFY2(said.contains(bin.filePath(QStringLiteral("cache/"))), qPrintable(said));
        QVERIFY2(said.endsWith(QStringLiteral("/guide.html")), qPrintable(said));
    }
#endif

    void pauseLeavesOnlyTheShowShortcut()
    {
        store->phrases() << makePhrase(QStringLiteral("hi"), QStringLiteral("hello"), ctrl, 0x31);
        build();
        QCOMPARE(desktop->registered.size(), 3);
        window->dispatcher()->togglePause();
        QVERIFY(window->dispatcher()->paused());
        QCOMPARE(desktop->registered.keys(), QList<int>{HotkeyManager::ShowId});
        QCOMPARE(window->statusLabel()->text(), QStringLiteral("Shortcuts are paused."));
        window->dispatcher()->typePhrase(store->phrases().at(0).id); // e.g. from the picker
        QCOMPARE(desktop->typedText(), QString());
        window->dispatcher()->togglePause();
        QCOMPARE(desktop->registered.size(), 3);
        QCOMPARE(window->statusLabel()->text(), QString());
        press(HotkeyManager::FirstPhraseId);
        QCOMPARE(desktop->typedText(), QStringLiteral("hello"));
    }

    // Started into the tray, the window makes no rows until it is first
    // shown; then they are all there, with what changed meanwhile and the
    // marks of refused shortcuts. The totals follow all along.
    void rowsWaitForTheFirstShow()
    {
        Phrase used = makePhrase(QStringLiteral("Used"), QStringLiteral("x"), ctrl, 0x31);
        used.uses = 2;
        used.charactersSaved = 5;
        store->phrases() << used << makePhrase(QStringLiteral("Other"), QStringLiteral("y"));
        desktop->failingHotkeys.insert(qMakePair(ctrl, 0x31));
        build();
        auto *rows = window->findChild<PhraseTableWidget *>();
        auto *totals = window->findChild<QLabel *>(QStringLiteral("totals"));
        QVERIFY(rows && totals);
        QCOMPARE(rows->rowCount(), 0);
        QCOMPARE(totals->text(), QStringLiteral("Characters saved: 5"));
        store->phrases()[0].charactersSaved = 7;
        store->phrases() << makePhrase(QStringLiteral("Later"), QStringLiteral("z"));
        window->refreshTable();
        QCOMPARE(rows->rowCount(), 0);
        QCOMPARE(totals->text(), QStringLiteral("Characters saved: 7"));

        window->show();
        QStringList names = columnTexts(rows, MainWindow::NameColumn);
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("Later"), QStringLiteral("Other"),
                                     QStringLiteral("Used")}));
        const int usedRow =
            columnTexts(rows, MainWindow::NameColumn).indexOf(QStringLiteral("Used"));
        const QTableWidgetItem *shortcut = rows->item(usedRow, MainWindow::ShortcutColumn);
        QVERIFY(shortcut && !shortcut->icon().isNull());

        // Hidden again, the table keeps following.
        window->hide();
        store->phrases().removeLast();
        window->refreshTable();
        QCOMPARE(rows->rowCount(), 2);
    }

    // A shortcut another program holds does nothing: the status bar and the
    // tray say so once, its cell is marked until it registers, and it
    // registers by itself once the other program lets go of it.
    void refusedShortcutIsReportedAndMarked()
    {
        store->phrases() << makePhrase(QStringLiteral("Free"), QStringLiteral("y"), ctrl, 0x32)
                         << makePhrase(QStringLiteral("Taken"), QStringLiteral("x"), ctrl, 0x31);
        desktop->failingHotkeys.insert(qMakePair(ctrl, 0x31));
        build();
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("Could not register shortcut: Taken (Ctrl+1)"));
        QTableWidget *table = window->table();
        const auto marked = [table](int row) {
            const QTableWidgetItem *item = table->item(row, MainWindow::ShortcutColumn);
            return !item->icon().isNull() &&
                   item->toolTip().contains(QLatin1String("Another program"));
        };
        QVERIFY(!marked(0));
        QVERIFY(marked(1));
        QCOMPARE(window->hotkeys()->deadPhraseIds(), QSet<QString>{store->phrases().at(1).id});

        desktop->failingHotkeys.clear();
        QVERIFY(window->hotkeys()->retryRefused());
        QVERIFY(!marked(1));
        QVERIFY(window->hotkeys()->deadPhraseIds().isEmpty());
        QCOMPARE(desktop->registered.size(), 4);
    }

    // The tray's balloon for shortcuts refused together names a handful and
    // counts them all: one for a few hundred would fill the screen, and
    // laying it out took longer than the rest of the start.
    void refusedShortcutsNotice_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << 1 << QStringLiteral("Could not register shortcut: n0 (Ctrl+1)");
        QTest::newRow("all named") << MainWindow::RefusedShortcutsNamed
                                   << QStringLiteral("Could not register shortcut: n0 (Ctrl+1), "
                                                     "n1 (Ctrl+1), n2 (Ctrl+1), n3 (Ctrl+1), "
                                                     "n4 (Ctrl+1)");
        QTest::newRow("counted") << 300
                                 << QStringLiteral("Could not register 300 shortcuts, among them: "
                                                   "n0 (Ctrl+1), n1 (Ctrl+1), n2 (Ctrl+1), "
                                                   "n3 (Ctrl+1), n4 (Ctrl+1)");
    }
    void refusedShortcutsNotice()
    {
        QFETCH(int, count);
        QFETCH(QString, expected);
        QStringList refused;
        for (int i = 0; i < count; ++i)
            refused << QStringLiteral("n%1 (Ctrl+1)").arg(i);
        QCOMPARE(MainWindow::refusedShortcutsNotice(refused), expected);
    }

    void showShortcutToggles()
    {
        build();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        press(HotkeyManager::ShowId);
        QVERIFY(!window->isVisible());
        QVERIFY(window->backingStore()->size().isEmpty()); // hidden: its pixels given back
        press(HotkeyManager::PickerId);                    // remembers a target
        QCOMPARE(window->dispatcher()->targetWindow(), editor);
        press(HotkeyManager::ShowId);
        QVERIFY(window->isVisible());
        QCOMPARE(window->dispatcher()->targetWindow(), WindowHandle(0));
        QTRY_COMPARE(window->backingStore()->size(), window->size()); // painted again
        window->showMinimized();
        press(HotkeyManager::ShowId);
        QVERIFY(!window->isMinimized());
        QVERIFY(window->isVisible());
    }

    void editWithoutRowAsksForOne()
    {
        store->phrases() << makePhrase(QStringLiteral("p"), QStringLiteral("t"));
        build();
        QString shown;
        QTimer::singleShot(0, [&shown] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            for (QLabel *label : modal->findChildren<QLabel *>())
                if (label->wordWrap())
                    shown = label->text();
            QMetaObject::invokeMethod(modal, "accept");
        });
        window->editPhrase();
        QCOMPARE(shown, QStringLiteral("Select a phrase first."));
    }

    void editKeepsLastUsedAndRegistersTheNewShortcut()
    {
        Phrase p = makePhrase(QStringLiteral("p"), QStringLiteral("t"), ctrl, 0x31);
        p.lastUsed = 777;
        store->phrases() << p;
        build();
        window->table()->selectRow(0);
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *text = dialog->findChild<QPlainTextEdit *>();
            text->setPlainText(QStringLiteral("changed"));
            dialog->accept();
        });
        window->editPhrase();
        QCOMPARE(store->phrases().at(0).text, QStringLiteral("changed"));
        QCOMPARE(store->phrases().at(0).lastUsed, qint64(777));
        QCOMPARE(columnTexts(window->table(), MainWindow::TextColumn),
                 QStringList{QStringLiteral("changed")});
        QVERIFY(QFile::exists(store->dataFilePath()));
    }

    // The phrase being edited goes from the list while the dialog is open
    // (the file merged from another machine deleted it): the edit the user
    // then saves comes back into the list rather than vanishing.
    void editOfAPhraseDeletedMeanwhileIsKept()
    {
        store->phrases() << makePhrase(QStringLiteral("p"), QStringLiteral("t"))
                         << makePhrase(QStringLiteral("q"), QStringLiteral("u"));
        const QString id = store->phrases().at(0).id;
        build();
        window->table()->selectRow(0);
        QTimer::singleShot(0, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            store->phrases().removeFirst();
            dialog->findChild<QPlainTextEdit *>()->setPlainText(QStringLiteral("still wanted"));
            dialog->accept();
        });
        window->editPhrase();
        QCOMPARE(store->phrases().size(), 2);
        QCOMPARE(store->phrases().at(1).text, QStringLiteral("still wanted"));
        QCOMPARE(store->phrases().at(1).id, id);
    }

    void contextMenuSwitchesAPhraseOff_data()
    {
        // 0 "Enabled", 1 "Reset statistics", 3 "Delete" (2 is the separator)
        QTest::addColumn<int>("action");
        QTest::newRow("enabled") << 0;
        QTest::newRow("reset statistics") << 1;
        QTest::newRow("delete") << 3;
    }
    void contextMenuSwitchesAPhraseOff()
    {
        QFETCH(int, action);
        store->phrases() << makePhrase(QStringLiteral("a"), QStringLiteral("x"), ctrl, 0x31)
                         << makePhrase(QStringLiteral("b"), QStringLiteral("y"), ctrl, 0x32);
        store->phrases()[1].uses = 5;
        store->phrases()[1].charactersSaved = 50;
        build();
        window->resize(1000, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QString chosen;
        QTimer::singleShot(0, [&chosen, action] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QAction *entry = menu->actions().value(action);
            QVERIFY(entry);
            chosen = entry->text();
            if (entry->isCheckable())
                QVERIFY(entry->isChecked());
            // Chosen as the user does, so that exec() reports the entry.
            menu->setActiveAction(entry);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTableWidget *table = window->table();
        window->onTableContextMenu(table->visualRect(table->model()->index(1, 0)).center());
        PhraseStore reread(dir->path());
        QVERIFY(reread.load());
        if (action == 0) {
            QCOMPARE(chosen, QStringLiteral("Enabled"));
            QVERIFY(!reread.phrases().at(1).enabled);
            QCOMPARE(table->item(1, MainWindow::EnabledColumn)->text(), QStringLiteral("No"));
        } else if (action == 1) {
            QCOMPARE(chosen, QStringLiteral("Reset statistics"));
            QCOMPARE(reread.phrases().at(1).uses, 0);
            QCOMPARE(reread.phrases().at(1).charactersSaved, 0);
            QCOMPARE(reread.phrases().at(1).text, QStringLiteral("y"));
            QCOMPARE(table->item(1, MainWindow::UsesColumn)->text(), QStringLiteral("0"));
            QCOMPARE(table->item(1, MainWindow::SavedColumn)->text(), QStringLiteral("0"));
        } else {
            QCOMPARE(chosen, QStringLiteral("Delete"));
            QCOMPARE(reread.phrases().size(), 1);
            QCOMPARE(table->rowCount(), 1);
        }
        // Only the first phrase keeps a registered shortcut; a reset takes
        // none away.
        QCOMPARE(desktop->registered.size(), action == 1 ? 4 : 3);
    }

    // The counts show as columns that order the rows at a click on their
    // header (largest first, then smallest, then as the list stands), and
    // as a total in the status bar; an edit keeps them.
    void statisticsShownAndOrdered()
    {
        const qint64 uses[] = {3, 0, 12, 7};
        const char *names[] = {"beta", "alpha", "Gamma", "delta"};
        for (int i = 0; i < 4; ++i) {
            Phrase p = makePhrase(QString::fromLatin1(names[i]), QStringLiteral("t%1").arg(i));
            p.uses = uses[i];
            p.charactersSaved = 100 * uses[i] + 1000;
            store->phrases() << p;
        }
        build();
        window->resize(1000, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTableWidget *table = window->table();
        QVERIFY(!table->isColumnHidden(MainWindow::UsesColumn));
        const auto column = [table](int c) {
            QStringList texts;
            for (int row = 0; row < table->rowCount(); ++row)
                texts << table->item(row, c)->text();
            return texts.join(QLatin1Char(' '));
        };
        QCOMPARE(column(MainWindow::UsesColumn), QStringLiteral("3 0 12 7"));
        QHeaderView *header = table->horizontalHeader();
        const auto click = [header](int c) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(c) + 5, 5));
        };
        click(MainWindow::UsesColumn);
        QCOMPARE(column(MainWindow::UsesColumn), QStringLiteral("12 7 3 0"));
        click(MainWindow::UsesColumn);
        QCOMPARE(column(MainWindow::UsesColumn), QStringLiteral("0 3 7 12"));
        click(MainWindow::UsesColumn);
        QCOMPARE(column(MainWindow::UsesColumn), QStringLiteral("3 0 12 7"));
        click(MainWindow::NameColumn); // words from A, case aside
        QCOMPARE(column(MainWindow::NameColumn), QStringLiteral("alpha beta delta Gamma"));
        // The list itself keeps its order.
        QCOMPARE(store->phrases().at(0).name, QStringLiteral("beta"));
        // Totals: 4 × 1000 + 100 × 22.
        auto *totals = window->findChild<QLabel *>(QStringLiteral("totals"));
        QVERIFY(totals);
        QVERIFY(totals->isVisible());
        QCOMPARE(totals->text(), QStringLiteral("Characters saved: 6,200"));

        // Edited, a phrase keeps what it counted.
        table->selectRow(2); // "delta", with the rows ordered by name
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QPlainTextEdit *>()->setPlainText(QStringLiteral("changed"));
            dialog->accept();
        });
        window->editPhrase();
        const Phrase &edited = store->phrases().at(3);
        QCOMPARE(edited.text, QStringLiteral("changed"));
        QCOMPARE(edited.uses, 7);
        QCOMPARE(edited.charactersSaved, 1700);
    }

    // A tiling window manager gives the window 640 or 320 pixels whatever it
    // asks for. At 640 every command reads whole; at 320 each is still there
    // (its glyph, its name as the tip), never cut to "A…", the table keeps a
    // fair share for the Text column, and nothing sticks out of the window.
    void readsAt640AndUsableAt320_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("theme");
        for (int width : {640, 320}) {
            QTest::addRow("%d Teal", width) << width << int(Theme::Teal);
            QTest::addRow("%d Classic", width) << width << int(Theme::Classic);
        }
    }
    void readsAt640AndUsableAt320()
    {
        QFETCH(int, width);
        QFETCH(int, theme);
        QFont font(QStringLiteral("Microsoft YaHei UI"), 10); // as the program sets it
        if (!font.exactMatch())
            font = QFont(QStringLiteral("Microsoft YaHei"), 10);
        const QFont saved = QApplication::font();
        QApplication::setFont(font);
        store->phrases() << makePhrase(QStringLiteral("Greeting"),
                                       QStringLiteral("Hello, dear colleague, thanks a lot"),
                                       ctrl | Hotkey::ModAlt, 0x31)
                         << makePhrase(QStringLiteral("Address"), QStringLiteral("12 Long Street"))
                         << makePhrase(QStringLiteral("Kind regards signature"),
                                       QStringLiteral("Kind regards,\nJohn"));
        store->phrases().last().abbreviation = QStringLiteral(";kr");
        build();
        window->applyTheme(theme, false);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->resize(width, 600);
        QTRY_COMPARE(window->width(), width);
        QCoreApplication::processEvents();

        const QRect inside = window->rect();
        int whole = 0;
        for (auto *button : window->findChildren<ElidingButton *>()) {
            if (!button->isVisible())
                continue;
            QVERIFY2(!button->text().contains(QChar(0x2026)),
                     qPrintable(button->fullText() + QStringLiteral(" shows ") + button->text()));
            if (button->text() == button->fullText())
                ++whole;
            else
                QVERIFY(button->text().isEmpty() && button->toolTip().contains(button->fullText()));
            const QRect at(button->mapTo(window.get(), QPoint()), button->size());
            QVERIFY2(inside.contains(at), qPrintable(button->fullText()));
        }
        if (width >= 640)
            QCOMPARE(whole, 6);

        QTableWidget *table = window->table();
        const int room = table->viewport()->width();
        const int text = table->columnWidth(MainWindow::TextColumn);
        QVERIFY2(!table->isColumnHidden(MainWindow::TextColumn) && text * 10 >= room * 3,
                 qPrintable(QStringLiteral("Text %1 of %2").arg(text).arg(room)));
        QVERIFY(!table->isColumnHidden(MainWindow::NameColumn));
        QVERIFY(!table->isColumnHidden(MainWindow::ShortcutColumn));
        // The shortcut is read whole.
        const int shortcutText =
            table->fontMetrics().horizontalAdvance(QStringLiteral("Ctrl+Alt+1"));
        QVERIFY(table->columnWidth(MainWindow::ShortcutColumn) > shortcutText);
        // Names are read before abbreviations: at 320 a short name is whole
        // (and the Abbreviation column makes way); at 640 the abbreviations
        // are read whole, and an ordinary name too.
        QVERIFY(table->columnWidth(MainWindow::NameColumn) >
                table->fontMetrics().horizontalAdvance(QStringLiteral("Address")));
        if (width >= 640) {
            QVERIFY(!table->isColumnHidden(MainWindow::AbbreviationColumn));
            QVERIFY(table->columnWidth(MainWindow::AbbreviationColumn) >
                    table->fontMetrics().horizontalAdvance(QStringLiteral(";kr")));
            const int name =
                table->fontMetrics().horizontalAdvance(QStringLiteral("Kind regards signature"));
            QVERIFY2(table->columnWidth(MainWindow::NameColumn) > name,
                     qPrintable(QStringLiteral("Name %1 for %2")
                                    .arg(table->columnWidth(MainWindow::NameColumn))
                                    .arg(name)));
        }
        int used = 0;
        for (int c = 0; c < table->columnCount(); ++c)
            used += table->isColumnHidden(c) ? 0 : table->columnWidth(c);
        QVERIFY2(used <= room, qPrintable(QStringLiteral("%1 of %2").arg(used).arg(room)));
        const QRect search(window->searchBox()->mapTo(window.get(), QPoint()),
                           window->searchBox()->size());
        QVERIFY(inside.contains(search));
        // The user's widths are not rewritten by a narrow window.
        window->saveColumnWidths();
        QVERIFY(store->settings().nameColumnWidth == 0 ||
                store->settings().nameColumnWidth >= MainWindow::NameWidth);
        QApplication::setFont(saved);
    }

    // The window manager of a tiling desktop draws its own title bar on the
    // main window whatever it asks: the window then takes the manager's
    // frame and shows no second title bar of its own.
    void titleBarOnlyWhereTheManagerDrawsNone_data()
    {
        QTest::addColumn<bool>("managerDecorates");
        QTest::newRow("frameless, our title bar") << false;
        QTest::newRow("the manager's frame") << true;
    }
    void titleBarOnlyWhereTheManagerDrawsNone()
    {
        QFETCH(bool, managerDecorates);
        desktop->managerDecorates = managerDecorates;
        build();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->titleBar()->isVisible(), !managerDecorates);
        QCOMPARE(bool(window->windowFlags() & Qt::FramelessWindowHint), !managerDecorates);
        QCOMPARE(window->windowTitle(), QStringLiteral("Zem Scrivlet"));
        // The menu bar stays, at the top of the window then.
        QVERIFY(window->mainMenuBar()->isVisible());
        QVERIFY(window->mainMenuBar()->mapTo(window.get(), QPoint()).y() <
                (managerDecorates ? 8 : window->titleBar()->height() + 8));
    }

    void trayMenuAndTooltip()
    {
        store->settings().language = QStringLiteral("pt"); // no such entry
        build();
        QStringList tray;
        for (QAction *entry : window->trayMenu()->actions()) {
            tray << entry->text();
            QVERIFY(entry->isSeparator() || !entry->icon().isNull());
        }
        QCOMPARE(tray,
                 (QStringList{QStringLiteral("Show main window"), QStringLiteral("Pause shortcuts"),
                              QStringLiteral("Floating panel"), QStringLiteral("Settings"),
                              QString(), QStringLiteral("Exit")}));
        QCOMPARE(window->trayIcon()->toolTip(), QStringLiteral("Zem Scrivlet"));
        QVERIFY(!window->languageGroup()->checkedAction());
    }

    void applicationIconHoldsItsSmallRenderings()
    {
        build();
        // Every rendering a window, title bar or tray asks for, read whole
        // from the icon file; the large ones stay in the file.
        const QList<QSize> sizes = window->trayIcon()->icon().availableSizes();
        QCOMPARE(sizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(window->windowIcon().availableSizes(), sizes);
        const QImage small = window->windowIcon().pixmap(16, 16).toImage();
        QVERIFY(small.pixelColor(8, 8).alpha() > 0);
    }

    // Paused, the tray says so by its icon and its tool tip, in the theme's
    // colours; resumed, it is the application's again.
    void trayShowsThePause()
    {
        store->settings().language = QStringLiteral("en");
        build();
        const auto image = [](const QIcon &icon) { return icon.pixmap(32, 32).toImage(); };
        const QImage running = image(window->trayIcon()->icon());
        QCOMPARE(running, image(window->windowIcon()));
        window->dispatcher()->togglePause();
        const QImage paused = image(window->trayIcon()->icon());
        QVERIFY(paused != running);
        QVERIFY2(window->trayIcon()->toolTip().contains(QLatin1String("paused")),
                 qPrintable(window->trayIcon()->toolTip()));
        // Painted at every size a tray asks for.
        QVERIFY(window->trayIcon()->icon().availableSizes().contains(QSize(16, 16)));
        window->applyTheme(Theme::Classic, false);
        QVERIFY(!image(window->trayIcon()->icon()).isNull());
        QVERIFY(image(window->trayIcon()->icon()) != running);
        window->dispatcher()->togglePause();
        QCOMPARE(image(window->trayIcon()->icon()), running);
        QCOMPARE(window->trayIcon()->toolTip(), QStringLiteral("Zem Scrivlet"));
        window->applyTheme(Theme::Teal, false);
    }

    void pauseEntriesFollowPauseAndLanguage()
    {
        store->settings().language = QStringLiteral("en");
        build();
        window->dispatcher()->togglePause();
        QCOMPARE(window->pauseAction()->text(), QStringLiteral("Resume shortcuts"));
        QCOMPARE(window->trayPauseAction()->text(), QStringLiteral("Resume shortcuts"));
        QAction *german = nullptr;
        for (QAction *entry : window->languageGroup()->actions())
            if (entry->data().toString() == QLatin1String("de"))
                german = entry;
        QVERIFY(german);
        german->trigger();
        QCOMPARE(store->settings().language, QStringLiteral("de"));
        QVERIFY(german->isChecked());
        QCOMPARE(fileObject(store->dataFilePath())
                     .value(QStringLiteral("settings"))
                     .toObject()
                     .value(QStringLiteral("language"))
                     .toString(),
                 QStringLiteral("de"));
        // Both pause entries say "resume" in the new language.
        const QString resume = QCoreApplication::translate("MainWindow", "Resume shortcuts");
        QCOMPARE(window->pauseAction()->text(), resume);
        QCOMPARE(window->trayPauseAction()->text(), resume);
        // So does the tray's tool tip.
        QCOMPARE(window->trayIcon()->toolTip(),
                 QCoreApplication::translate("MainWindow", "Zem Scrivlet: shortcuts are paused"));
        QVERIFY(window->trayIcon()->toolTip() !=
                QLatin1String("Zem Scrivlet: shortcuts are paused"));
        // The language in use again: nothing is written.
        QVERIFY(QFile::remove(store->dataFilePath()));
        german->trigger();
        QVERIFY(!QFile::exists(store->dataFilePath()));
        window->dispatcher()->togglePause();
        const QString pause = QCoreApplication::translate("MainWindow", "Pause shortcuts");
        QCOMPARE(window->pauseAction()->text(), pause);
        QCOMPARE(window->trayPauseAction()->text(), pause);
        window->applyLanguage(QStringLiteral("en"));
    }

    void panelEntriesAgree()
    {
        store->settings().showFloatingPanel = true;
        build();
        QVERIFY(window->panelAction()->isChecked());
        QVERIFY(window->trayPanelAction()->isChecked());
        window->trayPanelAction()->trigger();
        QVERIFY(!window->panelAction()->isChecked());
        QVERIFY(!store->settings().showFloatingPanel);
        const auto stored = [this] {
            return fileObject(store->dataFilePath())
                .value(QStringLiteral("settings"))
                .toObject()
                .value(QStringLiteral("showFloatingPanel"))
                .toBool();
        };
        QVERIFY(!stored());
        window->panelAction()->trigger();
        QVERIFY(window->trayPanelAction()->isChecked());
        QVERIFY(stored());
    }

    void closeHint()
    {
        build();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const struct
        {
            bool checkedAtFirst, tick, titleBarClose, seen, shown;
        } steps[] = {
            {false, false, false, true, false}, // first time: OK stores only closeHintSeen
            {true, true, true, true, false},    // the title-bar button never silences it
            {true, true, false, true, true},    // OK with the box ticked does
        };
        for (const auto &step : steps) {
            bool checkedAtFirst = !step.checkedAtFirst;
            QPoint centre;
            QTimer::singleShot(0, [&] {
                auto *hint = qobject_cast<ThemedDialog *>(QApplication::activeModalWidget());
                QVERIFY(hint);
                centre = hint->frameGeometry().center();
                auto *box = hint->findChild<QCheckBox *>();
                QVERIFY(box);
                checkedAtFirst = box->isChecked();
                box->setChecked(step.tick);
                if (step.titleBarClose)
                    hint->dialogTitleBar()->closeButton()->click();
                else
                    hint->findChild<QPushButton *>(QStringLiteral("primary"))->click();
            });
            window->showCloseHint();
            QCOMPARE(checkedAtFirst, step.checkedAtFirst);
            QVERIFY((centre - window->frameGeometry().center()).manhattanLength() <= 2);
            const QJsonObject settings =
                fileObject(store->dataFilePath()).value(QStringLiteral("settings")).toObject();
            QCOMPARE(settings.value(QStringLiteral("closeHintSeen")).toBool(), step.seen);
            QCOMPARE(settings.value(QStringLiteral("closeHintShown")).toBool(), step.shown);
        }
    }

    void restoredPlace_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QRect>("restored"); // invalid: the default place
        // Two screens side by side, the right one lower and smaller.
        QTest::newRow("nothing saved") << QRect() << QRect();
        QTest::newRow("on the first screen")
            << QRect(100, 80, 700, 500) << QRect(100, 80, 700, 500);
        QTest::newRow("on the second screen")
            << QRect(2000, 300, 600, 400) << QRect(2000, 300, 600, 400);
        QTest::newRow("across both, kept on the one it mostly covers")
            << QRect(1500, 300, 600, 400) << QRect(1320, 300, 600, 400);
        QTest::newRow("hanging off the bottom")
            << QRect(100, 900, 700, 500) << QRect(100, 540, 700, 500);
        QTest::newRow("title bar above the top")
            << QRect(100, -20, 700, 500) << QRect(100, 0, 700, 500);
        QTest::newRow("larger than the screen it is on")
            << QRect(2000, 200, 1500, 1200) << QRect(1920, 200, 1280, 824);
        QTest::newRow("a screen that is gone") << QRect(4000, 100, 700, 500) << QRect();
        QTest::newRow("a sliver left on a screen") << QRect(-680, 100, 700, 500) << QRect();
    }
    void restoredPlace()
    {
        QFETCH(QRect, saved);
        QFETCH(QRect, restored);
        const QVector<QRect> areas{QRect(0, 0, 1920, 1040), QRect(1920, 200, 1280, 824)};
        QCOMPARE(WindowPlace::restored(saved, areas), restored);
    }

    // The window comes back where it was left: after a hide (to the tray,
    // the show/hide shortcut) and after a restart; a place on a screen that
    // is gone falls back to the window manager's.
    void windowComesBackWhereItWasLeft()
    {
        build();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect area = window->screen()->availableGeometry();
        const QRect left(area.topLeft() + QPoint(37, 23), QSize(500, 400));
        window->resize(left.size());
        window->move(left.topLeft());
        QTRY_COMPARE(window->frameGeometry().topLeft(), left.topLeft());
        press(HotkeyManager::ShowId); // hides
        QVERIFY(!window->isVisible());
        const QJsonObject settings =
            fileObject(store->dataFilePath()).value(QStringLiteral("settings")).toObject();
        QCOMPARE(QRect(settings.value(QStringLiteral("mainWindowX")).toInt(),
                       settings.value(QStringLiteral("mainWindowY")).toInt(),
                       settings.value(QStringLiteral("mainWindowWidth")).toInt(),
                       settings.value(QStringLiteral("mainWindowHeight")).toInt()),
                 left);
        window->move(area.topLeft() + QPoint(200, 150)); // where a manager might put it
        press(HotkeyManager::ShowId);
        QVERIFY(window->isVisible());
        QCOMPARE(QRect(window->frameGeometry().topLeft(), window->size()), left);

        // Moved again, then Exit while shown, and a restart.
        const QRect atExit(area.topLeft() + QPoint(11, 9), left.size());
        window->move(atExit.topLeft());
        QTRY_COMPARE(window->frameGeometry().topLeft(), atExit.topLeft());
        window->quitApp();
        // Exit asked the application to quit: that request is used up here,
        // or every dialog of a later test would end at once.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        window.reset();
        store = std::make_unique<PhraseStore>(dir->path());
        QVERIFY(store->load());
        build();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(QRect(window->frameGeometry().topLeft(), window->size()), atExit);

        // Saved on a screen that is no more.
        window.reset();
        store->settings().mainWindowX = area.right() + 5000;
        build();
        const QPoint builtAt = window->pos();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->pos(), builtAt);
    }

    void closeWithoutTrayLeavesTheShortcutToComeBack()
    {
        build();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(!window->trayUsable()); // no tray on this platform
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        // No hint: nothing of it is stored.
        const QJsonObject settings =
            fileObject(store->dataFilePath()).value(QStringLiteral("settings")).toObject();
        QVERIFY(!settings.value(QStringLiteral("closeHintSeen")).toBool());
        QVERIFY(!settings.value(QStringLiteral("closeHintShown")).toBool());
        press(HotkeyManager::ShowId);
        QVERIFY(window->isVisible());
    }

    void deleteKeyActsOnlyInTheTable_data()
    {
        QTest::addColumn<bool>("inTable");
        QTest::newRow("table") << true;
        QTest::newRow("search box") << false;
    }
    void deleteKeyActsOnlyInTheTable()
    {
        QFETCH(bool, inTable);
        store->phrases() << makePhrase(QStringLiteral("a"), QStringLiteral("x"))
                         << makePhrase(QStringLiteral("b"), QStringLiteral("y"));
        build();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->table()->selectRow(0);
        QWidget *target = inTable ? static_cast<QWidget *>(window->table()) : window->searchBox();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Delete);
        QCOMPARE(store->phrases().size(), inTable ? 1 : 2);
    }

    void importMessages_data()
    {
        QTest::addColumn<QString>("content"); // empty: no file at all
        QTest::addColumn<bool>("blockSave");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("rows");
        const QString unreadable = QStringLiteral("Could not read the file.");
        QTest::newRow("missing") << QString() << false << unreadable << 0;
        QTest::newRow("not JSON") << QStringLiteral("[1, 2") << false << unreadable << 0;
        QTest::newRow("saved") << QStringLiteral("{\"phrases\": [{\"text\": \"new\"}]}") << false
                               << QString() << 1;
        QTest::newRow("not saved") << QStringLiteral("{\"phrases\": [{\"text\": \"new\"}]}") << true
                                   << QStringLiteral("The phrases were imported, but the data file "
                                                     "could not be saved. They will be saved with "
                                                     "your next change.")
                                   << 1;
    }
    void importMessages()
    {
        QFETCH(QString, content);
        QFETCH(bool, blockSave);
        QFETCH(QString, message);
        QFETCH(int, rows);
        const QString path = dir->filePath(QStringLiteral("backup.json"));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.toUtf8());
        }
        if (blockSave) // a folder where the data file goes
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("phrases.json")));
        build();
        const QString shown = answerModal([&] { window->importBackupFrom(path); });
        QCOMPARE(shown, message);
        if (message.isEmpty())
            QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Phrases imported."));
        QCOMPARE(window->table()->rowCount(), rows);
    }

    // Another machine's version may land between the load and the window's
    // watch on the file (a start at login while a sync tool catches up):
    // the window takes it in as it takes in any later change, no change
    // notice being due for it.
    void fileChangedBeforeTheWatchIsTakenIn()
    {
        store->phrases() << makePhrase(QStringLiteral("alpha"), QStringLiteral("alpha one"));
        QVERIFY(store->save());
        QVERIFY(store->load());
        PhraseStore other(dir->path());
        QVERIFY(other.load());
        other.phrases() << makePhrase(QStringLiteral("gamma"), QStringLiteral("gamma new"));
        QVERIFY(other.save());
        build();
        QTRY_COMPARE_WITH_TIMEOUT(columnTexts(window->table(), MainWindow::NameColumn),
                                  (QStringList{QStringLiteral("alpha"), QStringLiteral("gamma")}),
                                  DataFileWatcher::PollMs + 1000);
    }

    void importListsTheSkipped_data()
    {
        QTest::addColumn<int>("fresh");
        QTest::addColumn<QString>("head");
        QTest::newRow("nothing new") << 0 << QStringLiteral("No new phrases were imported.");
        QTest::newRow("one new") << 1 << QStringLiteral("Imported 1 new phrase(s).");
    }
    void importListsTheSkipped()
    {
        QFETCH(int, fresh);
        QFETCH(QString, head);
        QStringList texts;
        for (int i = 0; i < 25; ++i) {
            texts << QStringLiteral("t%1").arg(i);
            store->phrases() << makePhrase(QString(), texts.last());
        }
        build();
        QStringList backup = texts;
        if (fresh)
            backup.prepend(QStringLiteral("fresh"));
        const QString path = dir->filePath(QStringLiteral("backup.json"));
        QVERIFY(writeBackup(path, backup));
        const QStringList lines =
            answerModal([&] { window->importBackupFrom(path); }).split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), head);
        QCOMPARE(lines.mid(lines.size() - 21), texts.mid(0, 20)
                                                   << QString::fromUtf8("…and 5 more"));
        QCOMPARE(window->table()->rowCount(), 25 + fresh);
    }

    // A skipped phrase is named by its text, which may be anything: the
    // notice shows it as it stands and reads no file it names.
    void skippedTextIsShownAsItStands()
    {
        const MarkupProbe::Name probe;
        const QString hostile = probe.text();
        store->phrases() << makePhrase(QString(), hostile);
        build();
        const QString path = dir->filePath(QStringLiteral("backup.json"));
        QVERIFY(writeBackup(path, {hostile}));
        bool image = true;
        QString said;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            modal->adjustSize();
            for (QLabel *label : modal->findChildren<QLabel *>()) {
                if (label->wordWrap()) {
                    said = label->text();
                    image = MarkupProbe::showsImage(label);
                }
            }
            QMetaObject::invokeMethod(modal, "accept");
        });
        window->importBackupFrom(path);
        QVERIFY2(said.endsWith(QLatin1Char('\n') + hostile), qPrintable(said));
        QVERIFY(!image);
    }

    // A file of another tool: the count, the clashes, and every entry that
    // did not come over with why, in a box that scrolls however many there
    // are; the table shows the new phrases at once. The command line's
    // import answers with the same counts and shows the notice after.
    void importOfAnotherToolsFile()
    {
        store->phrases() << makePhrase(QStringLiteral("Mine"), QStringLiteral("same"));
        build();
        const QString path = dir->filePath(QStringLiteral("phrases.csv"));
        QByteArray csv = "name,text,abbreviation\r\nNew,fresh,;n\r\nOld,same,\r\n";
        for (int i = 0; i < 300; ++i)
            csv += "Bad " + QByteArray::number(i) + ",x" + QByteArray::number(i) + ",has space\r\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        QString said;
        QStringList details;
        int boxHeight = 0;
        QTimer::singleShot(0, [&] {
            said = modalText();
            if (QWidget *modal = QApplication::activeModalWidget()) {
                if (auto *box =
                        modal->findChild<QPlainTextEdit *>(QStringLiteral("noticeDetails"))) {
                    details = box->toPlainText().split(QLatin1Char('\n'));
                    boxHeight = box->height();
                }
                QMetaObject::invokeMethod(modal, "accept");
            }
        });
        window->importBackupFrom(path);
        const QStringList lines = said.split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("Imported 1 new phrase(s)."));
        QVERIFY2(said.contains(QStringLiteral("\nOld\n")), qPrintable(said));
        QCOMPARE(lines.last(), QStringLiteral("300 entries were not imported, as this program "
                                              "cannot do what they do:"));
        QCOMPARE(details.size(), 300);
        QCOMPARE(details.last(), QStringLiteral("Bad 299: its trigger has spaces or is longer "
                                                "than 32 characters"));
        QVERIFY(boxHeight > 0 && boxHeight < 400);
        QCOMPARE(window->table()->rowCount(), 2);

        // Again, from the command line: nothing new, the counts answered at
        // once, the notice after.
        const RemoteCommand::Reply reply = window->importForCommand(path);
        QVERIFY(reply.ok);
        QVERIFY2(reply.text.startsWith(QStringLiteral(
                     "Imported 0 new phrase(s). 2 skipped: the same text is already in your "
                     "list.\n300 not imported:\nBad 0: ")),
                 qPrintable(reply.text));
        QVERIFY(reply.text.endsWith(QString::fromUtf8("\n…and 280 more")));
        said.clear();
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] {
                said = modalText();
                if (QWidget *modal = QApplication::activeModalWidget())
                    QMetaObject::invokeMethod(modal, "accept");
            });
        });
        QTRY_VERIFY(!said.isEmpty());
        QVERIFY(said.startsWith(QStringLiteral("No new phrases were imported.")));

        const RemoteCommand::Reply missing =
            window->importForCommand(dir->filePath(QStringLiteral("none.yml")));
        QVERIFY(!missing.ok);
        QCOMPARE(missing.text, QStringLiteral("Could not read the file."));
    }

    // File > Export to CSV writes what Import reads back.
    void exportToCsv()
    {
        store->phrases() << makePhrase(QStringLiteral("A, b"), QStringLiteral("say \"hi\"\nthere"));
        store->phrases()[0].abbreviation = QStringLiteral(";hi");
        build();
        const QString path = dir->filePath(QStringLiteral("out.csv"));
        QVERIFY(window->exportCsvTo(path));
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Phrases exported."));
        QCOMPARE(fileBytes(path), QByteArray("\"name\",\"text\",\"abbreviation\"\r\n"
                                             "\"A, b\",\"say \"\"hi\"\"\nthere\",\";hi\"\r\n"));
        const QString shown = answerModal([&] { QVERIFY(!window->exportCsvTo(dir->path())); });
        QCOMPARE(shown, QStringLiteral("Could not write the file."));
    }

    void exportEmptyList()
    {
        build();
        const QString path = dir->filePath(QStringLiteral("backup.json"));
        QVERIFY(window->exportBackupTo(path));
        const QJsonObject exported = fileObject(path);
        QVERIFY(exported.value(QStringLiteral("phrases")).isArray());
        QVERIFY(exported.value(QStringLiteral("phrases")).toArray().isEmpty());
        QVERIFY(!exported.contains(QStringLiteral("settings")));
        QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("Phrases exported."));
        const QString shown = answerModal([&] { QVERIFY(!window->exportBackupTo(dir->path())); });
        QCOMPARE(shown, QStringLiteral("Could not write the file."));
    }

    void exportFileName_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no suffix") << "/d/mybackup"
                                   << "/d/mybackup.json";
        QTest::newRow("json") << "/d/mybackup.json"
                              << "/d/mybackup.json";
        QTest::newRow("another suffix") << "/d/mybackup.txt"
                                        << "/d/mybackup.txt";
        QTest::newRow("dot at the end") << "/d/mybackup."
                                        << "/d/mybackup.json";
        QTest::newRow("dotted folder") << "/d/old.files/mybackup"
                                       << "/d/old.files/mybackup.json";
        QTest::newRow("cancelled") << QString() << QString();
    }
    void exportFileName()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(MainWindow::exportFileName(chosen), written);
    }

    // Export through the file dialog: a bare name gets ".json", and a file
    // of that final name is replaced only after the dialog asked. Both
    // dialogs open in the documents folder, then in the last one used while
    // it exists.
    void exportAndImportDialogs()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        store->phrases() << makePhrase(QStringLiteral("a"), QStringLiteral("x"));
        build();
        const QString documents = MainWindow::backupStartFolder(QString());
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("backups")));
        const QString folder = dir->filePath(QStringLiteral("backups"));
        const QString target = folder + QStringLiteral("/mybackup.json");

        // Answers the file dialog with name (nothing: cancels), and the
        // question about replacing a file, if one comes, with replace.
        const auto runDialog = [&](auto command, const QString &name, bool replace,
                                   QString *openedIn, QStringList *filters, bool *asked) {
            QTimer timer;
            timer.setInterval(10);
            QPointer<QFileDialog> shown;
            QObject::connect(&timer, &QTimer::timeout, [&] {
                QWidget *modal = QApplication::activeModalWidget();
                if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                    *asked = true;
                    box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                    if (!replace) // the file dialog stays for another name
                        QMetaObject::invokeMethod(shown, "reject", Qt::QueuedConnection);
                    return;
                }
                auto *files = qobject_cast<QFileDialog *>(modal);
                if (!files || shown)
                    return;
                shown = files;
                *openedIn = files->directory().absolutePath();
                *filters = files->nameFilters();
                if (name.isEmpty()) {
                    files->reject();
                    return;
                }
                files->setDirectory(folder);
                // Typed into the name field, as the user does.
                auto *field = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                QVERIFY(field);
                field->setText(name);
                QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
            });
            timer.start();
            command();
        };

        QString openedIn;
        QStringList filters;
        bool asked = false;
        runDialog([&] { window->exportBackup(); }, QStringLiteral("mybackup"), false, &openedIn,
                  &filters, &asked);
        QCOMPARE(QDir(openedIn), QDir(documents));
        QVERIFY(!asked);
        QCOMPARE(fileObject(target).value(QStringLiteral("phrases")).toArray().size(), 1);
        QVERIFY(!QFile::exists(folder + QStringLiteral("/mybackup")));
        QCOMPARE(fileObject(store->dataFilePath())
                     .value(QStringLiteral("settings"))
                     .toObject()
                     .value(QStringLiteral("backupFolder"))
                     .toString(),
                 QFileInfo(folder).absoluteFilePath());

        // The same bare name again: the question covers mybackup.json.
        QFile other(target);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("{}");
        other.close();
        runDialog([&] { window->exportBackup(); }, QStringLiteral("mybackup"), false, &openedIn,
                  &filters, &asked);
        QVERIFY(asked);
        QCOMPARE(fileBytes(target), QByteArray("{}"));
        QCOMPARE(QDir(openedIn), QDir(folder));
        asked = false;
        runDialog([&] { window->exportBackup(); }, QStringLiteral("mybackup"), true, &openedIn,
                  &filters, &asked);
        QVERIFY(asked);
        QCOMPARE(fileObject(target).value(QStringLiteral("phrases")).toArray().size(), 1);

        // Import: the remembered folder, every kind it reads at once first,
        // then each, then every file.
        runDialog([&] { window->importBackup(); }, QString(), false, &openedIn, &filters, &asked);
        QCOMPARE(QDir(openedIn), QDir(folder));
        QCOMPARE(filters,
                 (QStringList{
                     QStringLiteral("Phrases of Zem Scrivlet, Espanso or Beeftext (*.json *.yml "
                                    "*.yaml *.csv)"),
                     QStringLiteral("Phrase backup (*.json)"),
                     QStringLiteral("Espanso match file (*.yml *.yaml)"),
                     QStringLiteral("Beeftext export (*.json *.csv)"),
                     QStringLiteral("Name, text and abbreviation (*.csv)"),
                     QStringLiteral("All files (*)")}));
        // A remembered folder that is gone: documents again, after a restart.
        QVERIFY(QDir(folder).removeRecursively());
        window.reset();
        store = std::make_unique<PhraseStore>(dir->path());
        QVERIFY(store->load());
        build();
        runDialog([&] { window->importBackup(); }, QString(), false, &openedIn, &filters, &asked);
        QCOMPARE(QDir(openedIn), QDir(documents));
    }

    // Options puts back only what it changed: a setting that moved while it
    // was open (the panel dragged, a merge from another machine) stays, and
    // one changed in both places takes the dialog's.
    void optionsKeepWhatChangedMeanwhile()
    {
        build();
        store->settings().pickerMods = ctrl;
        store->settings().pickerVk = 0x52;
        const bool afterDelimiter = store->settings().abbreviationsAfterDelimiter;
        QTimer::singleShot(0, [this, afterDelimiter] {
            auto *dialog = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            store->settings().floatingPanelX = 321;
            // One the dialog shows, left as it was there.
            store->settings().abbreviationsAfterDelimiter = !afterDelimiter;
            store->settings().pickerVk = 0x51;
            dialog->pickerEdit()->setHotkey(ctrl | Hotkey::ModAlt, 0x50);
            dialog->accept();
        });
        window->openSettings();
        QCOMPARE(store->settings().floatingPanelX, 321);
        QCOMPARE(store->settings().abbreviationsAfterDelimiter, !afterDelimiter);
        QCOMPARE(store->settings().pickerVk, 0x50);
        QCOMPARE(store->settings().pickerMods, ctrl | Hotkey::ModAlt);
    }

    void acceptedOptionsTakeEffectAtOnce()
    {
        // The Run value is one per user: tst_autostart, which may run at the
        // same time, owns it.
        if (QSysInfo::kernelType() == QLatin1String("winnt"))
            QSKIP("accepting Options writes the user's Run value");
        build();
        const auto accept = [](bool startAtLogin) {
            QTimer::singleShot(0, [startAtLogin] {
                auto *dialog = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->pickerEdit()->setHotkey(ctrl | Hotkey::ModAlt, 0x50);
                dialog->startBox()->setChecked(startAtLogin);
                dialog->accept();
            });
        };
        accept(true);
        window->openSettings();
        QCOMPARE(desktop->registered.value(HotkeyManager::PickerId),
                 qMakePair(ctrl | Hotkey::ModAlt, 0x50));
        QCOMPARE(fileObject(store->dataFilePath())
                     .value(QStringLiteral("settings"))
                     .toObject()
                     .value(QStringLiteral("pickerVk"))
                     .toInt(),
                 0x50);
        QVERIFY(Autostart::isEnabled());
        accept(false);
        window->openSettings();
        QVERIFY(!Autostart::isEnabled());
    }

private:
    void build()
    {
        window = std::make_unique<MainWindow>(store.get(), &translator, desktop.get());
    }

    QTemporaryDir config;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PhraseStore> store;
    std::unique_ptr<FakeDesktop> desktop;
    QTranslator translator;
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
