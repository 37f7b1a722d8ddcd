#pragma once

#include "platform/wayland/nativeroads.h"

#include <QObject>

class WaylandConnection;

class MutterRemoteDesktop final : public QObject, public NativeKeyboard, public NativeClipboard
{
    Q_OBJECT

public:
    static bool available() { return false; }
    explicit MutterRemoteDesktop(WaylandConnection *) {}
    bool isValid() const override { return false; }
    bool prepare(const QString &) override { return false; }
    bool type(const QVector<char32_t> &) override { return false; }
    bool chord(quint32, Key) override { return false; }
    bool hasPrimary() const override { return false; }
    bool read(Selection, Content *) override { return false; }
    bool offerText(Selection, const QByteArray &, bool) override { return false; }
    bool awaitFetch() override { return false; }
    bool put(Selection, const Content &) override { return false; }
};
