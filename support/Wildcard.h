#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A file-name pattern: "*" any run, "?" any character, "#" a digit, "[a-cx]" one of a list and
// "[!a-cx]" one not in it. Matched by hand, case-sensitively, so that a pattern picks the same
// files on every file system. A "[" that is never closed matches no name.
class Wildcard
{
public:
    explicit Wildcard(const QString& sPattern);

    bool Matches(QStringView name) const;

private:
    struct Range {
        QChar first;
        QChar last;
    };
    // One position of the pattern: a star, or the set of characters that one name character
    // must belong to (or, when excluded, must not).
    struct Step {
        bool bStar = false;
        bool bExcluded = false;
        QList<Range> ranges;

        bool Accepts(QChar c) const;
    };

    // Reads the list that starts after the "[" at position i; returns the position after its "]",
    // or -1 when the list is never closed.
    static qsizetype ReadList(const QString& sPattern, qsizetype i, Step& step);

    QList<Step> m_steps;
    bool m_bValid = true;
};
