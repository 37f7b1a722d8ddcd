// Times the picker with 10,000 phrases: from the picker shortcut to a
// painted, filled list (candidate building, sorting, filling, placing,
// showing, first paint), and the work of each typed letter (applyFilter, and
// applyFilter with the repaint that follows). Prints medians and maxima.
// Runs on whatever Qt platform is set (offscreen when there is no display).

#include "benchrow.h"
#include "picker/pickerwindow.h"
#include "theme/theme.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char *const latinWords[] = {"thanks",   "regards",  "meeting", "please",   "find",
                                  "attached", "the",      "report",  "tomorrow", "address",
                                  "invoice",  "call",     "best",    "kind",     "order",
                                  "number",   "shipping", "schedule"};
const char16_t cjk[] = u"您好感谢来信请查收附件会议时间明天地址发票电话订单号码谢谢祝工作顺利";

QString words(QRandomGenerator &rng, int count)
{
    QString s;
    for (int i = 0; i < count; ++i) {
        if (i)
            s += QLatin1Char(' ');
        s += QLatin1String(latinWords[rng.bounded(int(std::size(latinWords)))]);
    }
    return s;
}

// Short lines, Chinese, multi-line templates and a few long paragraphs; a
// third never used; a quarter with a shortcut; all enabled (the worst case).
Phrase makePhrase(QRandomGenerator &rng, int i)
{
    Phrase p;
    p.id = Phrase::newId();
    const int kind = rng.bounded(100);
    if (kind < 55) {
        p.text = words(rng, 2 + rng.bounded(10));
    } else if (kind < 75) {
        for (int c = 6 + rng.bounded(40); c > 0; --c)
            p.text += QChar(cjk[rng.bounded(int(std::size(cjk)) - 1)]);
    } else if (kind < 95) {
        for (int l = 3 + rng.bounded(8); l > 0; --l)
            p.text += words(rng, 3 + rng.bounded(12)) + QLatin1Char('\n');
    } else {
        p.text = words(rng, 150 + rng.bounded(250));
    }
    p.text += QString::number(i);
    p.name = rng.bounded(3) ? words(rng, 1 + rng.bounded(3)) : QString();
    if (rng.bounded(4) == 0) {
        p.vk = 0x41 + rng.bounded(26);
        p.mods = 1 + rng.bounded(15);
    }
    p.lastUsed = rng.bounded(3) ? 1600000000 + rng.bounded(100000000) : 0;
    return p;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double maximum(const std::vector<double> &v)
{
    return *std::max_element(v.begin(), v.end());
}

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

// Notes the list's next paint.
class PaintWatch final : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
    // Runs the event loop until the list has painted (at most 5 s).
    bool wait()
    {
        QElapsedTimer t;
        t.start();
        while (!painted && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const bool ok = painted;
        painted = false;
        return ok;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    Theme::applyToApplication(Theme::Teal);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;

    QRandomGenerator rng(42);
    QVector<Phrase> phrases;
    phrases.reserve(count);
    for (int i = 0; i < count; ++i)
        phrases.append(makePhrase(rng, i));

    // The program shows its main window, whose table holds the same phrases,
    // before any picker: fonts, glyphs, style and the X connection are warm
    // by then. A themed dialog with a line of the same scripts stands in.
    {
        ThemedDialog warm;
        auto *line = new QLabel(QStringLiteral("thanks regards ") + QString::fromUtf16(cjk), &warm);
        warm.layout()->addWidget(line);
        warm.show();
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 200)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    QElapsedTimer built;
    built.start();
    PickerWindow picker;
    std::printf("picker construction: %.1f ms\n", ms(built));
    PaintWatch watch;
    picker.list()->viewport()->installEventFilter(&watch);
    std::printf("platform %s, %d phrases\n", qPrintable(QGuiApplication::platformName()), count);

    for (const bool recentFirst : {true, false}) {
        std::vector<double> build, open;
        for (int run = 0; run < 10; ++run) {
            picker.hide();
            QCoreApplication::processEvents();
            QElapsedTimer t;
            t.start();
            picker.setPhrases(phrases, recentFirst);
            build.push_back(ms(t));
            picker.showAt(QPoint(200, 150));
            if (!watch.wait())
                return 2;
            open.push_back(ms(t));
        }
        // The very first opening also creates and polishes the window.
        if (recentFirst) {
            std::printf("first opening: %6.1f ms (candidates and sort %.1f ms)\n", open.front(),
                        build.front());
            open.erase(open.begin());
            build.erase(build.begin());
        }
        std::printf("%-14s open to painted list: median %6.1f ms, max %6.1f ms "
                    "(candidates and sort: median %5.1f ms)\n",
                    recentFirst ? "recent first" : "list order", median(open), maximum(open),
                    median(build));
        if (recentFirst)
            BenchRow::print(qPrintable(QStringLiteral("picker-open-%1").arg(count)), open);
    }

    // Typing a query letter by letter and deleting it again.
    const QStringList steps = {
        QStringLiteral("t"),     QStringLiteral("th"),    QStringLiteral("tha"),
        QStringLiteral("than"),  QStringLiteral("thank"), QStringLiteral("thanks"),
        QStringLiteral("thank"), QStringLiteral("than"),  QStringLiteral("tha"),
        QStringLiteral("th"),    QStringLiteral("t"),     QString()};
    std::vector<double> filter, painted;
    std::vector<std::vector<double>> perStep(size_t(steps.size()));
    for (int run = 0; run < 7; ++run) {
        for (int i = 0; i < steps.size(); ++i) {
            const QString &query = steps.at(i);
            QElapsedTimer t;
            t.start();
            picker.applyFilter(query);
            filter.push_back(ms(t));
            perStep[size_t(i)].push_back(ms(t));
            t.restart();
            picker.searchBox()->setText(query); // applyFilter again, then the repaint
            if (!watch.wait())
                return 3;
            painted.push_back(ms(t));
        }
    }
    for (int i = 0; i < steps.size(); ++i) {
        picker.applyFilter(steps.at(i));
        std::printf("  \"%s\": %5d rows, applyFilter median %5.1f ms\n", qPrintable(steps.at(i)),
                    int(picker.results().size()), median(perStep[size_t(i)]));
    }
    std::printf("per keystroke: applyFilter median %5.1f ms, max %5.1f ms; "
                "with the repaint median %5.1f ms, max %5.1f ms\n",
                median(filter), maximum(filter), median(painted), maximum(painted));
    BenchRow::print(qPrintable(QStringLiteral("picker-key-%1").arg(count)), painted);
    return 0;
}
