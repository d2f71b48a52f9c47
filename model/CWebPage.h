#pragma once

#include "model/Collection.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <memory>

class SettingsReader;

// The home page (Mode 0), and each of its links too (Mode 1), of which only Name (the caption),
// MainPicture and MainLink count: one class, so that the generator draws a link alike on the page
// and in the link dialog's preview. Setters store exactly what they are given, blanks included; a
// text got stays valid until one of the page's texts is set. Colours are 0x00BBGGRR, as the colour
// dialog gives them; -1 is not set.
class CWebPage
{
public:
    // Mode is a plain number, never checked: GeneratePage writes any other value as an empty body.
    enum PageMode : qint32 { HomePage = 0, LinkRecord = 1 };

    // Reads the settings file into this page; an Error when it cannot be read whole. A wrong
    // header changes nothing, but past the header nothing is rolled back: what a damaged file
    // still holds stays in the page, for the editor to show and keep.
    void LoadSettings(const QString& sFile);
    // Writes this page into the settings file, replacing it whole or not at all.
    void SaveSettings(const QString& sFile) const;
    // Writes this page as an HTML page, replacing the file whole or not at all.
    void GeneratePage(const QString& sFile) const;

    qint32 Mode() const { return m_mode; }
    void SetMode(qint32 vNewValue) { m_mode = vNewValue; }
    QAnyStringView Title() const { return Text(TextField::Title); }
    void SetTitle(QAnyStringView vNewValue) { SetText(TextField::Title, vNewValue); }
    QAnyStringView Name() const { return Text(TextField::Name); }
    void SetName(QAnyStringView vNewValue) { SetText(TextField::Name, vNewValue); }
    QAnyStringView Wallpaper() const { return Text(TextField::Wallpaper); }
    void SetWallpaper(QAnyStringView vNewValue) { SetText(TextField::Wallpaper, vNewValue); }
    QAnyStringView MouseTrails() const { return Text(TextField::MouseTrails); }
    void SetMouseTrails(QAnyStringView vNewValue) { SetText(TextField::MouseTrails, vNewValue); }
    qint32 Backcolor() const { return Parts().backcolor; }
    void SetBackcolor(qint32 vNewValue) { Parts().backcolor = vNewValue; }
    qint32 Forecolor() const { return Parts().forecolor; }
    void SetForecolor(qint32 vNewValue) { Parts().forecolor = vNewValue; }
    qint32 LinkColor() const { return Parts().linkColor; }
    void SetLinkColor(qint32 vNewValue) { Parts().linkColor = vNewValue; }
    qint32 VLinkColor() const { return Parts().vLinkColor; }
    void SetVLinkColor(qint32 vNewValue) { Parts().vLinkColor = vNewValue; }
    qint32 ALinkColor() const { return Parts().aLinkColor; }
    void SetALinkColor(qint32 vNewValue) { Parts().aLinkColor = vNewValue; }
    QAnyStringView MainPicture() const { return Text(TextField::MainPicture); }
    void SetMainPicture(QAnyStringView vNewValue) { SetText(TextField::MainPicture, vNewValue); }
    QAnyStringView MainLink() const { return Text(TextField::MainLink); }
    void SetMainLink(QAnyStringView vNewValue) { SetText(TextField::MainLink, vNewValue); }

    Collection& Links() { return Parts().links; }
    const Collection& Links() const { return Parts().links; }

private:
    // A link's own texts come first, so that a link record's texts end with its address.
    enum class TextField { Name, MainPicture, MainLink, Title, Wallpaper, MouseTrails };
    static constexpr qsizetype kTextCount = 6;

    // What only the home page uses, kept apart so that a link record takes little room.
    struct PageParts {
        qint32 backcolor = -1;
        qint32 forecolor = -1;
        qint32 linkColor = 0;
        qint32 vLinkColor = 0;
        qint32 aLinkColor = 0;
        Collection links;
    };

    struct TextRange {
        qsizetype start, end;
    };
    TextRange Range(TextField field) const;
    qsizetype TextsSize() const;
    QAnyStringView Span(qsizetype start, qsizetype end) const;
    QAnyStringView Text(TextField field) const;
    void SetText(TextField field, QAnyStringView value);
    void MoveEnds(TextField field, qsizetype growth);
    void StoreTexts(QStringView texts);
    // The page's own parts, made when first changed; the defaults until then.
    PageParts& Parts();
    const PageParts& Parts() const;
    static std::shared_ptr<CWebPage> ReadLink(SettingsReader& in, QByteArray& scratch);

    qint32 m_mode = HomePage;
    // m_texts holds all six texts one after another, a byte a character in Latin-1 when every
    // character is Latin-1, as on nearly every page, else in UTF-16 (m_wide); m_ends says where
    // each but the last ends, in characters. A page of 32766 links then takes half the memory that
    // a string a text took, and the heap two blocks a link instead of four.
    std::array<qint32, kTextCount - 1> m_ends{};
    bool m_wide = false;
    QByteArray m_texts;
    std::unique_ptr<PageParts> m_parts;
};
