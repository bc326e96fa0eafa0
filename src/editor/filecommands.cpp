#include "filecommands.h"

#include "core/memory.h"
#include "core/textfile.h"
#include "maintextedit.h"
#include "readfilepart.h"
#include "ui/host.h"

#include <QDir>
#include <QFileInfo>

#include <new>

using namespace Qt::StringLiterals;

namespace editor {
namespace {

// Reading a file holds its bytes and the text decoded from them (two bytes a character).
constexpr qint64 kReadBytesPerFileByte = 3;
// The text box holds each character in two bytes and keeps some bookkeeping for each line.
constexpr qint64 kDocumentBytesPerCharacter = 2;
constexpr qint64 kDocumentBytesPerLine = 400;

qint64 documentBytes(const QString &text)
{
    const qint64 lines =
        text.count(u'\n') + text.count(u'\r') + text.count(QChar::ParagraphSeparator) + 1;
    return text.size() * kDocumentBytesPerCharacter + lines * kDocumentBytesPerLine;
}

const QString kTooBig = u"zu groß für den freien Arbeitsspeicher"_s;

// Why a file could not be read, told after the fact from what is at the path.
QString readFailure(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return u"Datei nicht gefunden"_s;
    if (!info.isFile())
        return u"keine normale Datei"_s;
    return u"nicht lesbar"_s;
}

// Why a file could not be written, told after the fact from what is at the path.
QString writeFailure(const QString &path)
{
    const QFileInfo info(path);
    if (!core::isSaveTarget(path))
        return u"keine normale Datei"_s;
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return u"Ordner nicht gefunden"_s;
    if (!folder.isWritable())
        return u"keine Schreibrechte im Ordner"_s;
    return u"Schreiben fehlgeschlagen, ist der Datenträger voll?"_s;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

FileCommands::FileCommands(ui::Host &host, MainTextEdit &mainText)
    : m_host(host), m_mainText(mainText)
{}

bool FileCommands::fitsInMemory(qint64 fileBytes)
{
    return fileBytes < core::allocatableBytes() / kReadBytesPerFileByte;
}

void FileCommands::open()
{
    openFile(m_host.openFileName(kFilter));
}

void FileCommands::openFile(const QString &path)
{
    m_openedPath = path;
    if (m_openedPath.isEmpty()) // the dialog was cancelled
        return;
    // A file the program cannot hold is refused before it is read, so that the main text
    // stays as it is; running out of memory all the same is the last line.
    QString failure = kTooBig;
    if (fitsInMemory(QFileInfo(m_openedPath).size())) {
        try {
            const std::optional<QString> text = ReadFilePart(m_openedPath, 1, 0);
            if (!text) {
                failure = readFailure(m_openedPath);
            } else if (documentBytes(*text) < core::allocatableBytes()) {
                m_mainText.setText(*text);
                m_mainText.document()->setModified(false);
                Q_EMIT opened(m_openedPath);
                Q_EMIT reported(u"Geöffnet: "_s + shown(m_openedPath));
                return;
            }
        } catch (const std::bad_alloc &) {
        }
    }
    Q_EMIT reported(u"Nicht geöffnet: %1 – %2"_s.arg(shown(m_openedPath), failure));
}

QString FileCommands::write(const QString &path) const
{
    // Encoded and written straight from the text box, piece by piece, so that a big text is
    // not held once more as one string or one block of bytes on the way.
    try {
        core::TextFileWriter writer(path);
        m_mainText.writeText([&writer](QStringView piece) { writer.append(piece); });
        if (writer.commit())
            return {};
    } catch (const std::bad_alloc &) {
        return kTooBig;
    }
    return writeFailure(path);
}

void FileCommands::saveAs()
{
    m_saveAsPath = m_host.saveFileName(kFilter);
    if (m_saveAsPath.isEmpty()) // the dialog was cancelled
        return;
    if (const QString failure = write(m_saveAsPath); !failure.isEmpty()) {
        Q_EMIT reported(u"Nicht gespeichert: %1 – %2"_s.arg(shown(m_saveAsPath), failure));
        return;
    }
    m_mainText.document()->setModified(false);
    Q_EMIT saved({m_saveAsPath});
    Q_EMIT reported(u"Gespeichert: "_s + shown(m_saveAsPath));
}

void FileCommands::save()
{
    // The save-as file first; a failure with it leaves the opened one alone.
    QStringList written;
    QString failedPath;
    QString failure;
    for (const QString &path : {m_saveAsPath, m_openedPath}) {
        if (path.isEmpty())
            continue;
        failure = write(path);
        if (!failure.isEmpty()) {
            failedPath = path;
            break;
        }
        if (!written.contains(path))
            written.append(path);
    }
    if (written.isEmpty() && failedPath.isEmpty()) // no file to write yet
        return;
    QStringList outcome;
    if (!written.isEmpty()) {
        QStringList names;
        for (const QString &path : std::as_const(written))
            names.append(shown(path));
        outcome.append(u"Gespeichert: "_s + names.join(u", "_s));
        Q_EMIT saved(written);
    }
    if (failedPath.isEmpty()) {
        m_mainText.document()->setModified(false);
    } else {
        outcome.append(u"%1 gespeichert: %2 – %3"_s.arg(written.isEmpty() ? u"Nicht"_s : u"nicht"_s,
                                                        shown(failedPath), failure));
    }
    Q_EMIT reported(outcome.join(u"; "_s));
}

} // namespace editor
