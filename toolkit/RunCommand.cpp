#include "toolkit/RunCommand.h"

#include "support/Error.h"
#include "toolkit/MsgBox.h"

#include <QCoreApplication>
#include <new>

using namespace Qt::StringLiterals;

void RunCommand(QWidget* owner, const std::function<void()>& command)
{
    try {
        command();
    } catch (const Error& error) {
        MsgBox(owner,
               error.Description() + u"\r\n\r\n"_s +
                   QCoreApplication::translate("RunCommand", "(Error %1)").arg(error.Number()),
               MsgBoxStyle::Critical);
    } catch (const std::bad_alloc&) {
        MsgBox(owner,
               QCoreApplication::translate(
                   "RunCommand",
                   "There is not enough memory for this. Close other programs and try again."),
               MsgBoxStyle::Critical);
    }
}

void IgnoringErrors(const std::function<void()>& step)
{
    try {
        step();
    } catch (const Error&) {
    }
}
