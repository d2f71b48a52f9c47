#pragma once

#include <QByteArrayView>
#include <QLatin1StringView>
#include <QStringView>

// Writes text that is plain ASCII as its bytes, and tells at the same time whether it was: ASCII
// is the same in Latin-1, UTF-8, UTF-16 and every code page, so such text needs no converter, and
// nearly all the text of a file is. A narrower can also refuse text holding any of a few
// characters, the stops, which a file format writes its own way.
class AsciiNarrower
{
public:
    // At most four stops.
    explicit AsciiNarrower(QLatin1StringView stops = {});

    // Writes the text's characters from out on, a byte each, with room for text.size() bytes, and
    // tells whether it is ASCII without a stop: only then are those bytes its text.
    bool Narrow(QStringView text, char* out) const;
    // The same for Latin-1 or UTF-8 bytes.
    bool Narrow(QByteArrayView bytes, char* out) const;

private:
    template <typename Unit> bool NarrowUnits(const Unit* in, qsizetype size, char* out) const;

    static constexpr int kMostStops = 4;
    // Each stop sixteen times over, as the narrowing compares them; 0x80 for a stop not given.
    alignas(16) char m_stops[kMostStops][16];
};
