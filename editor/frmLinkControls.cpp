#include "editor/frmLinkControls.h"

#include "editor/usrHomeImages.h"
#include "toolkit/ControlTable.h"
#include "toolkit/LabelFor.h"
#include "toolkit/TextBox.h"
#include "toolkit/WebBrowser.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

void frmLinkControls::SetupUi(QDialog* form)
{
    lblPicture = new QLabel(tr("Picture:"), form);
    cmbImages = new usrHomeImages(form);
    lblTitle = new QLabel(tr("Title:"), form);
    txtTitle = new TextBox(form);
    lblURL = new QLabel(tr("URL:"), form);
    txtURL = new TextBox(form);
    cmdGetPicture = new QPushButton(tr("&Get Picture"), form);
    lblPreview = new QLabel(tr("Preview:"), form);
    cmdUpdatePreview = new QPushButton(tr("Update Preview"), form);
    ieBrowser = new WebBrowser(form);
    cmdOK = new QPushButton(tr("OK"), form);
    cmdCancel = new QPushButton(tr("Cancel"), form);
    // Enter presses OK from the text boxes; Esc cancels the dialog.
    cmdOK->setDefault(true);

    // In tab order. "Get Picture" stands beside the address it reads; the controls above and
    // below reach as far right as it does.
    tabControls = ControlTable::Setup({
        {lblPicture, u"lblPicture"_s, {180, 225, 780, 285}},
        {cmbImages, u"cmbImages"_s, {1035, 225, 4800, 315}},
        {lblTitle, u"lblTitle"_s, {180, 720, 780, 285}},
        {txtTitle, u"txtTitle"_s, {1035, 720, 4800, 330}},
        {lblURL, u"lblURL"_s, {180, 1260, 780, 285}},
        {txtURL, u"txtURL"_s, {1035, 1260, 3390, 330}},
        {cmdGetPicture, u"cmdGetPicture"_s, {4500, 1260, 1335, 330}},
        {lblPreview, u"lblPreview"_s, {180, 1800, 1680, 195}},
        {cmdUpdatePreview, u"cmdUpdatePreview"_s, {4380, 1710, 1545, 330}},
        {ieBrowser, u"ieBrowser"_s, {135, 2070, 5790, 2895}},
        {cmdOK, u"cmdOK"_s, {3435, 5175, 1230, 375}},
        {cmdCancel, u"cmdCancel"_s, {4695, 5175, 1230, 375}},
    });
    LabelFor(lblPicture, cmbImages);
    LabelFor(lblTitle, txtTitle);
    LabelFor(lblURL, txtURL);
    LabelFor(lblPreview, ieBrowser);
}
