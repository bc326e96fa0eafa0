#include "filecommands.h"

#include "core/codepage.h"
#include "core/memory.h"
#include "core/textfile.h"
#include "maintextedit.h"
#include "readfilepart.h"
#include "ui/host.h"

#include <QFileInfo>
#include <QTextDocument>

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

void FileCommands::open()
{
    m_openedPath = m_host.openFileName(kFilter);
    // A file the program cannot hold is refused before it is read, so that the main text
    // stays as it is; running out of memory all the same is the last line.
    if (m_openedPath.isEmpty() || !fitsInMemory(QFileInfo(m_openedPath).size()))
        return;
    try {
        const std::optional<QString> text = ReadFilePart(m_openedPath, 1, 0);
        if (text && documentBytes(*text) < core::allocatableBytes())
            m_mainText.setText(*text);
    } catch (const std::bad_alloc &) {
    }
}

std::optional<QByteArray> FileCommands::fileBytes() const
{
    // Encoded straight from the text box, so that the text is not held once more as one
    // string on the way.
    try {
        QByteArray bytes;
        const QTextDocument &document = *m_mainText.document();
        bytes.reserve(qsizetype(document.characterCount()) + document.blockCount() + 2);
        m_mainText.writeText([&bytes](QStringView piece) { core::appendCp1252(bytes, piece); });
        bytes.append("\r\n", 2);
        return bytes;
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
}

void FileCommands::saveAs()
{
    m_saveAsPath = m_host.saveFileName(kFilter);
    if (!core::isSaveTarget(m_saveAsPath))
        return;
    if (const std::optional<QByteArray> bytes = fileBytes())
        core::writeFile(m_saveAsPath, *bytes);
}

void FileCommands::save()
{
    if (m_saveAsPath.isEmpty() && m_openedPath.isEmpty())
        return;
    const std::optional<QByteArray> bytes = fileBytes();
    if (!bytes)
        return;
    // A failure with the first file leaves the second one alone.
    if (!m_saveAsPath.isEmpty() && !core::writeFile(m_saveAsPath, *bytes))
        return;
    if (!m_openedPath.isEmpty())
        core::writeFile(m_openedPath, *bytes);
}

} // namespace editor
