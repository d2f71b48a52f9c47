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

// Shows the file-open (mode 0) or file-save (mode 1) dialog, modal to owner, and returns nonzero
// when the user chose a file, whose full path is then in sFileName ("\"-separated). sFilter lists
// descriptions and patterns alternately, separated by "," ("Picture Files,*.gif;*.jpg,All
// Files,*.*"); the first choice is selected. A typed name without extension gets sDefaultExt, or
// the extension of the first pattern when none is given. A missing initial folder is replaced by
// the application folder. Cancel, a failing dialog or another mode give 0 and an empty name.
qint32 ShowFileDialog(QString& sFileName, qint16 iMode, QWidget* owner, const QString& sTitle,
                      const QString& sInitialFolder, const QString& sFilter,
                      const QString& sDefaultExt = {});

// The 16 custom colours of the colour dialog as colour values; all black when the program starts
// and kept until it ends, never in a file.
std::array<qint32, 16>& CustomColors();

// Shows the colour dialog, modal to owner, starting on initialColor (black when none is given) and
// showing CustomColors. On OK stores the chosen colour (0x00BBGGRR, red in the low byte) in
// lColor, keeps the custom colours as the user left them and returns true; on cancel changes
// nothing and returns false.
bool ShowColorDialog(qint32& lColor, QWidget* owner, std::optional<qint32> initialColor = {});

// Tells the user about a caught error in a message box with the critical icon: the message (or
// "An error has occurred."), then "(Module: name) " when a module is named, the error's number and
// description, then the additional text when there is one. With bOkOnly the box has only OK,
// otherwise OK and Cancel. Returns true when the user answered OK.
bool ReportError(QWidget* owner, const Error& error, const QString& sModule,
                 const QString& sMessage, const QString& sAdditional, bool bOkOnly);

} // namespace basProcs
