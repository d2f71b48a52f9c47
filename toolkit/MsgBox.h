#pragma once

#include <QString>

class QWidget;

// The styles of a message box: one set of buttons plus at most one icon, added together
// (Critical + OkCancel is OK and Cancel with the critical icon).
namespace MsgBoxStyle
{
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
} // namespace MsgBoxStyle

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
int MsgBox(QWidget* owner, const QString& sPrompt, int iStyle = MsgBoxStyle::OkOnly,
           const QString& sTitle = {});
