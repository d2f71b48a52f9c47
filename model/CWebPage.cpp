#include "model/CWebPage.h"

#include "model/SettingsReader.h"
#include "model/SettingsWriter.h"
#include "support/Error.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <type_traits>
#include <utility>

using namespace Qt::StringLiterals;

namespace
{

qint32 EndAt(qsizetype size)
{
    if (size > std::numeric_limits<qint32>::max())
        throw Error(Error::Overflow, u"The texts of a page are too long to keep."_s);
    return static_cast<qint32>(size);
}

bool AllLatin1(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// The value's own characters, when it is given in Latin-1.
std::optional<QLatin1StringView> Latin1Of(QAnyStringView value)
{
    return value.visit([](auto view) -> std::optional<QLatin1StringView> {
        if constexpr (std::is_same_v<decltype(view), QLatin1StringView>)
            return view;
        else
            return std::nullopt;
    });
}

} // namespace

void CWebPage::LoadSettings(const QString& sFile)
{
    SettingsReader in(sFile);
    in.ReadHeader();
    SetTitle(in.ReadText());
    SetName(in.ReadText());
    SetWallpaper(in.ReadText());
    PageParts& parts = Parts();
    for (qint32* color : {&parts.backcolor, &parts.forecolor, &parts.linkColor, &parts.vLinkColor,
                          &parts.aLinkColor})
        *color = in.ReadNumber();
    SetMouseTrails(in.ReadText());
    in.SkipReserved();
    const qint32 count = in.ReadLinkCount();
    parts.links = Collection();
    QByteArray scratch;
    for (qint32 position = 1; position <= count; ++position)
        parts.links.Add(ReadLink(in, scratch));
}

// Latin-1 values are gathered in scratch, which keeps its room from link to link, and copied
// once at their exact size; from a value that is not Latin-1 on, each is set on its own.
std::shared_ptr<CWebPage> CWebPage::ReadLink(SettingsReader& in, QByteArray& scratch)
{
    auto link = std::make_shared<CWebPage>();
    link->m_mode = LinkRecord;
    scratch.truncate(0);
    bool gathering = true;
    for (const TextField field : {TextField::Name, TextField::MainPicture, TextField::MainLink}) {
        const QAnyStringView value = in.ReadValue();
        const std::optional<QLatin1StringView> latin1 = Latin1Of(value);
        if (gathering && latin1) {
            scratch.append(latin1->data(), latin1->size());
            link->MoveEnds(field, latin1->size());
            continue;
        }
        if (std::exchange(gathering, false))
            link->m_texts = QByteArray(scratch.constData(), scratch.size());
        link->SetText(field, value);
    }
    if (gathering)
        link->m_texts = QByteArray(scratch.constData(), scratch.size());
    return link;
}

void CWebPage::SaveSettings(const QString& sFile) const
{
    SettingsWriter out(sFile);
    out.WriteHeader();
    out.WriteText(Title());
    out.WriteText(Name());
    out.WriteText(Wallpaper());
    const PageParts& parts = Parts();
    for (const qint32 color :
         {parts.backcolor, parts.forecolor, parts.linkColor, parts.vLinkColor, parts.aLinkColor})
        out.WriteNumber(color);
    out.WriteText(MouseTrails());
    out.WriteReserved();
    out.WriteNumber(parts.links.Count());
    for (qint32 position = 1; position <= parts.links.Count(); ++position) {
        const CWebPage& link = *parts.links.Item(position);
        out.WriteText(link.Name());
        out.WriteText(link.MainPicture());
        out.WriteText(link.MainLink());
    }
    out.Commit();
}

CWebPage::TextRange CWebPage::Range(TextField field) const
{
    const auto index = qsizetype(field);
    return {index == 0 ? 0 : m_ends[index - 1],
            index + 1 < kTextCount ? m_ends[index] : TextsSize()};
}

qsizetype CWebPage::TextsSize() const
{
    return m_wide ? m_texts.size() / 2 : m_texts.size();
}

QAnyStringView CWebPage::Span(qsizetype start, qsizetype end) const
{
    if (m_wide)
        return QStringView(reinterpret_cast<const char16_t*>(m_texts.constData()) + start,
                           end - start);
    return QLatin1StringView(m_texts.constData() + start, end - start);
}

QAnyStringView CWebPage::Text(TextField field) const
{
    const TextRange range = Range(field);
    return Span(range.start, range.end);
}

// The value may be one of this page's own texts: the new texts are made before the old ones go.
void CWebPage::SetText(TextField field, QAnyStringView value)
{
    const TextRange range = Range(field);
    if (Span(range.start, range.end) == value)
        return;
    const QString typed = value.toString();
    if (!m_wide && AllLatin1(typed)) {
        // In place: the other texts are not converted and copied, which took seconds for each
        // change of a page with a text of many megabytes.
        m_texts.replace(range.start, range.end - range.start, typed.toLatin1());
    } else {
        QString texts = Span(0, TextsSize()).toString();
        texts.replace(range.start, range.end - range.start, typed);
        StoreTexts(texts);
    }
    MoveEnds(field, typed.size() - (range.end - range.start));
}

// The ends of the text and of those after it, when the text grows by growth characters.
void CWebPage::MoveEnds(TextField field, qsizetype growth)
{
    for (auto index = qsizetype(field); index < qsizetype(m_ends.size()); ++index)
        m_ends[index] = EndAt(m_ends[index] + growth);
}

// In Latin-1 when every character is.
void CWebPage::StoreTexts(QStringView texts)
{
    m_wide = !AllLatin1(texts);
    m_texts = m_wide ? QByteArray(reinterpret_cast<const char*>(texts.utf16()), texts.size() * 2)
                     : texts.toLatin1();
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
