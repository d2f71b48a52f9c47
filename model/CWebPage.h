#pragma once

#include "model/Collection.h"
#include "support/Error.h"

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

// The home page (Mode 0), and each of its links too (Mode 1), of which only Name (the caption),
// MainPicture and MainLink count: one class, so that the generator draws a link alike on the page
// and in the link dialog's preview. Setters store exactly what they are given, blanks included.
// Colours are 0x00BBGGRR, as the colour dialog gives them; -1 is not set.
class CWebPage
{
public:
    // Mode is a plain number, never checked: GeneratePage writes any other value as an empty body.
    enum PageMode : qint32 { HomePage = 0, LinkRecord = 1 };

    // Reads the settings file into this page; an Error when it ends early or holds a number out of
    // range. A wrong header changes nothing, but past the header nothing is rolled back: what a
    // damaged file still holds stays in the page, for the editor to show and keep. Lines after the
    // links counted are passed over; given pUnread, it is set to what to tell the user of them, or
    // to nothing when there are none.
    void LoadSettings(const QString& sFile, std::optional<Error>* pUnread = nullptr);
    // Writes this page into the settings file, replacing it whole or not at all.
    void SaveSettings(const QString& sFile) const;
    // Writes this page as an HTML page, replacing the file whole or not at all.
    void GeneratePage(const QString& sFile) const;

    qint32 Mode() const { return m_mode; }
    void SetMode(qint32 vNewValue) { m_mode = vNewValue; }
    const QString& Title() const { return Parts().title; }
    void SetTitle(const QString& vNewValue) { Parts().title = vNewValue; }
    const QString& Name() const { return m_name; }
    void SetName(const QString& vNewValue) { m_name = vNewValue; }
    const QString& Wallpaper() const { return Parts().wallpaper; }
    void SetWallpaper(const QString& vNewValue) { Parts().wallpaper = vNewValue; }
    const QString& MouseTrails() const { return Parts().mouseTrails; }
    void SetMouseTrails(const QString& vNewValue) { Parts().mouseTrails = vNewValue; }
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
    const QString& MainPicture() const { return m_mainPicture; }
    void SetMainPicture(const QString& vNewValue) { m_mainPicture = vNewValue; }
    const QString& MainLink() const { return m_mainLink; }
    void SetMainLink(const QString& vNewValue) { m_mainLink = vNewValue; }

    Collection& Links() { return Parts().links; }
    const Collection& Links() const { return Parts().links; }

private:
    // What only the home page uses, kept apart so that a link record takes little room: the
    // 32766 links of the largest page are most of the editor's memory.
    struct PageParts {
        QString title;
        QString wallpaper;
        QString mouseTrails;
        qint32 backcolor = -1;
        qint32 forecolor = -1;
        qint32 linkColor = 0;
        qint32 vLinkColor = 0;
        qint32 aLinkColor = 0;
        Collection links;
    };

    // The page's own parts, made when first changed; the defaults until then.
    PageParts& Parts();
    const PageParts& Parts() const;

    qint32 m_mode = HomePage;
    QString m_name;
    QString m_mainPicture;
    QString m_mainLink;
    std::unique_ptr<PageParts> m_parts;
};
