#pragma once

class QWidget;

namespace ui {
struct DialogContext;
}

namespace tools {

QWidget *createBombDropCalculator(const ui::DialogContext &context);
QWidget *createArtilleryDialog(const ui::DialogContext &context);

} // namespace tools
