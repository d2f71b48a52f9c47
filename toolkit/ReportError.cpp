#include "toolkit/MsgBox.h"
#include "toolkit/basProcsDialogs.h"

using namespace Qt::StringLiterals;

namespace basProcs
{

bool ReportError(QWidget* owner, const Error& error, const QString& sModule,
                 const QString& sMessage, const QString& sAdditional, bool bOkOnly)
{
    QString text = sMessage.isEmpty() ? u"An error has occurred."_s : sMessage;
    text += u"\r\n"_s;
    if (!sModule.isEmpty())
        text += u"(Module: "_s + sModule + u") "_s;
    text += QString::number(error.Number()) + u' ' + error.Description();
    if (!sAdditional.isEmpty())
        text += u"\r\n"_s + sAdditional;

    const MsgBoxStyle::Styles style =
        MsgBoxStyle::Critical | (bOkOnly ? MsgBoxStyle::OkOnly : MsgBoxStyle::OkCancel);
    return MsgBox(owner, text, style) == MsgBoxResult::Ok;
}

} // namespace basProcs
