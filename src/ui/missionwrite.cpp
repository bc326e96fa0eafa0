#include "missionwrite.h"

#include "dialogcontext.h"
#include "host.h"
#include "look.h"
#include "missionfolder.h"
#include "statusreport.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace ui {

QPushButton *writeToMissionFolderButton()
{
    return named(new QPushButton(u"In Missionsordner schreiben"_s), u"writeToMissionFolder"_s);
}

bool writeToMissionFolder(const DialogContext &context,
                          const std::function<MissionWrite(const QString &folder)> &write)
{
    const QString folder = context.missionFolder.folderToWrite(context.host);
    if (folder.isEmpty())
        return false;
    const MissionWrite outcome = write(folder);
    context.missionFolder.recheck(); // it may have gone meanwhile
    if (outcome.ok)
        context.status.report(outcome.text);
    else
        context.host.message(u"Fehler"_s, outcome.text, Buttons::Ok, Icon::Critical);
    return outcome.ok;
}

} // namespace ui
