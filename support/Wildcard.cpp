#include "support/Wildcard.h"

#include <algorithm>

Wildcard::Wildcard(const QString& sPattern)
{
    for (qsizetype i = 0; i < sPattern.size();) {
        const QChar c = sPattern.at(i++);
        Step step;
        if (c == u'*') {
            step.bStar = true;
        } else if (c == u'?') {
            step.bExcluded = true;
        } else if (c == u'#') {
            step.ranges = {{u'0', u'9'}};
        } else if (c == u'[') {
            i = ReadList(sPattern, i, step);
            if (i < 0) {
                m_bValid = false;
                return;
            }
        } else {
            step.ranges = {{c, c}};
        }
        m_steps.append(step);
    }
}

qsizetype Wildcard::ReadList(const QString& sPattern, qsizetype i, Step& step)
{
    const qsizetype close = sPattern.indexOf(u']', i);
    if (close < 0)
        return -1;
    if (i < close && sPattern.at(i) == u'!') {
        step.bExcluded = true;
        ++i;
    }
    // A hyphen joins the characters on either side into a range; first or last, it is itself.
    while (i < close) {
        const QChar first = sPattern.at(i);
        if (i + 2 < close && sPattern.at(i + 1) == u'-') {
            step.ranges.append({first, sPattern.at(i + 2)});
            i += 3;
        } else {
            step.ranges.append({first, first});
            ++i;
        }
    }
    return close + 1;
}

bool Wildcard::Step::Accepts(QChar c) const
{
    const bool bInRanges = std::any_of(ranges.cbegin(), ranges.cend(), [c](const Range& range) {
        return range.first <= c && c <= range.last;
    });
    return bInRanges != bExcluded;
}

bool Wildcard::Matches(QStringView name) const
{
    if (!m_bValid)
        return false;
    // Walks name and pattern together. At a mismatch after a star, the star takes one more
    // character and the rest of the pattern is tried again from there.
    qsizetype step = 0;
    qsizetype pos = 0;
    qsizetype afterStar = -1;
    qsizetype starEnd = 0;
    while (pos < name.size()) {
        if (step < m_steps.size() && m_steps.at(step).bStar) {
            afterStar = ++step;
            starEnd = pos;
        } else if (step < m_steps.size() && m_steps.at(step).Accepts(name.at(pos))) {
            ++step;
            ++pos;
        } else if (afterStar >= 0) {
            step = afterStar;
            pos = ++starEnd;
        } else {
            return false;
        }
    }
    while (step < m_steps.size() && m_steps.at(step).bStar)
        ++step;
    return step == m_steps.size();
}
