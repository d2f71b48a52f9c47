#include "model/CWebPage.h"

#include "model/PageGenerator.h"
#include "model/SettingsLayout.h"
#include "model/SettingsReader.h"
#include "model/SettingsWriter.h"

using namespace SettingsLayout;

void CWebPage::LoadSettings(const QString& sFile, std::optional<Error>* pUnread)
{
    SettingsReader in(sFile);
    qint32 count = 0;
    for (const Line& line : PageLines) {
        switch (line.kind) {
        case Kind::Header:
            in.ReadHeader();
            break;
        case Kind::Text:
            (this->*line.setText)(in.ReadText());
            break;
        case Kind::Number:
            (this->*line.setNumber)(in.ReadNumber());
            break;
        case Kind::Reserved:
            in.Skip(line.count);
            break;
        case Kind::LinkCount:
            count = in.ReadLinkCount();
            break;
        }
    }
    Collection& links = Links();
    links = Collection();
    for (qint32 position = 1; position <= count; ++position) {
        auto link = std::make_shared<CWebPage>();
        link->m_mode = LinkRecord;
        for (const Line& line : LinkLines)
            ((*link).*line.setText)(in.ReadText());
        links.Add(std::move(link));
    }
    if (pUnread)
        *pUnread = in.UnreadLines(count);
}

void CWebPage::SaveSettings(const QString& sFile) const
{
    SettingsWriter out(sFile);
    for (const Line& line : PageLines) {
        switch (line.kind) {
        case Kind::Header:
            out.WriteHeader();
            break;
        case Kind::Text:
            out.WriteText((this->*line.text)());
            break;
        case Kind::Number:
            out.WriteNumber((this->*line.number)());
            break;
        case Kind::Reserved:
            out.WriteEmpty(line.count);
            break;
        case Kind::LinkCount:
            out.WriteNumber(Links().Count());
            break;
        }
    }
    for (const std::shared_ptr<CWebPage>& link : Links())
        for (const Line& line : LinkLines)
            out.WriteText(((*link).*line.text)());
    out.Commit();
}

void CWebPage::GeneratePage(const QString& sFile) const
{
    TextFileWriter out(sFile);
    PageGenerator(*this, out).Write();
    out.Commit();
}

CWebPage::PageParts& CWebPage::Parts()
{
    if (!m_parts)
        m_parts = std::make_unique<PageParts>();
    return *m_parts;
}

const CWebPage::PageParts& CWebPage::Parts() const
{
    static const PageParts defaults;
    return m_parts ? *m_parts : defaults;
}
