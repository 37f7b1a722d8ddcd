#pragma once

// Whether one of the program's shortcut fields is waiting for a combination.
// While one is, the program's own global shortcuts stand aside: the
// combination the user presses must reach the field, even one the program
// holds (to swap two shortcuts, or give a phrase another's combination).

#include <QObject>
#include <QSet>

class ShortcutCapture final : public QObject
{
    Q_OBJECT

public:
    static ShortcutCapture *instance();

    bool active() const { return !m_fields.isEmpty(); }
    // A field took the keyboard focus; several may overlap while the focus
    // moves between them.
    void begin(const QObject *field);
    // The field lost the focus, was hidden or is going away; unknown fields
    // are ignored. activeChanged(false) follows from the event loop.
    void end(const QObject *field);

signals:
    void activeChanged(bool active);

private:
    ShortcutCapture() = default;
    QSet<const QObject *> m_fields;
    bool m_announced = false; // what activeChanged said last
};
