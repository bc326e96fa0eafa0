#include "version.h"

namespace core {
namespace {
QString &stored()
{
    static QString version;
    return version;
}
} // namespace

QString buildVersion()
{
    return QStringLiteral(VELMORA_VERSION);
}

QString programVersion()
{
    return stored();
}

void setProgramVersion(const QString &version)
{
    stored() = version;
}

} // namespace core
