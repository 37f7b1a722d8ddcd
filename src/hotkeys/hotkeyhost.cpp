#include "hotkeys/hotkeyhost.h"

#include <QCoreApplication>
#include <QWidget>

HotkeyHost::HotkeyHost(Desktop *desktop, QObject *parent)
    : QObject(parent), m_window(std::make_unique<QWidget>())
{
    // Never shown: it only has to exist as a native window so that
    // registrations have an owner and WM_HOTKEY a receiver.
    m_window->setAttribute(Qt::WA_NativeWindow);
    m_window->setAttribute(Qt::WA_DontShowOnScreen);
    m_window->winId();
    QWidget *window = m_window.get();
    m_manager = new HotkeyManager(
        desktop, [window] { return WindowHandle(window->winId()); }, this);
    QCoreApplication::instance()->installNativeEventFilter(m_manager);
}

HotkeyHost::~HotkeyHost()
{
    QCoreApplication::instance()->removeNativeEventFilter(m_manager);
    // Release the registrations while their window still exists.
    delete m_manager;
    m_manager = nullptr;
}
