#include "briefingdialogs.h"

#include "briefingeditor.h"
#include "overvieweditor.h"

namespace briefing {

QWidget *createBriefingEditor(const ui::DialogContext &context)
{
    return new BriefingEditor(context);
}

QWidget *createOverviewEditor(const ui::DialogContext &context)
{
    return new OverviewEditor(context);
}

} // namespace briefing
