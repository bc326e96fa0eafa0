#include "catalogue.h"

#include <span>

namespace mission {
namespace {

// One list per catalogue in the add-on edition's order; the base edition leaves out the
// add-on entries, so the two editions cannot drift apart.
struct Entry
{
    const char *name;
    bool addOn = false;
};

constexpr bool kAddOn = true;

// Dash entries only divide the lists into groups, but they can be picked like any other.
constexpr const char *kSeparator = "----------------";
constexpr const char *kShortSeparator = "---------------";

constexpr Entry kWeapons[] = {
    {"6G30"},
    {"9K32Launcher"},
    {"AALauncher"},
    {"AK47"},
    {"AK47CZ"},
    {"AK47GrenadeLauncher"},
    {"AK74"},
    {"AK74GrenadeLauncher"},
    {"AK74SU"},
    {"AT4Launcher"},
    {"Bizon"},
    {"CarlGustavLauncher"},
    {"FAL", kAddOn},
    {"G36A"},
    {"HK"},
    {"HKG3", kAddOn},
    {"HuntingRifle", kAddOn},
    {"Kozlice"},
    {"LAWLauncher"},
    {"LaserDesignator"},
    {"M16"},
    {"M16GrenadeLauncher"},
    {"M21"},
    {"M4"},
    {"M60"},
    {"MM1"},
    {"Mortar"},
    {"PK"},
    {"RPGLauncher"},
    {"Steyr"},
    {"SVDDragunov"},
    {"UZI", kAddOn},
    {"XMS"},
    {kSeparator},
    // Handguns came with the add-on only.
    {"Beretta", kAddOn},
    {"CZ75", kAddOn},
    {"Glock", kAddOn},
    {"GlockS", kAddOn},
    {"Ingram", kAddOn},
    {"Revolver", kAddOn},
    {"Skorpion", kAddOn},
    {"Tokarev", kAddOn},
    {kSeparator, kAddOn},
    {"Binocular"},
    {"NVGoggles"},
};

constexpr Entry kMagazines[] = {
    {"6G30Magazine"},
    {"9K32Launcher"},
    {"AALauncher"},
    {"AK47"},
    {"AK74"},
    {"AT4Launcher"},
    {"BizonMag"},
    {"CarlGustavLauncher"},
    {"FALMag", kAddOn},
    {"G36AMag"},
    {"GrenadeLauncher"},
    {"HK"},
    {"HKG3Mag", kAddOn},
    {"HuntingRifleMag", kAddOn},
    {"KozliceBall"},
    {"KozliceShell"},
    {"LAWLauncher"},
    {"LaserDesignator"},
    {"M16"},
    {"M21"},
    {"M4"},
    {"M60"},
    {"MM1Magazine"},
    {"Mortar"},
    {"PK"},
    {"RPGLauncher"},
    {"SteyrMag"},
    {"SVDDragunov"},
    {"UZIMag", kAddOn},
    {kSeparator},
    {"BerettaMag", kAddOn},
    {"CZ75Mag", kAddOn},
    {"GlockMag", kAddOn},
    {"GlockSMag", kAddOn},
    {"IngramMag", kAddOn},
    {"RevolverMag", kAddOn},
    {"SkorpionMag", kAddOn},
    {"TokarevMag", kAddOn},
    {kSeparator, kAddOn},
    {"Flare"},
    {"FlareGreen"},
    {"FlareRed"},
    {"FlareYellow"},
    {"SmokeShell"},
    {"SmokeShellGreen"},
    {"SmokeShellRed"},
    {"HandGrenade"},
    {"Pipebomb"},
    {"Timebomb"},
    {"Mine"},
    // Vehicle ammunition follows, behind a separator one dash shorter than the others.
    {kShortSeparator},
    {"AT3Launcher"},
    {"Browning"},
    {"Cannon25HE"},
    {"Cannon30AP"},
    {"Cannon30HE"},
    {"CH29TLauncher"},
    {"Heat105"},
    {"Heat120"},
    {"Heat125"},
    {"Heat73"},
    {"HellfireLauncherApach"},
    {"HellfireLauncherBMP2"},
    {"HellfireLauncherCobra"},
    {"HellfireLauncherHind"},
    {"HellfireLauncherM2A2"},
    {"LaserDesignatorOH"},
    {"LaserGuidedBombLauncher"},
    {"MachineGun12_7"},
    {"MachineGun30"},
    {"MachineGun30A10"},
    {"MachineGun7_6"},
    {"MaverickLauncher"},
    {"Rocket57x192"},
    {"Rocket57x64"},
    {"Shell105"},
    {"Shell120"},
    {"Shell125"},
    {"Shell73"},
    {"VulcanCannon"},
    {"ZsuCannon"},
    {"ZuniLauncher38"},
    {"ZuniLauncherOH"},
};

QStringList edition(std::span<const Entry> entries, Edition edition)
{
    QStringList names;
    for (const Entry &entry : entries) {
        if (edition == Edition::AddOn || !entry.addOn)
            names.append(QString::fromLatin1(entry.name));
    }
    return names;
}

} // namespace

QStringList weaponCatalogue(Edition which)
{
    return edition(kWeapons, which);
}

QStringList magazineCatalogue(Edition which)
{
    return edition(kMagazines, which);
}

} // namespace mission
