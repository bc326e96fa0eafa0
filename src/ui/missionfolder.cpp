#include "missionfolder.h"

#include "host.h"
#include "settings.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace ui {
namespace {

const QString kKey = u"missionFolder"_s;

QString problemOf(const QString &path)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists())
        return u"„%1“ gibt es nicht (mehr)"_s.arg(shown);
    if (!info.isDir())
        return u"„%1“ ist kein Ordner"_s.arg(shown);
    if (!info.isWritable())
        return u"In „%1“ darf nicht geschrieben werden"_s.arg(shown);
    return {};
}

} // namespace

MissionFolder::MissionFolder(QObject *parent) : QObject(parent)
{
    m_path = settings().value(kKey).toString();
    m_shown = statusText();
}

QString MissionFolder::path() const
{
    return QDir::toNativeSeparators(m_path);
}

QString MissionFolder::problem() const
{
    return m_path.isEmpty() ? QString() : problemOf(m_path);
}

QString MissionFolder::statusText() const
{
    if (m_path.isEmpty())
        return u"Kein Missionsordner gewählt"_s;
    const QString why = problem();
    return why.isEmpty() ? u"Missionsordner: "_s + path() : u"Missionsordner: "_s + why;
}

bool MissionFolder::choose(Host &host)
{
    const QString chosen = host.folderName(kDialogTitle);
    if (chosen.isEmpty())
        return false;
    const QString path =
        QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(chosen)).absoluteFilePath());
    if (const QString why = problemOf(path); !why.isEmpty()) {
        host.message(u"Fehler"_s,
                     u"Dieser Ordner kann nicht der Missionsordner sein: %1.\r\nBitte einen "
                     u"Ordner wählen, in den geschrieben werden darf."_s.arg(why),
                     Buttons::Ok, Icon::Critical);
        recheck();
        return false;
    }
    m_path = path;
    settings().setValue(kKey, m_path);
    recheck();
    return true;
}

QString MissionFolder::folderToWrite(Host &host)
{
    recheck();
    if (!isUsable() && !choose(host))
        return {};
    return m_path;
}

void MissionFolder::recheck()
{
    const QString shown = statusText();
    if (shown != m_shown) {
        m_shown = shown;
        emit changed();
    }
}

} // namespace ui
