#pragma once

#include "editor/frmLinkControls.h"
#include "toolkit/TabOrder.h"

#include <QDialog>
#include <memory>

class CWebPage;
class QImage;
class SitePicture;

// The modal dialog for one link: its picture, caption and address, with a preview. It works on
// the page's own link object rather than a copy, so that OK needs no hand-back; nothing is
// written into it before OK:
//
//     frmLink dialog(this);
//     dialog.SetWebPage(link);
//     dialog.UpdateFields();
//     dialog.exec();
class frmLink : public QDialog
{
    Q_OBJECT

public:
    explicit frmLink(QWidget* parent);

    // Released as the dialog closes, so that a dialog kept after exec() holds on to no link.
    std::shared_ptr<CWebPage> WebPage() const { return m_webPage; }
    void SetWebPage(std::shared_ptr<CWebPage> vNewValue) { m_webPage = std::move(vNewValue); }

    // The tiles that Get Picture and an imported picture's copy are made as: those of the page.
    void SetTile(int iSide, const QColor& ground);

    // Fills the controls from the link and shows the preview. A step that fails is passed over: a
    // preview that cannot be written must not keep the dialog from opening.
    void UpdateFields();

    // Every way of closing the dialog ends here: OK, Cancel, Esc and the close box. A picture
    // still being fetched is given up, and unless by OK those fetched are removed.
    void done(int iResult) override;

signals:
    // A picture has come into the pictures folder, through the picker or "Get Picture", or those
    // fetched have gone with Cancel: the other pickers list the folder again.
    void NewImagesImported();

protected:
    bool focusNextPrevChild(bool bNext) override;

private:
    void ConnectEvents();

    void Form_Load();
    void cmdGetPicture_Click();
    void sitePicture_Done(const QImage& picture);
    void sitePicture_Failed(const QString& sReason);
    void ShowFetching(bool bFetching);
    void cmdUpdatePreview_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void Form_QueryUnload();

    frmLinkControls ui;
    TabOrder m_tabOrder;
    std::shared_ptr<CWebPage> m_webPage;
    SitePicture* m_sitePicture;
    // The address whose picture is being fetched, as it was typed.
    QString m_siteAddress;
    // The pictures "Get Picture" put in the folder, which a cancelled dialog takes out again.
    QStringList m_fetched;
};
