#include "picturecopy.h"

#include "core/textfile.h"
#include "pages.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace briefing {
namespace {

bool isBareName(const QString &name)
{
    return !name.isEmpty() && name != u"."_s && name != u".."_s && pictureFileName(name) == name;
}

} // namespace

PictureCopy planPictureCopy(const QString &name, const QString &chosen, const QString &folder)
{
    using Step = PictureCopy::Step;
    const auto step = [&](Step what, const QString &source = {}, const QString &target = {}) {
        return PictureCopy{what, source, target, name};
    };
    if (name.isEmpty())
        return step(Step::None);
    if (!isBareName(name))
        return step(Step::NotThere);
    const QString target = QDir(folder).filePath(name);
    const QFileInfo there(target);
    if (chosen.isEmpty() || pictureFileName(chosen) != name)
        return step(there.isFile() ? Step::None : Step::NotThere, {}, target);
    const QFileInfo source(chosen);
    if (!source.isFile())
        return step(Step::Vanished, chosen, target);
    if (!there.exists())
        return step(Step::Copy, chosen, target);
    if (there.isFile() && (there.canonicalFilePath() == source.canonicalFilePath() ||
                           core::sameFileBytes(target, chosen)))
        return step(Step::None, chosen, target);
    // Something else of that name: a file is replaced only when the user agrees; anything
    // else makes the copy fail and say so.
    return step(there.isFile() ? Step::AskReplace : Step::Copy, chosen, target);
}

QString pictureFolder(const QString &name, const QString &chosen, const QString &missionFolder)
{
    if (!missionFolder.isEmpty() && isBareName(name) &&
        QFileInfo(QDir(missionFolder).filePath(name)).isFile())
        return missionFolder;
    return chosen.isEmpty() ? QString() : QFileInfo(chosen).absolutePath();
}

} // namespace briefing
