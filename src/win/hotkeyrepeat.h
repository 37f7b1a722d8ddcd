#pragma once

// One action per press of a global shortcut, where the system posts a press
// for every key repeat too (Wine ignores MOD_NOREPEAT): a press is the
// repeat of the one accepted before it unless the shortcut's key went up
// between the two. The key-ups come from a low-level keyboard hook, which
// the system calls for each key event before it posts the press a later
// event makes, with the event's time on the same clock as the messages': so
// a press is judged by the order of the events themselves, not by when
// either was looked at. (Reading the key's state instead can show a held
// key as up, and then every repeat queued meanwhile is a new press.)
// Thread-safe: key-ups arrive on the hook's thread. Free of Windows and Qt
// headers, so that the rule is tested anywhere.

#include <mutex>
#include <unordered_map>

class HotkeyRepeats final
{
public:
    // The key vk went up at time (milliseconds, wrapping like GetTickCount).
    void keyUp(int vk, unsigned time)
    {
        if (vk < 0 || vk >= KeyCount)
            return;
        std::lock_guard<std::mutex> lock(m_mutex);
        Ups &ups = m_ups[vk];
        ups.times[ups.next] = time;
        ups.next = (ups.next + 1) % Kept;
        if (ups.count < Kept)
            ++ups.count;
    }

    // A press of the registration id, whose key is vk, posted at time: true
    // when it is a press of its own, false when it repeats the press
    // accepted before (the key has not gone up since). An up in the same
    // millisecond as the accepted press is its release; one in the same
    // millisecond as this press came after it (events keep their order).
    bool accept(int id, int vk, unsigned time)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_accepted.find(id);
        if (it != m_accepted.end() && it->second.vk == vk && !upBetween(vk, it->second.time, time))
            return false;
        try {
            m_accepted[id] = Accepted{vk, time};
        } catch (...) {
            // Without room to remember it the next press counts as its own.
        }
        return true;
    }

private:
    static constexpr int KeyCount = 256;
    // Ups kept per key: a few quick presses may wait in the queue while a
    // phrase goes out, each with its own release.
    static constexpr int Kept = 8;
    struct Ups
    {
        unsigned times[Kept] = {};
        int count = 0;
        int next = 0;
    };
    struct Accepted
    {
        int vk;
        unsigned time;
    };

    bool upBetween(int vk, unsigned from, unsigned to) const
    {
        if (vk < 0 || vk >= KeyCount)
            return true; // no key to watch: every press is its own
        const Ups &ups = m_ups[vk];
        for (int i = 0; i < ups.count; ++i) {
            const unsigned up = ups.times[i];
            if (int(up - from) >= 0 && int(to - up) > 0)
                return true;
        }
        return false;
    }

    std::mutex m_mutex;
    Ups m_ups[KeyCount];
    std::unordered_map<int, Accepted> m_accepted;
};
