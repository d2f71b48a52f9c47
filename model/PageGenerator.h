#pragma once

#include "support/TextFileWriter.h"

class CWebPage;

// Writes a page as HTML, one fragment a line. Values go into the page as typed, unescaped: the
// user's text is the page's text.
class PageGenerator
{
public:
    PageGenerator(const CWebPage& page, TextFileWriter& out);

    void Write();

private:
    void WriteBodyTag();
    void WriteColorPiece(QLatin1StringView attribute, qint32 color);
    void WriteHomeBody();
    void WriteMouseTrail();
    void WriteLinksTable();
    void WriteLinkParagraph(const CWebPage& link, bool bAnchor);

    const CWebPage& m_page;
    TextFileWriter& m_out;
};
