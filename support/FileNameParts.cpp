#include "support/FileNameParts.h"

#include "support/basProcs.h"

using namespace basProcs;

FileNameParts FileNameParts::Of(const QString& sPath)
{
    const QString fileName = GetPathPart(sPath, PartFileName);
    const QString extension = GetPathPart(sPath, PartExtension);
    if (extension.isEmpty())
        return {AddBackslash(GetPathPart(sPath)), fileName, QString()};
    return {AddBackslash(GetPathPart(sPath)), fileName.chopped(extension.size() + 1),
            u'.' + extension};
}
