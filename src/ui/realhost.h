#pragma once

#include "host.h"

#include <QStringList>

namespace ui {

class RealHost final : public Host
{
public:
    Answer message(const QString &title, const QString &text, Buttons buttons, Icon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;
    QString openFileName(const QString &filter) override;
    QString saveFileName(const QString &filter) override;
    QString folderName(const QString &title) override;
    void showFolder(const QString &path) override;
    QString programFolder() const override;
};

// "Alle Dateien (*.*)|*" -> "Alle Dateien (*.*) (*)", one entry per pair, as the
// toolkit's file dialogs take them.
QStringList toolkitFilters(const QString &filter);

} // namespace ui
