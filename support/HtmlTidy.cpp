#include "support/HtmlTidy.h"

#include <QSet>

namespace
{

bool IsBlank(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\f';
}

bool IsLetterOrDigit(char byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= '0' && byte <= '9');
}

// Whether the "<" at at starts a tag: a comment or declaration, or the start or end of an element
// that HTML has, its name ended as a tag's name ends.
bool StartsTag(const QByteArray& html, qsizetype at)
{
    static const QSet<QByteArray> elements = {
        "a",        "abbr",    "address",    "article",  "aside",  "b",      "base",    "bdi",
        "bdo",      "big",     "blockquote", "body",     "br",     "button", "caption", "center",
        "cite",     "code",    "col",        "colgroup", "dd",     "del",    "details", "dfn",
        "div",      "dl",      "dt",         "em",       "embed",  "font",   "footer",  "form",
        "h1",       "h2",      "h3",         "h4",       "h5",     "h6",     "head",    "header",
        "hr",       "html",    "i",          "iframe",   "img",    "input",  "ins",     "kbd",
        "label",    "li",      "link",       "main",     "mark",   "meta",   "nav",     "nobr",
        "noscript", "object",  "ol",         "p",        "pre",    "q",      "s",       "samp",
        "script",   "section", "small",      "span",     "strike", "strong", "style",   "sub",
        "summary",  "sup",     "table",      "tbody",    "td",     "tfoot",  "th",      "thead",
        "time",     "title",   "tr",         "tt",       "u",      "ul",     "var",     "wbr"};
    qsizetype from = at + 1;
    if (from < html.size() && (html[from] == '!' || html[from] == '?'))
        return true;
    from += from < html.size() && html[from] == '/' ? 1 : 0;
    qsizetype end = from;
    while (end < html.size() && IsLetterOrDigit(html[end]))
        ++end;
    if (end < html.size() && !IsBlank(html[end]) && html[end] != '>' && html[end] != '/')
        return false;
    return elements.contains(html.mid(from, end - from).toLower());
}

bool IsIconAttribute(const QByteArray& html, qsizetype at)
{
    return at + 6 <= html.size() && qstrnicmp(html.constData() + at, "icon=\"", 6) == 0;
}

// Copies the tag that starts at at, each ICON value left empty; returns where the tag ends. A
// quote starts a value only after "=", as in the parser.
qsizetype CopyTag(const QByteArray& html, qsizetype at, QByteArray& out)
{
    if (html.mid(at, 4) == "<!--") {
        const qsizetype close = html.indexOf("-->", at);
        const qsizetype end = close < 0 ? html.size() : close + 3;
        out.append(html.constData() + at, end - at);
        return end;
    }
    qsizetype from = at;
    char before = '<';
    qsizetype i = at + 1;
    while (i < html.size() && html[i] != '>') {
        const char byte = html[i];
        if ((byte == '"' || byte == '\'') && before == '=') {
            const qsizetype close = html.indexOf(byte, i + 1);
            i = close < 0 ? html.size() : close + 1;
        } else if (IsBlank(byte) && IsIconAttribute(html, i + 1)) {
            out.append(html.constData() + from, i + 7 - from);
            const qsizetype close = html.indexOf('"', i + 7);
            i = from = close < 0 ? html.size() : close;
        } else {
            ++i;
        }
        before = IsBlank(byte) ? before : byte;
    }
    const qsizetype end = std::min(i + 1, html.size());
    out.append(html.constData() + from, end - from);
    return end;
}

} // namespace

namespace HtmlTidy
{

QByteArray ForBookmarks(const QByteArray& html)
{
    QByteArray out;
    out.reserve(html.size());
    for (qsizetype at = 0; at < html.size();) {
        const qsizetype tag = html.indexOf('<', at);
        const qsizetype text = tag < 0 ? html.size() : tag;
        out.append(html.constData() + at, text - at);
        if (tag < 0)
            break;
        if (StartsTag(html, tag)) {
            at = CopyTag(html, tag, out);
        } else {
            out += "&lt;";
            at = tag + 1;
        }
    }
    return out;
}

} // namespace HtmlTidy
