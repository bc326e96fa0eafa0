#include "programfolder.h"

#include "core/textfile.h"
#include "host.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace ui {

QString programFolderFile(const Host &host, const QString &fileName)
{
    return QDir::toNativeSeparators(QDir(host.programFolder()).filePath(fileName));
}

bool saveToProgramFolder(Host &host, const QString &fileName, const QString &text,
                         const QString &failureText, const std::function<void()> &afterWrite)
{
    const QString path = programFolderFile(host, fileName);
    if (!core::writeTextFile(QDir::fromNativeSeparators(path), text)) {
        host.message(u"Fehler"_s, failureText, Buttons::Ok, Icon::Critical);
        return false;
    }
    if (afterWrite)
        afterWrite();
    host.message(u"Info"_s, u"Erfolgreich gespeichert\r\n"_s + path, Buttons::Ok,
                 Icon::Information);
    return true;
}

} // namespace ui
