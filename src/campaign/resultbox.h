#pragma once

#include <QPlainTextEdit>

#include <optional>

namespace campaign {

// The "Ergebnis" box. It gives back the generated text exactly: the document behind the box
// turns a lone CR or LF inside a field value into a CR LF break, so such a text is kept
// aside until the user edits the box.
class ResultBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ResultBox(QWidget *parent = nullptr);

    void setResult(const QString &text);
    // The current content with CR LF line ends.
    QString result() const;

private:
    void onContentsChange(int position, int removed, int added);

    std::optional<QString> m_exact;
    bool m_programmatic = false;
};

} // namespace campaign
