#include "support/App.h"
#include "support/NativePath.h"
#include "support/basProcs.h"
#include "toolkit/basProcsDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <utility>

using namespace Qt::StringLiterals;

namespace basProcs
{

namespace
{

// Longer chosen paths are refused as a failed dialog, so no caller ever meets one.
constexpr qsizetype MaxFileName = 254;

// The given folder without a final "\" (a root keeps it). A missing one is replaced by the
// application folder, so that the dialog never opens somewhere arbitrary.
QString StartFolder(const QString& sInitialFolder)
{
    QString folder = sInitialFolder;
    if (folder.endsWith(u'\\') && folder.size() > 3)
        folder.chop(1);
    return FolderExists(folder) ? folder : App::Path();
}

// "Pictures,*.gif;*.jpg,All Files,*.*" as the dialog's list: "Pictures (*.gif *.jpg)", ...
// A description without a pattern after it is left out.
QStringList NameFilters(const QStringList& items)
{
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        QString patterns = items.at(i + 1);
        filters << items.at(i) + u" ("_s + patterns.replace(u';', u' ') + u')';
    }
    return filters;
}

// The text after the last "." of the first pattern ("*.gif;*.bmp" gives "bmp"). A wildcard there
// ("*.*") names no extension and gives none.
QString FirstPatternExtension(const QStringList& items)
{
    if (items.size() < 2)
        return {};
    const QStringList pieces = SplitToArray(items.at(1), u"."_s, false);
    const QString extension = pieces.isEmpty() ? QString() : pieces.constLast();
    if (extension.contains(u'*') || extension.contains(u'?'))
        return {};
    return extension;
}

// An existing file chosen to open is that file, also without an extension (Chromium keeps its
// bookmarks in one called "Bookmarks"): the default extension is for a name typed that is not
// there.
QString ChosenFile(const QFileDialog& dialog)
{
    const QString chosen = dialog.selectedFiles().constFirst();
    const QString extension = u'.' + dialog.defaultSuffix();
    const QString asTyped = chosen.chopped(extension.size());
    if (dialog.acceptMode() == QFileDialog::AcceptOpen && chosen.endsWith(extension) &&
        !QFileInfo::exists(chosen) && QFileInfo::exists(asTyped))
        return asTyped;
    return chosen;
}

} // namespace

qint32 ShowFileDialog(QString& sFileName, qint16 iMode, QWidget* owner, const QString& sTitle,
                      const QString& sInitialFolder, const QString& sFilter,
                      const QString& sDefaultExt)
{
    const QString offered = std::exchange(sFileName, QString());
    if (iMode != FileOpen && iMode != FileSave)
        return 0;

    const QStringList items = SplitToArray(sFilter, u","_s, false);
    QFileDialog dialog(owner, sTitle, NativePath(StartFolder(sInitialFolder)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name that does not exist is handed back too; the caller meets the failure when using it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(iMode == FileSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setNameFilters(NameFilters(items));
    dialog.setDefaultSuffix(sDefaultExt.isEmpty() ? FirstPatternExtension(items) : sDefaultExt);
    if (!offered.isEmpty())
        dialog.selectFile(offered);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return 0;

    const QString chosen = BackslashPath(ChosenFile(dialog));
    if (chosen.size() > MaxFileName)
        return 0;
    sFileName = chosen;
    return 1;
}

} // namespace basProcs
