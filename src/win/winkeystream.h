#pragma once

// The keys typed in other programs on Windows, for abbreviations: a
// low-level keyboard hook (and a mouse hook for clicks) on the GUI thread,
// which sees every key before its program does and takes none away. Each
// press is translated with ToUnicodeEx in the keyboard layout of the window
// in front, with the flag that leaves the kernel's keyboard state alone, so
// a dead key the user pressed still reaches the program whole; dead keys are
// combined here. Our own SendInput events carry a mark and are left out.

#include "platform/keystream.h"

class WinKeyStream final : public KeyStream
{
public:
    WinKeyStream() = default;
    ~WinKeyStream() override;

    bool start(std::function<void(const TypedKey &)> sink) override;
    void stop() override;
};
