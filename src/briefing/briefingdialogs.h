#pragma once

class QWidget;

namespace ui {
struct DialogContext;
}

namespace briefing {

QWidget *createBriefingEditor(const ui::DialogContext &context);
QWidget *createOverviewEditor(const ui::DialogContext &context);

} // namespace briefing
