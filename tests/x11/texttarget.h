#pragma once

// Talks to the x11target program: starts it in an X11Session and keeps the
// latest text it reported. Every wait runs the event loop, so the test
// process keeps serving the clipboard (and its own windows) meanwhile.

#include "x11/x11session.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

class QProcess;

class TextTarget final : public QObject
{
    Q_OBJECT

public:
    explicit TextTarget(X11Session *session, QObject *parent = nullptr);
    // Ends the target program (its input closes): left running, its window
    // stayed for the rest of the session beside the targets of later tests.
    ~TextTarget() override;

    // Another program speaking the same protocol (gtktarget.py); before start().
    void setProgram(const QString &program, const QStringList &arguments);
    // Starts the target and waits until its window is shown (true) or
    // timeoutMs passed.
    bool start(int timeoutMs = 15000);
    // The GTK target replaces its whole text (caret at the end).
    bool setText(const QString &text, int timeoutMs = 5000);
    quintptr window() const { return m_window; }
    QString text() const { return m_text; }
    // How many TEXT reports came in so far.
    int changes() const { return m_changes; }

    // x11target only: a report after every change, or none (for a long run
    // of insertions, where the reports would cost more than the typing).
    bool setReporting(bool on, int timeoutMs = 5000);
    // x11target only: one report once the editor has taken the keys queued
    // for it, so a benchmark times the typing and not the reports.
    bool setReportingWhenIdle(int timeoutMs = 5000);
    // Asks for the whole text now; a null string on time-out.
    QString fetchText(int timeoutMs = 5000);
    // Waits until the target holds exactly expected; false on time-out.
    bool waitForText(const QString &expected, int timeoutMs = 10000);
    // Reads what the target reported so far, then waits for its next
    // report of a change; false on time-out.
    void takeChanges();
    bool waitForChange(int timeoutMs = 10000);
    // Empties the editor and waits for it to say so.
    bool clear(int timeoutMs = 5000);
    // Asks the target for the clipboard text; a null string on time-out.
    QString clipboard(int timeoutMs = 5000);
    // The target takes the clipboard with this text.
    bool setClipboard(const QString &text, int timeoutMs = 5000);
    bool activate(int timeoutMs = 5000);
    // A read-only editor takes no key and never asks for the clipboard.
    bool setReadOnly(bool readOnly, int timeoutMs = 5000);
    // The editor's text cursor in screen pixels; a null rectangle on time-out.
    QRect caret(int timeoutMs = 5000);
    // Sends a command of the target's own ("focus p2") and waits for its OK;
    // false on time-out or when the target answers FAIL.
    bool command(const QByteArray &line, int timeoutMs);

private:
    void readLines();
    template <typename Done> bool waitFor(Done done, int timeoutMs);

    X11Session *m_session;
    QString m_program;
    QStringList m_arguments;
    QProcess *m_process = nullptr;
    QByteArray m_pending;
    quintptr m_window = 0;
    QString m_text;
    QString m_clip;
    bool m_clipArrived = false;
    QRect m_caret;
    bool m_caretArrived = false;
    int m_oks = 0;
    int m_fails = 0; // a command the target could not carry out
    int m_changes = 0;
    int m_seenChanges = 0;
};
