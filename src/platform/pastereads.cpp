#include "platform/pastereads.h"

void PasteReads::learn(quint64 program, int reads)
{
    if (reads <= 0)
        return;
    // Programs come and go, and a window system reuses their numbers: a
    // stale count costs at most one paste a longer wait, or one shorter.
    if (m_reads.size() >= Capacity && !m_reads.contains(program))
        m_reads.clear();
    m_reads.insert(program, reads);
}

bool PasteReads::over(int reads, int expected, qint64 quietMs, bool transferring)
{
    if (transferring)
        return false;
    if (expected <= 0)
        return quietMs >= FirstPasteSettleMs;
    if (reads < expected)
        return quietMs >= MissingReadSettleMs;
    return quietMs >= (expected > 1 ? MultiReadSettleMs : SettleMs);
}
