#include "artillery.h"

#include "core/numbers.h"

using namespace Qt::StringLiterals;

namespace tools {

const QStringList &markerColours()
{
    static const QStringList colours{u"ColorBlack"_s,  u"ColorRed"_s,        u"ColorRedAlpha"_s,
                                     u"ColorGreen"_s,  u"ColorGreenAlpha"_s, u"ColorBlue"_s,
                                     u"ColorYellow"_s, u"ColorWhite"_s};
    return colours;
}

const QStringList &markerTypes()
{
    static const QStringList types{u"Destroy"_s, u"End"_s,    u"Empty"_s,   u"Marker"_s,
                                   u"Start"_s,   u"Arrow"_s,  u"Warning"_s, u"Dot"_s,
                                   u"Join"_s,    u"Unknown"_s};
    return types;
}

std::optional<QString> lowerMarkerNumber(const QString &text, const QLocale &locale)
{
    const std::optional<double> number = core::readNumber(text, locale);
    if (!number)
        return std::nullopt;
    return core::formatShort(*number - 1.0, locale);
}

namespace {
QString lines(std::initializer_list<QString> list)
{
    QString text;
    for (const QString &line : list)
        text += line + u"\r\n"_s;
    return text;
}
} // namespace

QString initScript()
{
    return lines({u"ID1 = Player AddAction[\"Artillerie anfordern\",\"markieren.sqs\"]"_s});
}

QString markScript()
{
    return lines({
        u"Player RemoveAction ID1"_s,
        u"hint \"Setzen sie den Zielmarker, und bestätigen Sie mit 'abfeuern'.\""_s,
        u"~1"_s,
        u"ID2 = Player AddAction [\"Abfeuern\",\"ziel.sqs\"]"_s,
        u"exit"_s,
    });
}

QString targetScript(const ArtillerySettings &s)
{
    const QString marker = u"\"_user_defined #0/"_s + s.marker + u'"';
    return lines({
        marker + u" setmarkercolor \""_s + s.colour + u'"',
        marker + u" setmarkersize ["_s + s.size + u',' + s.size + u']',
        marker + u" setmarkertype \""_s + s.type + u'"',
        u"~1"_s,
        u'[' + marker + u", "_s + s.radiusX + u',' + s.radiusY + u',' + s.shots +
            u"] exec \"schuss.sqs\""_s,
    });
}

QString fireScript()
{
    return lines({
        u"Player RemoveAction ID2"_s,
        QString(),
        u"_Centre = _this select 0"_s,
        u"_areaX = _this select 1"_s,
        u"_areaY = _this select 2"_s,
        u"_shots= _this select 3"_s,
        QString(),
        u"_CentrePos = GetMarkerPos _Centre"_s,
        u"_xco = _CentrePos select 0"_s,
        u"_yco = _CentrePos select 1"_s,
        u"_zco = _CentrePos select 2"_s,
        QString(),
        u"_areaX2 = _areaX * 2"_s,
        u"_areaY2 = _areaY * 2"_s,
        u"_Smoke = \"SmokeShellRed\" camCreate [_xco,_yco,_zco+100]"_s,
        u"~5"_s,
        u"#start"_s,
        u"_bomb1 = \"Shell120\" camCreate [_xco + Random(_areaX2) - _areaX,_yco + "
        "Random(_areaY2) - _areaY,_zco + 30]"_s,
        u"~0.2"_s,
        u"_shots = _shots -1"_s,
        u"? _shots >= 1: goto  \"start\""_s,
        u"DeleteVehicle _Smoke"_s,
        u"exit"_s,
    });
}

QList<ScriptFile> artilleryPackage(const ArtillerySettings &settings)
{
    return {
        {u"init.sqs"_s, initScript()},
        {u"markieren.sqs"_s, markScript()},
        {u"ziel.sqs"_s, targetScript(settings)},
        {u"schuss.sqs"_s, fireScript()},
    };
}

} // namespace tools
