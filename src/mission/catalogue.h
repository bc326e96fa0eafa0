#pragma once

#include <QStringList>

// The game's weapon and magazine class names offered by the weapons editor.
namespace mission {

enum class Edition {
    Base,  // the base game alone
    AddOn, // with the "Resistance" add-on
};

QStringList weaponCatalogue(Edition edition);
QStringList magazineCatalogue(Edition edition);

} // namespace mission
