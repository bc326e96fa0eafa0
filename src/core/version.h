#pragma once

#include <QString>

namespace core {

// The program version. The main window sets it when it loads; the Info message and the
// generator comments of the HTML pages read it from here.
QString programVersion();
void setProgramVersion(const QString &version);

} // namespace core
