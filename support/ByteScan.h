#pragma once

#include <QtEndian>
#include <bit>
#include <cstdint>

// Finds the first of a few byte values in text a machine word at a time, which is several times
// faster than looking at each byte: a settings file is searched through twice as it is read.
namespace ByteScan
{

// Eight bytes, the first in memory in the lowest byte.
using Word = std::uint64_t;
inline constexpr Word kOnes = ~Word(0) / 255;
inline constexpr Word kHighBits = kOnes * 0x80;

// The high bit of each byte of the word that equals value. Bytes after the first such byte may
// be marked wrongly, which does not matter: only the first mark is used.
constexpr Word Equal(Word word, unsigned char value)
{
    const Word differences = word ^ (kOnes * value);
    return (differences - kOnes) & ~differences & kHighBits;
}

// The first byte from from to end that marks (a function of a Word, as Equal) marks, or end.
// The last few bytes are padded with zero bytes, which marks must not mark.
template <typename Marks> const char* FindFirst(const char* from, const char* end, Marks marks)
{
    for (; end - from >= qsizetype(sizeof(Word)); from += sizeof(Word))
        if (const Word found = marks(qFromLittleEndian<Word>(from)))
            return from + std::countr_zero(found) / 8;
    Word rest = 0;
    for (int at = 0; from + at < end; ++at)
        rest |= Word(static_cast<unsigned char>(from[at])) << (8 * at);
    const Word found = marks(rest);
    return found ? from + std::countr_zero(found) / 8 : end;
}

} // namespace ByteScan
