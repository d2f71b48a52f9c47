#pragma once

#include "support/Error.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

class QWidget;

// The procedures that show a window: the file and colour dialogs and the error message box.
// The dialogs are the toolkit's own, so they look and behave the same on every platform.
namespace basProcs
{

enum FileDialogMode : qint16 { FileOpen = 0, FileSave = 1 };

// The file-open or file-save dialog, modal to owner; nonzero when a file was chosen, its
// "\"-separated path then in sFileName; a file name that sFileName holds on entry is offered in the
// dialog's name box. sFilter alternates descriptions and patterns, separated by
// "," ("Pictures,*.gif;*.jpg,All Files,*.*"), and the dialog starts on its first choice. A typed
// name without an extension gets sDefaultExt, else the first pattern's. Cancel or a failure give 0
// and an empty name.
qint32 ShowFileDialog(QString& sFileName, qint16 iMode, QWidget* owner, const QString& sTitle,
                      const QString& sInitialFolder, const QString& sFilter,
                      const QString& sDefaultExt = {});

// The colour dialog's 16 custom colours, shared by every dialog of this run and forgotten at exit.
std::array<qint32, 16>& CustomColors();

// The colour dialog, modal to owner, opening on initialColor (black without one). Only OK changes
// anything, and returns true: lColor takes the chosen colour, CustomColors what the user left.
bool ShowColorDialog(qint32& lColor, QWidget* owner, std::optional<qint32> initialColor = {});

// Shows a caught error with the critical icon, below sMessage (a general sentence when it is
// empty), with sModule before the number and sAdditional after the description when given. Only
// OK with bOkOnly, else OK and Cancel; true for OK.
bool ReportError(QWidget* owner, const Error& error, const QString& sModule,
                 const QString& sMessage, const QString& sAdditional, bool bOkOnly);

} // namespace basProcs
