#pragma once

#include <QString>

// The lines the six snippet panels of the main window append to the main text. Fields go in
// exactly as typed; every line ends in CR LF.
namespace editor {

struct ActionEntry
{
    QString id, unit, text, script;
};
struct Identity
{
    QString name, voice, glasses, face, pitch;
};
struct CreateUnit
{
    QString name, type, x, y;
};
struct Paratroopers
{
    QString commander, helicopter, pause;
};

QString actionEntryLine(const ActionEntry &fields);
QString ifStatementLine(const QString &condition, const QString &command);
QString identityBlock(const Identity &fields);
QString createUnitLine(const CreateUnit &fields);
QString objectHeightLine(const QString &name, const QString &height);
QString paratrooperScript(const Paratroopers &fields);

} // namespace editor
