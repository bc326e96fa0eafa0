#include "randomhost.h"

#include "textpool.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString shortened(QString text)
{
    if (text.size() > 40)
        text = text.left(40) + u"...("_s + QString::number(text.size()) + u" Zeichen)"_s;
    return text.replace(u'\r', u"\\r"_s).replace(u'\n', u"\\n"_s);
}

} // namespace

RandomHost::RandomHost(Random &random, QString programFolder, QString otherFolder, Log log)
    : m_random(random), m_programFolder(std::move(programFolder)),
      m_otherFolder(std::move(otherFolder)), m_log(std::move(log))
{}

ui::Answer RandomHost::message(const QString &title, const QString &text, ui::Buttons buttons,
                               ui::Icon)
{
    ui::Answer answer = ui::Answer::Ok;
    if (buttons == ui::Buttons::OkCancel && m_random.percent(50))
        answer = ui::Answer::Cancel;
    m_log(u"  host: message \""_s + title + u"\" \""_s + shortened(text) + u"\" -> "_s +
          (answer == ui::Answer::Ok ? u"OK"_s : u"Cancel"_s));
    return answer;
}

QString RandomHost::input(const QString &prompt, const QString &, const QString &defaultText)
{
    QString answer;
    switch (m_random.below(4)) {
    case 0:
        break; // Cancel
    case 1:
        answer = defaultText;
        break;
    default:
        answer = m_random.pick(textPool());
        break;
    }
    m_inputs.append(answer);
    m_log(u"  host: input \""_s + shortened(prompt) + u"\" -> \""_s + shortened(answer) + u'"');
    return answer;
}

QString RandomHost::openFileName(const QString &filter)
{
    const QString path = filePath(u"open"_s);
    m_log(u"  host: open dialog \""_s + filter + u"\" -> \""_s + path + u'"');
    return path;
}

QString RandomHost::saveFileName(const QString &filter)
{
    const QString path = filePath(u"save"_s);
    m_log(u"  host: save dialog \""_s + filter + u"\" -> \""_s + path + u'"');
    return path;
}

QStringList RandomHost::takeInputs()
{
    return std::exchange(m_inputs, {});
}

QString RandomHost::filePath(const QString &kind)
{
    QStringList existing;
    for (const QString &folder : {m_programFolder, m_otherFolder}) {
        QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext())
            existing.append(files.next());
    }
    existing.sort();
    const QString folder = m_random.percent(50) ? m_programFolder : m_otherFolder;

    QString path;
    switch (m_random.below(7)) {
    case 0:
        return QString(); // Cancel
    case 1:
        path = folder;
        break;
    case 2:
        path = existing.isEmpty() ? folder : m_random.pick(existing) + u"/neu.sqs"_s;
        break;
    case 3:
        path = folder + u"/fehlt/neu.sqs"_s;
        break;
    case 4:
    case 5:
        if (!existing.isEmpty()) {
            path = m_random.pick(existing);
            break;
        }
        [[fallthrough]];
    default:
        path = folder + u'/' + kind + QString::number(++m_newFiles) + u".sqs"_s;
        break;
    }
    m_handedOut.insert(QFileInfo(path).absoluteFilePath());
    return path;
}
