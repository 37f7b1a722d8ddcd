#include "dialogs/apprulesdialog.h"
#include "dialogs/settingsdialog.h"
#include "fakes/fakedesktop.h"
#include "insert/insertplans.h"
#include "store/phrasestore.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

void setRoad(AppRulesDialog &d, int row, InsertMethod road)
{
    QComboBox *box = d.roadBox(row);
    box->setCurrentIndex(box->findData(int(road)));
}

InsertMethod roadOf(AppRulesDialog &d, int row)
{
    return InsertMethod(d.roadBox(row)->currentData().toInt());
}

} // namespace

Q_DECLARE_METATYPE(InsertMethod)

class AppRulesDialogTest : public QObject
{
    Q_OBJECT

private slots:
    // The program's own rules are listed and cannot go; given another road
    // they are the user's, and removing that brings back the program's.
    void builtInRulesAreOverriddenNotDeleted()
    {
        AppRulesDialog d({}, nullptr);
        QCOMPARE(d.table()->rowCount(), InsertPlans::builtInRules().size());
        QVERIFY(d.rules().isEmpty());
        const int xterm = d.rowOf(QStringLiteral("xterm"));
        QVERIFY(xterm >= 0);
        QCOMPARE(roadOf(d, xterm), InsertMethod::PasteShiftInsert);
        QVERIFY(!(d.table()->item(xterm, 0)->flags() & Qt::ItemIsEditable));
        d.table()->setCurrentCell(xterm, 0);
        QVERIFY(!d.removeButton()->isEnabled());

        setRoad(d, xterm, InsertMethod::TypeOnly);
        QCOMPARE(d.rules(), (QVector<AppRule>{{QStringLiteral("XTerm"), InsertMethod::TypeOnly}}));
        QVERIFY(d.removeButton()->isEnabled());
        d.removeRule();
        QCOMPARE(d.table()->rowCount(), InsertPlans::builtInRules().size());
        QCOMPARE(roadOf(d, xterm), InsertMethod::PasteShiftInsert);
        QVERIFY(d.rules().isEmpty());
    }

    // The user's rules come back as they were stored, above the program's,
    // and an override of a program's rule shows on that rule's own row.
    void storedRulesAreShown()
    {
        const QVector<AppRule> stored{{QStringLiteral("gedit"), InsertMethod::Never},
                                      {QStringLiteral("konsole"), InsertMethod::PasteCtrlV}};
        AppRulesDialog d(stored, nullptr);
        QCOMPARE(d.table()->rowCount(), InsertPlans::builtInRules().size() + 1);
        QCOMPARE(d.table()->item(0, 0)->text(), QStringLiteral("gedit"));
        QCOMPARE(roadOf(d, 0), InsertMethod::Never);
        QCOMPARE(roadOf(d, d.rowOf(QStringLiteral("Konsole"))), InsertMethod::PasteCtrlV);
        QCOMPARE(d.rules(), stored);
    }

    void addAndRemove()
    {
        AppRulesDialog d({}, nullptr);
        d.addRule();
        QCOMPARE(d.table()->currentRow(), 0);
        d.table()->item(0, 0)->setText(QStringLiteral("  Mousepad  "));
        setRoad(d, 0, InsertMethod::PasteCtrlShiftV);
        QCOMPARE(d.rules(),
                 (QVector<AppRule>{{QStringLiteral("Mousepad"), InsertMethod::PasteCtrlShiftV}}));
        d.addRule(); // left without a name: not a rule
        QCOMPARE(d.rules().size(), 1);
        d.table()->setCurrentCell(d.rowOf(QStringLiteral("mousepad")), 0);
        QVERIFY(d.removeButton()->isEnabled());
        d.removeRule();
        QVERIFY(d.rules().isEmpty());
    }

    // The window the user clicks names the rule; one named already is the
    // one selected, not a second.
    void pickAWindow()
    {
        FakeDesktop desktop;
        desktop.picked = 0x77;
        desktop.apps.insert(0x77, TargetApp{QStringLiteral("gimp"), QStringLiteral("Gimp"),
                                            QStringLiteral("gimp-2.10"), QStringLiteral("Gimp")});
        AppRulesDialog d({}, &desktop);
        QVERIFY(d.pickButton()->isEnabled());
        d.pickWindow();
        QVERIFY(desktop.calls.contains(
            QStringLiteral("pickWindow %1").arg(AppRulesDialog::PickWaitMs)));
        const int row = d.rowOf(QStringLiteral("Gimp"));
        QCOMPARE(row, 0);
        QCOMPARE(d.table()->currentRow(), row);
        QCOMPARE(roadOf(d, row), InsertMethod::Automatic);
        setRoad(d, row, InsertMethod::TypeOnly);
        d.pickWindow();
        QCOMPARE(d.table()->rowCount(), InsertPlans::builtInRules().size() + 1);
        QCOMPARE(d.rules(), (QVector<AppRule>{{QStringLiteral("Gimp"), InsertMethod::TypeOnly}}));

        // A terminal the program knows: its own row.
        desktop.apps[0x77] = TargetApp{QStringLiteral("xterm"), QStringLiteral("XTerm"),
                                       QStringLiteral("xterm"), QStringLiteral("XTerm")};
        d.pickWindow();
        QCOMPARE(d.table()->currentRow(), d.rowOf(QStringLiteral("XTerm")));
        QCOMPARE(d.table()->rowCount(), InsertPlans::builtInRules().size() + 1);

        desktop.picked = 0; // nothing clicked
        d.pickWindow();
        QCOMPARE(d.table()->rowCount(), InsertPlans::builtInRules().size() + 1);
        AppRulesDialog without({}, nullptr);
        QVERIFY(!without.pickButton()->isEnabled());
    }

