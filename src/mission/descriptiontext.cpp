#include "descriptiontext.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace mission {
namespace {
const QString kEnd = u"\r\n"_s;
} // namespace

QString trackList(int soundCount)
{
    QStringList names;
    for (int n = 1; n <= soundCount; ++n)
        names.append(u"track"_s + QString::number(n));
    return names.join(u',');
}

QString soundEntry(int number, const QString &folder, const QString &fileName)
{
    // The game wants the path unquoted, starting at the mission folder.
    return u" class track"_s + QString::number(number) + kEnd + u" {"_s + kEnd + u"  name = \""_s +
           fileName + u"\";"_s + kEnd + u"  sound[] = {\\"_s + folder + u"\\"_s + fileName +
           u".ogg, db+10, 1.0};"_s + kEnd + u" };"_s + kEnd + kEnd;
}

QString soundHeader(const QString &trackList)
{
    return u"class CfgSounds"_s + kEnd + u"{"_s + kEnd + u" tracks[]="_s + kEnd + u" {"_s + kEnd +
           u"   "_s + trackList + kEnd + u" };"_s + kEnd + kEnd;
}

QString soundBlock(int soundCount, const QString &collectedEntries)
{
    return soundHeader(trackList(soundCount)) + collectedEntries + u"};"_s;
}

QString stockEntry(const QString &name, const QString &count)
{
    return u" class "_s + name + kEnd + u" {"_s + kEnd + u"  count = "_s + count + u";"_s + kEnd +
           u" };"_s + kEnd + kEnd;
}

QString weaponAdditionLine(const QString &name, const QString &count)
{
    return u"WEAPON,"_s + name + u","_s + count + kEnd;
}

QString magazineAdditionLine(const QString &name, const QString &count)
{
    return u"AMMO,"_s + name + u","_s + count + kEnd;
}

QString stockBlocks(const QString &weaponEntries, const QString &magazineEntries)
{
    return u"class Weapons"_s + kEnd + u"{"_s + kEnd + kEnd + weaponEntries + u"};"_s + kEnd +
           kEnd + u"class Magazines"_s + kEnd + u"{"_s + kEnd + kEnd + magazineEntries + u"};"_s;
}

} // namespace mission
