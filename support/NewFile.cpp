#include "support/NewFile.h"

#include "support/FileError.h"
#include "support/NativePath.h"
#include "support/basProcs.h"

#include <QFile>
#include <QFileInfo>

namespace NewFile
{

QString Write(const QString& sFolder, const std::function<QString(int iNumber)>& name,
              const QByteArray& bytes, QFileDevice::Permissions permissions)
{
    for (int number = 1;; ++number) {
        const QString path = basProcs::AddBackslash(sFolder) + name(number);
        QFile file(NativePath(path));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, permissions)) {
            if (file.write(bytes) == bytes.size() && file.flush())
                return path;
            file.remove();
            throw FileError::WriteFailed(path);
        }
        const QFileInfo taken(NativePath(path));
        if (!taken.exists() && !taken.isSymLink())
            throw FileError::OpenFailed(file, path, FileError::Access::Write);
    }
}

QString NumberedName(const QString& sStem, const QString& sExtension, int iNumber)
{
    return iNumber == 1 ? sStem + sExtension : sStem + u'-' + QString::number(iNumber) + sExtension;
}

} // namespace NewFile
