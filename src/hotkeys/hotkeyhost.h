#pragma once

// A stand-in owner for the global shortcuts until the main window exists: a
// hidden native window whose handle owns the registrations, and the manager
// installed as the application's native event filter for as long as the host
// lives. Create it after the QApplication, e.g.
//     HotkeyHost hotkeys(desktop.get());
//     hotkeys.manager()->registerAll(store.settings(), store.phrases(), false);

#include "hotkeys/hotkeymanager.h"

#include <QObject>

#include <memory>

class QWidget;

class HotkeyHost final : public QObject
{
    Q_OBJECT

public:
    explicit HotkeyHost(Desktop *desktop, QObject *parent = nullptr);
    ~HotkeyHost() override;

    HotkeyManager *manager() const { return m_manager; }

private:
    std::unique_ptr<QWidget> m_window;
    HotkeyManager *m_manager = nullptr; // child of this object
};
