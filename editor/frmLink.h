#pragma once

#include "editor/frmLinkControls.h"
#include "toolkit/TabOrder.h"

#include <QDialog>
#include <memory>

class CWebPage;

// The modal dialog in which the parent edits one link of the home page: its picture, caption and
// address, with a preview of the link as the page will show it. It edits the link object itself,
// shared with the page's links, and writes into it only on OK:
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

    // The link being edited; empty again once the dialog has closed.
    std::shared_ptr<CWebPage> WebPage() const { return m_webPage; }
    void SetWebPage(std::shared_ptr<CWebPage> vNewValue) { m_webPage = std::move(vNewValue); }

    // Fills the controls from the link and shows the preview; a step that fails is passed over.
    void UpdateFields();

    // Every way of closing the dialog ends here: OK, Cancel, Esc and the close box.
    void done(int iResult) override;

protected:
    bool focusNextPrevChild(bool bNext) override;

private:
    void ConnectEvents();

    void Form_Load();
    void cmdUpdatePreview_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void Form_QueryUnload();

    frmLinkControls ui;
    TabOrder m_tabOrder;
    std::shared_ptr<CWebPage> m_webPage;
};
