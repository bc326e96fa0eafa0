#include "stockmodel.h"

#include "descriptiontext.h"

namespace mission {

QString StockModel::addWeapon(const QString &name, const QString &count)
{
    m_collecting = true;
    m_weaponEntries += stockEntry(name, count);
    return weaponAdditionLine(name, count);
}

QString StockModel::addMagazine(const QString &name, const QString &count)
{
    m_collecting = true;
    m_magazineEntries += stockEntry(name, count);
    return magazineAdditionLine(name, count);
}

QString StockModel::generate()
{
    m_generated = true;
    return stockBlocks(m_weaponEntries, m_magazineEntries);
}

void StockModel::reset()
{
    m_weaponEntries.clear();
    m_magazineEntries.clear();
    m_collecting = false;
}

} // namespace mission
