#pragma once

#include <QString>

namespace mission {

// The weapons editor's rules, without the dialog: weapons and magazines are collected one
// addition at a time and generated into both class blocks on demand.
class StockModel
{
public:
    // Each addition returns the line that confirms it in the result box.
    QString addWeapon(const QString &name, const QString &count);
    QString addMagazine(const QString &name, const QString &count);
    // Both class blocks of everything collected; the collection stays for further additions.
    QString generate();
    // The collection is dropped. Save and transfer stay as they were: once generated, an
    // empty box can be written too.
    void reset();

    // Generieren needs something added since the opening or the last Reset; until then the
    // result box is locked as well.
    bool canGenerate() const { return m_collecting; }
    bool resultLocked() const { return !m_collecting; }
    // Save and transfer wait for the first Generieren.
    bool canSave() const { return m_generated; }

private:
    QString m_weaponEntries;
    QString m_magazineEntries;
    bool m_collecting = false;
    bool m_generated = false;
};

} // namespace mission
