#pragma once

// The windows as the dispatcher reaches them, recorded in the desktop's log:
// a picker that opens and closes, and one text field of our own.

#include "dispatch/dispatchui.h"
#include "fakes/recordingdesktop.h"

class FakeDispatchUi final : public DispatchUi
{
public:
    explicit FakeDispatchUi(ServiceLog &log) : log(log) {}
    bool open = false;
    bool fieldRemembered = false;
    bool fieldTakes = true; // our own focused field is a text field
    QString fieldText;

    bool pickerOpen() const override { return open; }
    void openPicker(const QVector<Phrase> &, bool, const QPoint &at) override
    {
        log.calls << QStringLiteral("openPicker %1,%2").arg(at.x()).arg(at.y());
        open = true;
    }
    void dismissPicker() override
    {
        log.calls << QStringLiteral("dismissPicker");
        open = false;
    }
    void hidePicker() override
    {
        log.calls << QStringLiteral("hidePicker");
        open = false;
    }
    void rememberOwnField(WindowHandle) override { fieldRemembered = true; }
    void forgetOwnField() override { fieldRemembered = false; }
    bool refocusOwnField() override
    {
        const bool was = fieldRemembered;
        fieldRemembered = false;
        if (was)
            log.calls << QStringLiteral("refocusOwnField");
        return was;
    }
    bool insertIntoOwnField(const QString &text, int caretBack) override
    {
        log.calls << QStringLiteral("insertIntoOwnField %1 %2").arg(text).arg(caretBack);
        fieldRemembered = false;
        if (fieldTakes)
            fieldText += text;
        return fieldTakes;
    }
    RemoteCommand::Reply importFile(const QString &path) override
    {
        log.calls << QStringLiteral("importFile %1").arg(path);
        return {true, QStringLiteral("imported")};
    }
    // The fields asked for, answered later by the test through answer().
    QVector<Placeholders::Field> askedFields;
    FillInAnswer fillInAnswer;
    void askFillIns(const QString &name, const QVector<Placeholders::Field> &fields,
                    const FillInAnswer &answered) override
    {
        QStringList labels;
        for (const Placeholders::Field &f : fields)
            labels << f.label;
        log.calls << QStringLiteral("askFillIns %1: %2").arg(name, labels.join(QLatin1Char(',')));
        askedFields = fields;
        fillInAnswer = answered;
    }
    // The user's answer to the window of fields open now.
    void answer(bool accepted, const QHash<QString, QString> &answers = {})
    {
        const FillInAnswer answered = fillInAnswer;
        fillInAnswer = nullptr;
        if (answered)
            answered(accepted, answers);
    }
    void windowCommand(RemoteCommand::Verb verb) override
    {
        log.calls << QStringLiteral("windowCommand %1").arg(int(verb));
    }

private:
    ServiceLog &log;
};
