// The caret of a Qt editor in another process, read from the accessibility
// bus, places the picker below the text cursor rather than at the pointer.

#include <QApplication>
#include <QtTest>

#include "insert/insertion.h"
#include "insert/targetwindow.h"
#include "x11/texttarget.h"
#include "x11/x11session.h"

#include "x11/x11desktop.h"

class X11CaretTest : public QObject
{
    Q_OBJECT

public:
    explicit X11CaretTest(X11Session *session) : m_session(session), m_target(session) {}

private slots:
    void initTestCase()
    {
        QVERIFY(m_session->startSessionBus());
        // Qt programs publish their widgets only when asked to.
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        qputenv("QT_ACCESSIBILITY", "1");
        m_desktop = createDesktop();
        QVERIFY(m_target.start());
        QTRY_COMPARE(m_desktop->targets().foregroundWindow(), WindowHandle(m_target.window()));
    }

    void caretOfTheFocusedText()
    {
        QVERIFY(m_target.clear());
        QVERIFY(
            insertText(*m_desktop, QStringLiteral("hello caret"), m_target.window()).delivered());
        QVERIFY(m_target.waitForText(QStringLiteral("hello caret")));
        const QRect caret = m_target.caret();
        QVERIFY(!caret.isNull());
        // Below the caret's bottom edge by 6 pixels; a pixel or two of
        // difference between the widget's cursor and its accessible extents.
        const QPoint expected(caret.left(), caret.top() + caret.height() + 6);
        QPoint got;
        QTRY_VERIFY_WITH_TIMEOUT(
            ((got = caretPosition(*m_desktop, m_target.window())) - expected).manhattanLength() <=
                8,
            5000);
    }

    void cleanupTestCase() { m_desktop.reset(); }

private:
    X11Session *m_session;
    TextTarget m_target;
    std::unique_ptr<Desktop> m_desktop;
};

SCRIVLET_X11_TEST_MAIN(X11CaretTest)
#include "tst_x11caret.moc"
