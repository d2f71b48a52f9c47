#include "toolkit/RunCommand.h"

#include "support/Error.h"
#include "toolkit/MsgBox.h"

#include <new>

using namespace Qt::StringLiterals;

void RunCommand(QWidget* owner, const std::function<void()>& command)
{
    try {
        command();
    } catch (const Error& error) {
        MsgBox(owner, u"%1\r\n\r\n(Error %2)"_s.arg(error.Description()).arg(error.Number()),
               MsgBoxStyle::Critical);
    } catch (const std::bad_alloc&) {
        MsgBox(owner, u"There is not enough memory for this. Close other programs and try again."_s,
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
