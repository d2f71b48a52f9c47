#include "editor/SettingsGuard.h"

#include "support/Error.h"
#include "support/SettingsHistory.h"
#include "toolkit/MsgBox.h"

using namespace Qt::StringLiterals;

void SettingsGuard::Remember(const QString& sFile)
{
    m_file = sFile;
    m_stamp = FileStamp::Of(sFile);
}

bool SettingsGuard::MayReplace(QWidget* owner) const
{
    const FileStamp now = FileStamp::Of(m_file);
    if (now != m_stamp &&
        MsgBox(owner,
               u"The home page settings were changed by another program after this window read "
               u"them. Replace them with the settings in this window?"_s,
               MsgBoxStyle::YesNo | MsgBoxStyle::Question) == MsgBoxResult::No)
        return false;
    if (now == FileStamp())
        return true;
    try {
        SettingsHistory::Keep(m_file);
    } catch (const Error& error) {
        MsgBox(owner,
               u"The settings being replaced could not be kept as an earlier version: %1\r\n\r\n"
               u"The new settings are saved all the same."_s.arg(error.Description()),
               MsgBoxStyle::Critical);
    }
    return true;
}
