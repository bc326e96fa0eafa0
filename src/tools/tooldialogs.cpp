#include "tooldialogs.h"

#include "artillerydialog.h"
#include "bombdropcalculator.h"
#include "ui/dialogcontext.h"

namespace tools {

QWidget *createBombDropCalculator(const ui::DialogContext &context)
{
    return new BombDropCalculator(context.host);
}

QWidget *createArtilleryDialog(const ui::DialogContext &context)
{
    return new ArtilleryDialog(context.host);
}

} // namespace tools
