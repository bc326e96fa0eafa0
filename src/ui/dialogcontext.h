#pragma once

namespace ui {

class Host;
class MainText;
class MissionFolder;
class StatusReport;

// What a tool dialog is given when it is made: the host for everything modal, the main text
// for the transfer, the mission folder to write into and the status bar to say what was
// written. All of them outlive every dialog.
struct DialogContext
{
    Host &host;
    MainText &mainText;
    MissionFolder &missionFolder;
    StatusReport &status;
};

} // namespace ui
