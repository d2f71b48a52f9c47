#include "support/AsciiNarrower.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

// 0x80 is not ASCII: text holding it is refused anyway, so an unused stop needs no test of its own.
AsciiNarrower::AsciiNarrower(QLatin1StringView stops)
{
    Q_ASSERT(stops.size() <= kMostStops);
    for (int stop = 0; stop < kMostStops; ++stop)
        std::memset(m_stops[stop], stop < stops.size() ? stops[stop].toLatin1() : '\x80', 16);
}

bool AsciiNarrower::Narrow(QStringView text, char* out) const
{
    return NarrowUnits(text.utf16(), text.size(), out);
}

bool AsciiNarrower::Narrow(QByteArrayView bytes, char* out) const
{
    return NarrowUnits(bytes.data(), bytes.size(), out);
}

// Where the processor can, 16 characters at a time, two runs of 8 side by side; the last 16
// overlap those before them rather than leave a rest, and a text of 8 to 15 characters is its
// first 8 and its last 8.
template <typename Unit>
bool AsciiNarrower::NarrowUnits(const Unit* in, qsizetype size, char* out) const
{
#ifdef __SSE2__
    if (size >= 8) {
        const auto stop = [this](int index) {
            return _mm_load_si128(reinterpret_cast<const __m128i*>(m_stops[index]));
        };
        const __m128i stops[] = {stop(0), stop(1), stop(2), stop(3)};
        const auto load = [in](qsizetype at) {
            if constexpr (sizeof(Unit) == 2)
                return _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
            else
                return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + at));
        };
        __m128i any = _mm_setzero_si128();
        __m128i stopped = _mm_setzero_si128();
        const auto narrow = [&](qsizetype first, qsizetype second) {
            const __m128i low = load(first), high = load(second);
            // Units from 0x8000 on narrow to 0: it is the units themselves that are tested.
            any = _mm_or_si128(any, _mm_or_si128(low, high));
            const __m128i bytes =
                sizeof(Unit) == 2 ? _mm_packus_epi16(low, high) : _mm_unpacklo_epi64(low, high);
            const __m128i firstTwo =
                _mm_or_si128(_mm_cmpeq_epi8(bytes, stops[0]), _mm_cmpeq_epi8(bytes, stops[1]));
            const __m128i lastTwo =
                _mm_or_si128(_mm_cmpeq_epi8(bytes, stops[2]), _mm_cmpeq_epi8(bytes, stops[3]));
            stopped = _mm_or_si128(stopped, _mm_or_si128(firstTwo, lastTwo));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + first), bytes);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + second), _mm_srli_si128(bytes, 8));
        };
        qsizetype at = 0;
        for (; at + 16 <= size; at += 16)
            narrow(at, at + 8);
        if (at < size)
            narrow(std::max<qsizetype>(size - 16, 0), size - 8);
        const __m128i outside = _mm_and_si128(
            any, sizeof(Unit) == 2 ? _mm_set1_epi16(char16_t(0xFF80)) : _mm_set1_epi8('\x80'));
        return _mm_movemask_epi8(_mm_cmpeq_epi8(outside, _mm_setzero_si128())) == 0xFFFF &&
               _mm_movemask_epi8(stopped) == 0;
    }
#endif
    std::make_unsigned_t<Unit> all = 0;
    bool stopped = false;
    for (qsizetype at = 0; at < size; ++at) {
        all |= std::make_unsigned_t<Unit>(in[at]);
        out[at] = char(in[at]);
        for (const char(&stop)[16] : m_stops)
            stopped |= out[at] == stop[0];
    }
    return all < 0x80 && !stopped;
}
