#include "insert/insertplans.h"
#include "store/apprules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

Q_DECLARE_METATYPE(InsertMethod)
Q_DECLARE_METATYPE(PasteKey)
Q_DECLARE_METATYPE(TargetApp)

namespace {
TargetApp app(const QString &instance, const QString &cls, const QString &exe)
{
    return TargetApp{instance, cls, exe, cls};
}
} // namespace

class InsertPlansTest : public QObject
{
    Q_OBJECT

private slots:
    // Which road an application gets: the user's rule over the built-in one,
    // the terminal's paste key kept where the user's road names none, and
    // abbreviations off where the user's rule says so (a "!" after its road).
    void resolve_data()
    {
        QTest::addColumn<TargetApp>("target");
        QTest::addColumn<QString>("rules"); // match=road, comma-separated
        QTest::addColumn<InsertMethod>("road");
        QTest::addColumn<PasteKey>("key");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<bool>("abbreviations");
        const TargetApp xterm =
            app(QStringLiteral("xterm"), QStringLiteral("XTerm"), QStringLiteral("xterm"));
        const TargetApp lx = app(QStringLiteral("lxterminal"), QStringLiteral("Lxterminal"),
                                 QStringLiteral("lxterminal"));
        const TargetApp putty =
            app(QString(), QStringLiteral("PuTTY"), QStringLiteral("PUTTY.EXE"));
        const TargetApp editor =
            app(QStringLiteral("gedit"), QStringLiteral("Gedit"), QStringLiteral("gedit"));
        const TargetApp tk =
            app(QStringLiteral("tktarget"), QStringLiteral("Tk"), QStringLiteral("python3.11"));
        QTest::newRow("xterm: Shift+Insert") << xterm << "" << InsertMethod::PasteShiftInsert
                                             << PasteKey::ShiftInsert << true << true;
        QTest::newRow("a VTE terminal: Ctrl+Shift+V")
            << lx << "" << InsertMethod::PasteCtrlShiftV << PasteKey::CtrlShiftV << true << true;
        QTest::newRow("PuTTY by its class, on Windows")
            << putty << "" << InsertMethod::PasteShiftInsert << PasteKey::ShiftInsert << true
            << true;
        QTest::newRow("an editor: automatic")
            << editor << "" << InsertMethod::Automatic << PasteKey::CtrlV << false << true;
        QTest::newRow("a rule by class, any case")
            << tk << "tk=type" << InsertMethod::TypeOnly << PasteKey::CtrlV << false << true;
        QTest::newRow("a rule by executable")
            << tk << "PYTHON3.11=never" << InsertMethod::Never << PasteKey::CtrlV << false << true;
        QTest::newRow("an executable without .exe")
            << putty << "putty=ctrlV" << InsertMethod::PasteCtrlV << PasteKey::CtrlV << true
            << true;
        QTest::newRow("a built-in overridden: typing, with its key kept")
            << xterm << "XTerm=type" << InsertMethod::TypeOnly << PasteKey::ShiftInsert << true
            << true;
        QTest::newRow("a built-in overridden: automatic keeps the key")
            << lx << "lxterminal=automatic" << InsertMethod::Automatic << PasteKey::CtrlShiftV
            << true << true;
        QTest::newRow("the first user rule wins")
            << editor << "gedit=ctrlShiftV,Gedit=never" << InsertMethod::PasteCtrlShiftV
            << PasteKey::CtrlShiftV << false << true;
        QTest::newRow("a part of a name is no match")
            << editor << "edit=never" << InsertMethod::Automatic << PasteKey::CtrlV << false
            << true;
        QTest::newRow("no abbreviations in a terminal, its key kept")
            << xterm << "xterm=shiftInsert!" << InsertMethod::PasteShiftInsert
            << PasteKey::ShiftInsert << true << false;
        QTest::newRow("no abbreviations, phrases typed")
            << tk << "Tk=type!" << InsertMethod::TypeOnly << PasteKey::CtrlV << false << false;
        QTest::newRow("the first user rule decides abbreviations too")
            << editor << "gedit=automatic,Gedit=automatic!" << InsertMethod::Automatic
            << PasteKey::CtrlV << false << true;
        QTest::newRow("nothing known of the window")
            << TargetApp() << "=never" << InsertMethod::Automatic << PasteKey::CtrlV << false
            << true;
    }
    void resolve()
    {
        QFETCH(TargetApp, target);
        QFETCH(QString, rules);
        QFETCH(InsertMethod, road);
        QFETCH(PasteKey, key);
        QFETCH(bool, terminal);
        QFETCH(bool, abbreviations);
        QVector<AppRule> user;
        for (QString r : rules.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            AppRule rule;
            rule.abbreviations = !r.endsWith(QLatin1Char('!'));
            if (!rule.abbreviations)
                r.chop(1);
            rule.match = r.section(QLatin1Char('='), 0, 0);
            QVERIFY(AppRules::methodFromName(r.section(QLatin1Char('='), 1), &rule.method));
            user << rule;
        }
        const InsertPlan got = InsertPlans::resolve(target, user);
        QCOMPARE(got.method, road);
        QCOMPARE(got.pasteKey, key);
        QCOMPARE(got.terminal, terminal);
        QCOMPARE(got.abbreviations, abbreviations);
    }

    // Whatever a file holds under "appRules", the good rules are read and
    // the rest left out.
    void rulesFromTheFile()
    {
        const QByteArray json = R"([
            {"match": "XTerm", "road": "type"},
            {"match": "  gedit  ", "road": "never"},
            {"match": "xterm", "road": "ctrlV"},
            {"match": "kitty", "road": "sideways"},
            {"match": "", "road": "never"},
            {"road": "never"},
            {"match": 7, "road": "never"},
            "st",
            ["st", "never"],
            {"match": "foot", "road": "shiftInsert", "extra": true},
            {"match": "Tk", "road": "automatic", "abbreviations": false},
            {"match": "st", "road": "automatic", "abbreviations": 0}
        ])";
        const QVector<AppRule> rules = AppRules::fromJson(QJsonDocument::fromJson(json).array());
        QCOMPARE(rules, (QVector<AppRule>{{QStringLiteral("XTerm"), InsertMethod::TypeOnly},
                                          {QStringLiteral("gedit"), InsertMethod::Never},
                                          {QStringLiteral("foot"), InsertMethod::PasteShiftInsert},
                                          {QStringLiteral("Tk"), InsertMethod::Automatic, false},
                                          {QStringLiteral("st"), InsertMethod::Automatic}}));
        QVERIFY(AppRules::fromJson(QJsonValue(QStringLiteral("nonsense"))).isEmpty());
        // What is written is read back the same.
        QCOMPARE(AppRules::fromJson(AppRules::toJson(rules)), rules);
    }
};

QTEST_APPLESS_MAIN(InsertPlansTest)
#include "tst_insertplans.moc"
