#pragma once

// When a paste is over, so that the user's clipboard content may go back.
// A program reads a paste's text once (Qt, GTK, Tk) or more: a browser's
// page reads it, goes about other work, reads it again, and drops the whole
// paste when the clipboard changed in between. How long that work takes
// depends on the machine's load, so no fixed quiet time tells the end on a
// busy machine; the number of reads does, and a program reads its pastes the
// same way each time. So each program's reads are counted, and its next
// paste is over once as many reads have come and it has been quiet for a
// while after them: longer for a program that reads more than once, and for
// a program not seen before.

#include <QHash>
#include <QtGlobal>

class PasteReads
{
public:
    // After the last of the reads expected. Measured on X11 from the first
    // request for the text to the last request of a paste, 20 pastes each at
    // rest and with both cores busy: Chromium 9 to 30 ms (the formats, the
    // text, the formats again and again, the text a second time), Firefox up
    // to 5, GTK up to 9, Qt and Tk nothing after the text. Five times the
    // longest.
    static constexpr int SettleMs = 150;
    // After the last of the reads expected, for a program that reads more
    // than once: a browser's page goes on with the paste in another process
    // after its last read, and still drops it when the clipboard changes
    // then (a restore 5 ms after the last read lost one paste in 9; with
    // both cores busy, a pause longer than SettleMs came too).
    static constexpr int MultiReadSettleMs = 500;
    // For a program whose reads are not known yet. With five busy loops on
    // two cores, Chromium's two reads came up to 112 ms apart, and a loaded
    // machine took longer than SettleMs between them.
    static constexpr int FirstPasteSettleMs = 500;
    // For a program that has read fewer times than it did before: a page
    // may read less (a paste it refuses), and the clipboard comes back.
    static constexpr int MissingReadSettleMs = 1500;
    // Programs remembered; one more and all is learnt afresh.
    static constexpr int Capacity = 64;

    // The reads program made in its last paste; 0 when not seen.
    int expected(quint64 program) const { return m_reads.value(program); }
    void learn(quint64 program, int reads);

    // A paste over: reads of the text so far, expected as above, quietMs
    // since the target's last request, and whether a transfer in parts is
    // still under way.
    static bool over(int reads, int expected, qint64 quietMs, bool transferring);

private:
    QHash<quint64, int> m_reads;
};
