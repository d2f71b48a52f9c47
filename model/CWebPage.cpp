#include "model/CWebPage.h"

#include "model/SettingsReader.h"
#include "model/SettingsWriter.h"

namespace
{

std::shared_ptr<CWebPage> ReadLink(SettingsReader& in)
{
    auto link = std::make_shared<CWebPage>();
    link->SetMode(CWebPage::LinkRecord);
    link->SetName(in.ReadText());
    link->SetMainPicture(in.ReadText());
    link->SetMainLink(in.ReadText());
    return link;
}

} // namespace

void CWebPage::LoadSettings(const QString& sFile)
{
    SettingsReader in(sFile);
    in.ReadHeader();
    m_title = in.ReadText();
    m_name = in.ReadText();
    m_wallpaper = in.ReadText();
    for (qint32* color : {&m_backcolor, &m_forecolor, &m_linkColor, &m_vLinkColor, &m_aLinkColor})
        *color = in.ReadNumber();
    m_mouseTrails = in.ReadText();
    in.SkipReserved();
    const qint32 count = in.ReadLinkCount();
    m_links = Collection();
    for (qint32 position = 1; position <= count; ++position)
        m_links.Add(ReadLink(in));
}

void CWebPage::SaveSettings(const QString& sFile) const
{
    SettingsWriter out(sFile);
    out.WriteHeader();
    out.WriteText(m_title);
    out.WriteText(m_name);
    out.WriteText(m_wallpaper);
    for (const qint32 color : {m_backcolor, m_forecolor, m_linkColor, m_vLinkColor, m_aLinkColor})
        out.WriteNumber(color);
    out.WriteText(m_mouseTrails);
    out.WriteReserved();
    out.WriteNumber(m_links.Count());
    for (qint32 position = 1; position <= m_links.Count(); ++position) {
        const CWebPage& link = *m_links.Item(position);
        out.WriteText(link.Name());
        out.WriteText(link.MainPicture());
        out.WriteText(link.MainLink());
    }
    out.Commit();
}
