#include "toolkit/MsgBox.h"
#include "toolkit/basProcsDialogs.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace basProcs
{

bool ReportError(QWidget* owner, const Error& error, const QString& sModule,
                 const QString& sMessage, const QString& sAdditional, bool bOkOnly)
{
    QString text = sMessage.isEmpty()
                       ? QCoreApplication::translate("ReportError", "An error has occurred.")
                       : sMessage;
    text += u"\r\n"_s;
    if (!sModule.isEmpty())
        text += QCoreApplication::translate("ReportError", "(Module: %1)").arg(sModule) + u' ';
    text += QString::number(error.Number()) + u' ' + error.Description();
    if (!sAdditional.isEmpty())
        text += u"\r\n"_s + sAdditional;

    const MsgBoxStyle::Styles style =
        MsgBoxStyle::Critical | (bOkOnly ? MsgBoxStyle::OkOnly : MsgBoxStyle::OkCancel);
    return MsgBox(owner, text, style) == MsgBoxResult::Ok;
}

} // namespace basProcs
