#pragma once

class QWidget;

namespace ui {
struct DialogContext;
}

namespace mission {

QWidget *createSoundEditor(const ui::DialogContext &context);
QWidget *createWeaponsEditor(const ui::DialogContext &context);

} // namespace mission
