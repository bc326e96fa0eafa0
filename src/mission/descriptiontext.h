#pragma once

#include <QString>

// The description.ext classes of the mission dialogs: the sound list and the weapon and
// magazine stocks. Every value goes in exactly as the user typed it.
namespace mission {

// "track1,track2,...,trackN"; empty for 0 or fewer sounds.
QString trackList(int soundCount);

// The six lines of one sound class, each ending in CR LF, the last one empty.
QString soundEntry(int number, const QString &folder, const QString &fileName);

// The seven head lines of the sound list, each ending in CR LF.
QString soundHeader(const QString &trackList);

// The whole class CfgSounds block for the collected entries of the first soundCount sounds;
// it ends in "};" without a line end.
QString soundBlock(int soundCount, const QString &collectedEntries);

// The five lines of one weapon or magazine class, each ending in CR LF, the last one empty.
QString stockEntry(const QString &name, const QString &count);

// The line that confirms an addition: "WEAPON,name,count" or "AMMO,name,count" and CR LF.
QString weaponAdditionLine(const QString &name, const QString &count);
QString magazineAdditionLine(const QString &name, const QString &count);

// Both class blocks around the collected entries; ends in "};" without a line end.
QString stockBlocks(const QString &weaponEntries, const QString &magazineEntries);

} // namespace mission
