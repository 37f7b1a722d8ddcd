#pragma once

#include <QtGlobal>

#include <cstddef>

// XXH64, a 64-bit hash of a file's bytes, to tell whether the file changed
// since we read or wrote it. An order of magnitude faster than SHA-1 (a few
// hundred microseconds for 10,000 phrases instead of milliseconds, at every
// load and save) and as good at telling two versions apart; it guards
// against no adversary, and needs to: whoever can write the file can write
// anything into it.
namespace ContentHash {

quint64 xxh64(const char *data, std::size_t size, quint64 seed = 0);

} // namespace ContentHash
