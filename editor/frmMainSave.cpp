// frmMain's Save, and the close that offers it.

#include "editor/HomeFolder.h"
#include "editor/SitePicturesBar.h"
#include "editor/frmMain.h"
#include "model/CWebPage.h"
#include "support/Error.h"
#include "support/NativePath.h"
#include "toolkit/MsgBox.h"
#include "toolkit/RunCommand.h"

#include <QCloseEvent>
#include <QLockFile>

using namespace Qt::StringLiterals;

// The settings file is replaced only when it holds what this window read, or the user says so;
// the version it held is kept among the earlier ones. True when both files were written.
bool frmMain::SaveHomePage()
{
    const std::unique_ptr<QLockFile> lock = m_settingsGuard.Lock();
    if (!MayReplaceSettings(m_settingsGuard.Check()))
        return false;
    const std::optional<Error> notKept = m_settingsGuard.KeepEarlier();
    try {
        WriteHomePage();
    } catch (const Error&) {
        m_settingsGuard.Written(false);
        throw;
    }
    m_settingsGuard.Written(true);
    if (notKept)
        MsgBox(this,
               tr("The home page was saved, but the settings it replaced could not be kept as "
                  "an earlier version.") +
                   u"\r\n\r\n"_s + notKept->Description(),
               MsgBoxStyle::Critical);
    m_document.MarkSaved();
    m_recovery.Remove();
    return true;
}

bool frmMain::MayReplaceSettings(SettingsGuard::Found found)
{
    QString question;
    switch (found) {
    case SettingsGuard::Found::AsRead:
        return true;
    case SettingsGuard::Found::NotRead:
        question = tr("The home page settings in \"%1\" could not be read when the editor "
                      "started, so this window does not show them. Replace them with the settings "
                      "in this window?")
                       .arg(DisplayPath(m_settingsGuard.File()));
        break;
    case SettingsGuard::Found::ChangedSince:
        question = tr("The home page settings were changed by another program after this "
                      "window read them. Replace them with the settings in this window?");
        break;
    }
    return MsgBox(this, question, MsgBoxStyle::YesNo | MsgBoxStyle::Question) == MsgBoxResult::Yes;
}

// The settings first, then the page. When only the page fails, the user learns that the two
// now differ, and that saving again will bring the page in line.
void frmMain::WriteHomePage()
{
    const CWebPage& page = m_document.Page();
    page.SaveSettings(m_settingsGuard.File());
    try {
        page.GeneratePage(HomeFolder(u"qzhome.html"_s));
    } catch (const Error& error) {
        throw Error(error.Number(),
                    tr("The home page settings were saved, but the home page itself was not, so "
                       "the page still shows the earlier settings.") +
                        u"\r\n\r\n"_s + error.Description() + u"\r\n\r\n"_s +
                        tr("Save again to write the page once the problem is solved."));
    }
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (MsgBox(this, tr("Save Home Page before exiting?"),
               MsgBoxStyle::YesNo | MsgBoxStyle::Question) == MsgBoxResult::Yes) {
        bool saved = false;
        RunCommand(this, [&] {
            CommitEdit();
            saved = SaveHomePage();
        });
        // The user has been told why, or chose to keep what another program saved: the window
        // stays, to try again or close without saving.
        if (!saved) {
            event->ignore();
            return;
        }
    }
    // A picture coming later would be a change of a page no longer edited.
    m_sitePictures->Cancel();
    m_recovery.Remove();
    event->accept();
}