    // "No abbreviations here" keeps the road the phrases take (the stored
    // one, else the program's own) and turns only the abbreviations off;
    // on one of the program's rows, choosing its own road again undoes it.
    void noAbbreviationsHere()
    {
        const QVector<AppRule> stored{{QStringLiteral("Tk"), InsertMethod::Automatic, false},
                                      {QStringLiteral("konsole"), InsertMethod::PasteCtrlV, false}};
        AppRulesDialog d(stored, nullptr);
        const int tk = d.rowOf(QStringLiteral("tk"));
        const int konsole = d.rowOf(QStringLiteral("konsole"));
        QCOMPARE(d.roadBox(tk)->currentData().toInt(), int(AppRulesDialog::NoAbbreviations));
        QCOMPARE(d.roadBox(tk)->currentText(), QStringLiteral("No abbreviations here"));
        QCOMPARE(d.roadBox(konsole)->currentData().toInt(), int(AppRulesDialog::NoAbbreviations));
        QCOMPARE(d.rules(), stored);

        const int xterm = d.rowOf(QStringLiteral("xterm"));
        d.roadBox(xterm)->setCurrentIndex(
            d.roadBox(xterm)->findData(int(AppRulesDialog::NoAbbreviations)));
        d.table()->setCurrentCell(xterm, 0);
        QVERIFY(d.removeButton()->isEnabled());
        QCOMPARE(d.rules().size(), 3);
        QVERIFY(d.rules().contains(
            AppRule{QStringLiteral("XTerm"), InsertMethod::PasteShiftInsert, false}));
        d.removeRule();
        QCOMPARE(d.rules(), stored);

        // A road chosen again brings the abbreviations back.
        setRoad(d, konsole, InsertMethod::TypeOnly);
        QCOMPARE(d.rules().last(), (AppRule{QStringLiteral("konsole"), InsertMethod::TypeOnly}));
        // Never insert here keeps abbreviations out as well, and says so.
        AppRulesDialog never({{QStringLiteral("gedit"), InsertMethod::Never, false}}, nullptr);
        QCOMPARE(roadOf(never, 0), InsertMethod::Never);
    }

    void twoRulesForOneApplicationAreRefused()
    {
        AppRulesDialog d({{QStringLiteral("gedit"), InsertMethod::Never}}, nullptr);
        QVERIFY(d.validationMessage().isEmpty());
        d.addRule();
        const int added = d.table()->currentRow();
        QCOMPARE(added, 1); // below the user's own, above the program's
        d.table()->item(added, 0)->setText(QStringLiteral("GEDIT"));
        QCOMPARE(d.validationMessage(),
                 QString::fromUtf8("Two rules name \u201cGEDIT\u201d. Keep one."));
        d.table()->item(added, 0)->setText(QStringLiteral("xterm"));
        QVERIFY(d.validationMessage().contains(QLatin1String("XTerm")) ||
                d.validationMessage().contains(QLatin1String("xterm")));
    }

    // Options hands the rules over and takes them back only when accepted.
    void optionsKeepTheRules()
    {
        QTemporaryDir dir;
        PhraseStore store(dir.path());
        store.settings().appRules = {{QStringLiteral("gedit"), InsertMethod::Never}};
        SettingsDialog options(&store, false, false);
        QCOMPARE(options.settings().appRules, store.settings().appRules);
        QTimer::singleShot(0, [] {
            auto *d = qobject_cast<AppRulesDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->table()->item(0, 0)->setText(QStringLiteral("mousepad"));
            d->accept();
        });
        options.editApplications();
        QCOMPARE(options.settings().appRules,
                 (QVector<AppRule>{{QStringLiteral("mousepad"), InsertMethod::Never}}));
        QTimer::singleShot(0, [] {
            auto *d = qobject_cast<AppRulesDialog *>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->table()->item(0, 0)->setText(QStringLiteral("kate"));
            d->reject();
        });
        options.editApplications();
        QCOMPARE(options.settings().appRules.first().match, QStringLiteral("mousepad"));
    }
};

QTEST_MAIN(AppRulesDialogTest)
#include "tst_apprulesdialog.moc"
