#include "snippets.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace editor {
namespace {
QString lines(const QStringList &list)
{
    QString text;
    for (const QString &line : list)
        text += line + u"\r\n"_s;
    return text;
}
} // namespace

QString actionEntryLine(const ActionEntry &f)
{
    return lines(
        {f.id + u'=' + f.unit + u" AddAction [\""_s + f.text + u"\",\""_s + f.script + u"\"];"_s});
}

QString ifStatementLine(const QString &condition, const QString &command)
{
    return lines({u"If ("_s + condition + u") then ["_s + command + u"];"_s});
}

QString identityBlock(const Identity &f)
{
    return lines({u"class CfgIdentities"_s, u"{"_s, u" class "_s + f.name, u" {"_s,
                  u"  name=\""_s + f.name + u"\";"_s, u"  face=\""_s + f.face + u"\";"_s,
                  u"  glasses=\""_s + f.glasses + u"\";"_s, u"  speaker=\""_s + f.voice + u"\";"_s,
                  u"  pitch="_s + f.pitch + u';', u" };"_s, u"};"_s});
}

QString createUnitLine(const CreateUnit &f)
{
    return lines(
        {f.name + u"=\""_s + f.type + u"\" CreateVehicle ["_s + f.x + u',' + f.y + u"];"_s});
}

QString objectHeightLine(const QString &name, const QString &height)
{
    return lines(
        {name + u" setpos [(getpos this select 0),(getpos this select 1),"_s + height + u"];"_s});
}

QString paratrooperScript(const Paratroopers &f)
{
    return lines({u"_aunits = units "_s + f.commander, u"_i = 0"_s, u"_j = count _aunits"_s,
                  u"#Start"_s, u"(_aunits select _i) action [\"EJECT\","_s + f.helicopter + u']',
                  u"unassignvehicle (_aunits select _i)"_s, u"_i=_i+1"_s, u"~"_s + f.pause,
                  u"?_j>_i:goto \"Start\";"_s, u"exit"_s});
}

} // namespace editor
