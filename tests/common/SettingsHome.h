#pragma once

#include <QFile>
#include <QTemporaryDir>

// Gives this test program a Qt settings home of its own, removed when it ends, so that the dialogs'
// settings never reach the user's. First in main, before any settings are read.
inline void UseOwnSettingsHome()
{
    // Made before the application object, so it outlives the dialogs' settings, written last.
    static const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
}
