#include "model/PageGenerator.h"

#include "model/CWebPage.h"
#include "model/basWebSafeColorProcs.h"

using namespace Qt::StringLiterals;

// Beside the generator, so that the page and the generator need not include each other.
void CWebPage::GeneratePage(const QString& sFile) const
{
    TextFileWriter out(sFile);
    PageGenerator(*this, out).Write();
    out.Commit();
}

PageGenerator::PageGenerator(const CWebPage& page, TextFileWriter& out) : m_page(page), m_out(out)
{
}

void PageGenerator::Write()
{
    m_out.WriteLine(u"<html>");
    m_out.WriteLine(u"<head>");
    if (!m_page.Title().isEmpty()) {
        m_out.Write(u"<title>");
        m_out.Write(m_page.Title());
        m_out.WriteLine(u"</title>");
    }
    m_out.WriteLine(u"</head>");
    WriteBodyTag();
    if (m_page.Mode() == CWebPage::HomePage)
        WriteHomeBody();
    else if (m_page.Mode() == CWebPage::LinkRecord)
        WriteLinkParagraph(m_page, false);
    m_out.WriteLine(u"</body>");
    m_out.WriteLine(u"</html>");
}

void PageGenerator::WriteBodyTag()
{
    m_out.Write(u"<body");
    if (!m_page.Wallpaper().isEmpty()) {
        m_out.Write(u" background=\"");
        m_out.Write(m_page.Wallpaper());
        m_out.Write(u"\"");
    }
    WriteColorPiece(u"bgcolor", m_page.Backcolor());
    WriteColorPiece(u"text", m_page.Forecolor());
    WriteColorPiece(u"link", m_page.LinkColor());
    WriteColorPiece(u"vlink", m_page.VLinkColor());
    WriteColorPiece(u"alink", m_page.ALinkColor());
    m_out.WriteLine(u">");
}

void PageGenerator::WriteColorPiece(QStringView attribute, qint32 color)
{
    if (color == -1)
        return;
    m_out.Write(u" ");
    m_out.Write(attribute);
    m_out.Write(u"=\"");
    m_out.Write(basWebSafeColorProcs::ColorToHtml(color));
    m_out.Write(u"\"");
}

void PageGenerator::WriteHomeBody()
{
    if (!m_page.MouseTrails().isEmpty())
        WriteMouseTrail();
    m_out.Write(u"<p align=\"center\"><font face=\"Comic Sans MS\" size=\"6\">");
    m_out.Write(m_page.Name());
    m_out.WriteLine(u"</font></p>");
    m_out.WriteLine(u"<div align=\"center\"><center>");
    m_out.WriteLine(
        u"<table border=\"2\" width=\"44%\" bordercolor=\"#008080\" cellpadding=\"10\">");
    WriteLinksTable();
    m_out.WriteLine(u"</table>");
    m_out.WriteLine(u"</center></div>");
}

// Seven pictures for the trail script to move after the mouse pointer; only the first starts
// hidden.
void PageGenerator::WriteMouseTrail()
{
    for (int dot = 0; dot <= 6; ++dot) {
        m_out.Write(u"<DIV id=dot");
        m_out.Write(QString::number(dot));
        m_out.Write(dot == 0 ? u" style=\"VISIBILITY: hidden; WIDTH: 30px;"_s
                             : u" style=\"WIDTH: 30px;"_s);
        m_out.Write(u" POSITION: absolute; HEIGHT: 30px\"><IMG height=32 src=\"");
        m_out.Write(m_page.MouseTrails());
        m_out.WriteLine(u"\" width=32 align=bottom></DIV>");
    }
    m_out.WriteLine(u"<SCRIPT LANGUAGE=\"JavaScript\" SRC=\"trails.js\"></SCRIPT>");
}

// Two links to a row; after an odd number of links the last row ends in an empty cell.
void PageGenerator::WriteLinksTable()
{
    const Collection& links = m_page.Links();
    for (qint32 row = 1; row <= links.Count(); row += 2) {
        m_out.WriteLine(u"<tr>");
        for (const qint32 position : {row, row + 1}) {
            m_out.WriteLine(u"<td>");
            if (position <= links.Count())
                WriteLinkParagraph(*links.Item(position), true);
            m_out.WriteLine(u"</td>");
        }
        m_out.WriteLine(u"</tr>");
    }
}

// A link's paragraph: its picture and caption, inside an anchor when it has an address and the
// anchor is wanted. The link dialog's preview of a link on its own has none.
void PageGenerator::WriteLinkParagraph(const CWebPage& link, bool bAnchor)
{
    const bool anchored = bAnchor && !link.MainLink().isEmpty();
    m_out.WriteLine(u"<p align=\"center\">");
    if (anchored) {
        m_out.Write(u"<a href=\"");
        m_out.Write(link.MainLink());
        m_out.WriteLine(u"\">");
    }
    if (!link.MainPicture().isEmpty()) {
        m_out.Write(u"<img border=\"0\" src=\"");
        m_out.Write(link.MainPicture());
        m_out.WriteLine(u"\"><br>");
    }
    if (!link.Name().isEmpty())
        m_out.WriteLine(link.Name());
    if (anchored)
        m_out.WriteLine(u"</a>");
    m_out.WriteLine(u"</p>");
}
