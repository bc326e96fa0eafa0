#include "filecommands.h"

#include "core/memory.h"
#include "core/textfile.h"
#include "maintextedit.h"
#include "readfilepart.h"
#include "ui/host.h"

#include <QFileInfo>

#include <new>

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

} // namespace

FileCommands::FileCommands(ui::Host &host, MainTextEdit &mainText)
    : m_host(host), m_mainText(mainText)
{}

bool FileCommands::fitsInMemory(qint64 fileBytes)
{
    return fileBytes < core::allocatableBytes() / kReadBytesPerFileByte;
}

bool FileCommands::open()
{
    m_openedPath = m_host.openFileName(kFilter);
    // A file the program cannot hold is refused before it is read, so that the main text
    // stays as it is; running out of memory all the same is the last line.
    if (m_openedPath.isEmpty() || !fitsInMemory(QFileInfo(m_openedPath).size()))
        return false;
    try {
        const std::optional<QString> text = ReadFilePart(m_openedPath, 1, 0);
        if (!text || documentBytes(*text) >= core::allocatableBytes())
            return false;
        m_mainText.setText(*text);
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

bool FileCommands::write(const QString &path) const
{
    // Encoded and written straight from the text box, piece by piece, so that a big text is
    // not held once more as one string or one block of bytes on the way.
    try {
        core::TextFileWriter writer(path);
        m_mainText.writeText([&writer](QStringView piece) { writer.append(piece); });
        return writer.commit();
    } catch (const std::bad_alloc &) {
        return false;
    }
}

bool FileCommands::saveAs()
{
    m_saveAsPath = m_host.saveFileName(kFilter);
    return write(m_saveAsPath);
}

void FileCommands::save()
{
    // A failure with the first file leaves the second one alone.
    if (!m_saveAsPath.isEmpty() && !write(m_saveAsPath))
        return;
    if (!m_openedPath.isEmpty())
        write(m_openedPath);
}

} // namespace editor
