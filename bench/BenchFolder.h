#pragma once

#include "support/App.h"

#include <QDir>
#include <QTemporaryDir>

// An application folder of the benchmark's own, with an empty home, made the program's folder.
class BenchFolder : public QTemporaryDir
{
public:
    BenchFolder()
    {
        App::SetPath(path());
        QDir(path()).mkpath(QStringLiteral("home"));
    }
};
