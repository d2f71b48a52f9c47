#include "model/PageGenerator.h"

#include "model/CWebPage.h"
#include "model/basWebSafeColorProcs.h"

using namespace Qt::StringLiterals;

PageGenerator::PageGenerator(const CWebPage& page, TextFileWriter& out) : m_page(page), m_out(out)
{
}

void PageGenerator::Write()
{
    m_out.WriteLine("<html>"_L1);
    m_out.WriteLine("<head>"_L1);
    if (!m_page.Title().isEmpty()) {
        m_out.Write("<title>"_L1);
        m_out.Write(m_page.Title());
        m_out.WriteLine("</title>"_L1);
    }
    m_out.WriteLine("</head>"_L1);
    WriteBodyTag();
    if (m_page.Mode() == CWebPage::HomePage)
        WriteHomeBody();
    else if (m_page.Mode() == CWebPage::LinkRecord)
        WriteLinkParagraph(m_page, false);
    m_out.WriteLine("</body>"_L1);
    m_out.WriteLine("</html>"_L1);
}

void PageGenerator::WriteBodyTag()
{
    m_out.Write("<body"_L1);
    if (!m_page.Wallpaper().isEmpty()) {
        m_out.Write(" background=\""_L1);
        m_out.Write(m_page.Wallpaper());
        m_out.Write("\""_L1);
    }
    WriteColorPiece("bgcolor"_L1, m_page.Backcolor());
    WriteColorPiece("text"_L1, m_page.Forecolor());
    WriteColorPiece("link"_L1, m_page.LinkColor());
    WriteColorPiece("vlink"_L1, m_page.VLinkColor());
    WriteColorPiece("alink"_L1, m_page.ALinkColor());
    m_out.WriteLine(">"_L1);
}

void PageGenerator::WriteColorPiece(QLatin1StringView attribute, qint32 color)
{
    if (color == -1)
        return;
    m_out.Write(" "_L1);
    m_out.Write(attribute);
    m_out.Write("=\""_L1);
    m_out.Write(basWebSafeColorProcs::ColorToHtml(color));
    m_out.Write("\""_L1);
}

void PageGenerator::WriteHomeBody()
{
    if (!m_page.MouseTrails().isEmpty())
        WriteMouseTrail();
    m_out.Write("<p align=\"center\"><font face=\"Comic Sans MS\" size=\"6\">"_L1);
    m_out.Write(m_page.Name());
    m_out.WriteLine("</font></p>"_L1);
    m_out.WriteLine("<div align=\"center\"><center>"_L1);
    m_out.WriteLine(
        "<table border=\"2\" width=\"44%\" bordercolor=\"#008080\" cellpadding=\"10\">"_L1);
    WriteLinksTable();
    m_out.WriteLine("</table>"_L1);
    m_out.WriteLine("</center></div>"_L1);
}

// trails.js finds the seven pictures by their ids; dot0 leads at the pointer itself, so it stays
// hidden.
void PageGenerator::WriteMouseTrail()
{
    for (int dot = 0; dot <= 6; ++dot) {
        m_out.Write("<DIV id=dot"_L1);
        m_out.Write(QString::number(dot));
        m_out.Write(dot == 0 ? " style=\"VISIBILITY: hidden; WIDTH: 30px;"_L1
                             : " style=\"WIDTH: 30px;"_L1);
        m_out.Write(" POSITION: absolute; HEIGHT: 30px\"><IMG height=32 src=\""_L1);
        m_out.Write(m_page.MouseTrails());
        m_out.WriteLine("\" width=32 align=bottom></DIV>"_L1);
    }
    m_out.WriteLine("<SCRIPT LANGUAGE=\"JavaScript\" SRC=\"trails.js\"></SCRIPT>"_L1);
}

// Every row has both cells, the second left empty after an odd last link, so that the table
// keeps its two columns.
void PageGenerator::WriteLinksTable()
{
    const Collection& links = m_page.Links();
    for (qint32 row = 1; row <= links.Count(); row += 2) {
        m_out.WriteLine("<tr>"_L1);
        for (const qint32 position : {row, row + 1}) {
            m_out.WriteLine("<td>"_L1);
            if (position <= links.Count())
                WriteLinkParagraph(*links.Item(position), true);
            m_out.WriteLine("</td>"_L1);
        }
        m_out.WriteLine("</tr>"_L1);
    }
}

// A link's paragraph: its picture and caption, inside an anchor when it has an address and the
// anchor is wanted. The link dialog's preview of a link on its own has none.
void PageGenerator::WriteLinkParagraph(const CWebPage& link, bool bAnchor)
{
    const bool anchored = bAnchor && !link.MainLink().isEmpty();
    m_out.WriteLine("<p align=\"center\">"_L1);
    if (anchored) {
        m_out.Write("<a href=\""_L1);
        m_out.Write(link.MainLink());
        m_out.WriteLine("\">"_L1);
    }
    if (!link.MainPicture().isEmpty()) {
        m_out.Write("<img border=\"0\" src=\""_L1);
        m_out.Write(link.MainPicture());
        m_out.WriteLine("\"><br>"_L1);
    }
    if (!link.Name().isEmpty())
        m_out.WriteLine(link.Name());
    if (anchored)
        m_out.WriteLine("</a>"_L1);
    m_out.WriteLine("</p>"_L1);
}
