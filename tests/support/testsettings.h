#pragma once

#include "ui/settings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// Settings for a test: never the user's own. The toolkit's test location, and under it a
// folder of this process alone, so that tests running side by side never see one another's
// choices; emptied, so that every program under test starts as on its first run.
inline void useEmptyTestSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    static QTemporaryDir folder(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/velmora-XXXXXX"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    ui::settings().clear();
}
