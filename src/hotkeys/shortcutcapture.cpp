#include "hotkeys/shortcutcapture.h"

#include <QTimer>

ShortcutCapture *ShortcutCapture::instance()
{
    static ShortcutCapture capture;
    return &capture;
}

void ShortcutCapture::begin(const QObject *field)
{
    m_fields.insert(field);
    if (!m_announced) {
        m_announced = true;
        emit activeChanged(true);
    }
}

void ShortcutCapture::end(const QObject *field)
{
    if (!m_fields.remove(field) || active())
        return;
    // The focus moving from one field to the next leaves first: the end is
    // told only if no field has taken the focus by the next turn of the event
    // loop, so the shortcuts are not taken up and let go again in between.
    QTimer::singleShot(0, this, [this] {
        if (!active() && m_announced) {
            m_announced = false;
            emit activeChanged(false);
        }
    });
}
