#pragma once

#include "model/Collection.h"

#include <QString>
#include <QtGlobal>

// The home page (Mode 0), and each of its links too (Mode 1), of which only Name (the caption),
// MainPicture and MainLink count: one class, so that the generator draws a link alike on the page
// and in the link dialog's preview. Setters store exactly what they are given, blanks included.
// Colours are 0x00BBGGRR, as the colour dialog gives them; -1 is not set.
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
    const QString& Title() const { return m_title; }
    void SetTitle(QString vNewValue) { m_title = std::move(vNewValue); }
    const QString& Name() const { return m_name; }
    void SetName(QString vNewValue) { m_name = std::move(vNewValue); }
    const QString& Wallpaper() const { return m_wallpaper; }
    void SetWallpaper(QString vNewValue) { m_wallpaper = std::move(vNewValue); }
    const QString& MouseTrails() const { return m_mouseTrails; }
    void SetMouseTrails(QString vNewValue) { m_mouseTrails = std::move(vNewValue); }
    qint32 Backcolor() const { return m_backcolor; }
    void SetBackcolor(qint32 vNewValue) { m_backcolor = vNewValue; }
    qint32 Forecolor() const { return m_forecolor; }
    void SetForecolor(qint32 vNewValue) { m_forecolor = vNewValue; }
    qint32 LinkColor() const { return m_linkColor; }
    void SetLinkColor(qint32 vNewValue) { m_linkColor = vNewValue; }
    qint32 VLinkColor() const { return m_vLinkColor; }
    void SetVLinkColor(qint32 vNewValue) { m_vLinkColor = vNewValue; }
    qint32 ALinkColor() const { return m_aLinkColor; }
    void SetALinkColor(qint32 vNewValue) { m_aLinkColor = vNewValue; }
    const QString& MainPicture() const { return m_mainPicture; }
    void SetMainPicture(QString vNewValue) { m_mainPicture = std::move(vNewValue); }
    const QString& MainLink() const { return m_mainLink; }
    void SetMainLink(QString vNewValue) { m_mainLink = std::move(vNewValue); }

    Collection& Links() { return m_links; }
    const Collection& Links() const { return m_links; }

private:
    qint32 m_mode = HomePage;
    QString m_title;
    QString m_name;
    QString m_wallpaper;
    QString m_mouseTrails;
    qint32 m_backcolor = -1;
    qint32 m_forecolor = -1;
    qint32 m_linkColor = 0;
    qint32 m_vLinkColor = 0;
    qint32 m_aLinkColor = 0;
    QString m_mainPicture;
    QString m_mainLink;
    Collection m_links;
};
