#pragma once

#include "check/diagnostics.h"
#include "lineplaces.h"

#include <QComboBox>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <optional>

class QListView;
class QModelIndex;

namespace editor {

class MainTextEdit;
class ProblemsModel;

// The problems list below the main text: what the game will trip over in the script or
// description.ext being written, checked again after each pause in typing, each problem also
// marked in the text. A click or Enter on a problem moves the cursor to it. The language is
// guessed from the file name and the text, or set by hand in a choice that the main window
// shows in its status bar.
//
// The check runs in a thread of its own on a copy of the text, so that a big text costs the
// typing nothing; only the copy and showing the result happen here.
class ProblemsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ProblemsPanel(MainTextEdit &text, QWidget *parent = nullptr);
    ~ProblemsPanel() override;

    // How long typing must pause before the text is checked again.
    static constexpr int kPauseMs = 400;

    // The language choice: guessed, or set by hand.
    QComboBox *languageChoice() const { return m_languageChoice; }
    // A file was read into the main text: its name helps the guess, and a language set by
    // hand gives way to the guess again.
    void fileOpened(const QString &path);
    // The main text was saved under this name: it helps the guess from now on; a language set
    // by hand stays.
    void savedAs(const QString &path);

    // Checks the text now, here, instead of after the pause.
    void checkNow();
    // Whether the list may not yet show the text as it is.
    bool checkPending() const;

Q_SIGNALS:
    // The list shows a new check.
    void checked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Request
    {
        quint64 generation;
        quint64 version;
        QString text;
        QString fileName;
        std::optional<check::Language> chosen;
        bool tooBig; // for the memory left: the text was not copied
    };
    struct Result
    {
        quint64 generation;
        quint64 version;
        check::Language guessed;
        QList<check::Diagnostic> diagnostics;
        int lines;
        bool tooBig;
    };
    static Result run(const Request &request);

    Request nextRequest();
    void checkLater();
    void showResult(const Result &result);
    void markShownLines();
    void markShownLinesSoon();
    void goTo(const QModelIndex &index);
    std::optional<check::Language> chosenLanguage() const;

    MainTextEdit &m_text;
    const QObject *m_textView = nullptr; // its viewport, watched for a change of size
    QListView *m_view = nullptr;
    ProblemsModel *m_model = nullptr;
    QPointer<QComboBox> m_languageChoice; // lives in the status bar
    QTimer m_pause;
    bool m_marksPending = false;
    QString m_fileName;

    // Every change of the text makes a new version; every check request a new generation.
    // Only the result of the latest request is shown.
    quint64 m_version = 0;
    quint64 m_generation = 0;
    quint64 m_shownGeneration = 0;
    quint64 m_shownVersion = 0;
    std::atomic<quint64> m_latestRequest{0};

    QList<check::Diagnostic> m_diagnostics;
    LinePlaces m_places;

    QThread m_thread;
    QObject *m_worker = nullptr; // lives in m_thread, which deletes it when it ends
};

} // namespace editor
