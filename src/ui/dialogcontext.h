#pragma once

namespace ui {

class Host;
class MainText;

// What a tool dialog is given when it is made: the host for everything modal and the
// main text for the transfer. Both outlive every dialog.
struct DialogContext
{
    Host &host;
    MainText &mainText;
};

} // namespace ui
