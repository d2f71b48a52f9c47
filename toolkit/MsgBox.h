#pragma once

#include <QFlags>
#include <QString>

class QWidget;

// The styles of a message box: one set of buttons and at most one icon, joined with "|"
// (Critical | OkCancel is OK and Cancel with the critical icon).
namespace MsgBoxStyle
{
enum class Style {
    OkOnly = 0x00,
    OkCancel = 0x01,
    YesNo = 0x04,
    Critical = 0x10,
    Question = 0x20,
    Exclamation = 0x30
};
using enum Style;
Q_DECLARE_FLAGS(Styles, Style)
} // namespace MsgBoxStyle
Q_DECLARE_OPERATORS_FOR_FLAGS(MsgBoxStyle::Styles)

// The button that closed a message box.
namespace MsgBoxResult
{
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgBoxResult

// Shows sPrompt in a modal message box of the given style and returns the answer. The caption is
// sTitle, or the application title when it is empty; CR LF in the prompt starts a new line.
int MsgBox(QWidget* owner, const QString& sPrompt, MsgBoxStyle::Styles iStyle = MsgBoxStyle::OkOnly,
           const QString& sTitle = {});
