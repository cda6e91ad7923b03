#pragma once
// An 8 x 8 block of dots turned about its diagonal, the step between rows of
// dots (byte i = row i, most significant bit the leftmost dot) and columns of
// dots (byte c = column c, most significant bit the top row). Turning twice
// gives the block back, so it serves both directions.
#include <QtGlobal>

inline void transposeBlock(const uchar in[8], uchar out[8]) {
    quint64 x = 0;
    for (int i = 0; i < 8; ++i) x = x << 8 | in[i];
    quint64 t = (x ^ (x >> 7)) & 0x00AA00AA00AA00AAULL;
    x ^= t ^ (t << 7);
    t = (x ^ (x >> 14)) & 0x0000CCCC0000CCCCULL;
    x ^= t ^ (t << 14);
    t = (x ^ (x >> 28)) & 0x00000000F0F0F0F0ULL;
    x ^= t ^ (t << 28);
    for (int c = 7; c >= 0; --c, x >>= 8) out[c] = static_cast<uchar>(x);
}
