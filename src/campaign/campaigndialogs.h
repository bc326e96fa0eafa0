#pragma once

class QWidget;

namespace ui {
struct DialogContext;
}

namespace campaign {

QWidget *createSimpleCampaignEditor(const ui::DialogContext &context);
QWidget *createExtendedCampaignEditor(const ui::DialogContext &context);

} // namespace campaign
