#pragma once

#include "support/App.h"

#include <QString>

// The folder below the application folder that holds the home page, its settings and its
// pictures, as "\"-separated text; given a file name, that file in it.
inline QString HomeFolder(const QString& sName = QString())
{
    const QString folder = App::File(QStringLiteral("home"));
    return sName.isEmpty() ? folder : folder + u'\\' + sName;
}
