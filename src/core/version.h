#pragma once

#include <QString>

namespace core {

// The version this program was built as, from the project version in CMakeLists.txt.
QString buildVersion();

// The program version. The main window sets it to the build version when it loads; the Info
// message and the generator comments of the HTML pages read it from here.
QString programVersion();
void setProgramVersion(const QString &version);

} // namespace core
