#pragma once

#include "pagemodel.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QTimer>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QTabBar;
class QTextBrowser;
class QUrl;

namespace briefing {

class PageBrowser;

// The page as the player will see it, in a window of its own beside a page editor. The editor
// makes it as its child and hands it every page it writes; the view follows after the typing
// has paused, shows the game's pages (the plan with its objectives, the notes, the debriefing
// of each ending; or the overview) and a check of the page. It reads one file at most: the
// overview's picture, from the folder it was named with.
//
//     m_pageView = new PageView(PageKind::Overview, this);
//     connect(pageViewButton, &QPushButton::clicked, m_pageView, &PageView::open);
//     // at every change of a field:
//     m_pageView->setPage(page());
//     m_pageView->setPictureName(m_picture->text());
//     // after a picture was chosen:
//     m_pageView->setPictureFolder(QFileInfo(chosen).absolutePath());
class PageView : public QWidget
{
    Q_OBJECT
public:
    // How long the typing must pause before the view follows.
    static constexpr int kPauseMs = 200;

    // The view is a top-level window of its own; the editor owns it, so it closes with it.
    PageView(PageKind kind, QWidget *editor);
    ~PageView() override;

    PageKind kind() const { return m_kind; }

    // Takes the page the editor writes. Cheap: the page is read and shown after the pause, and
    // only while the window is open.
    void setPage(const QString &page);
    // The overview's picture: its file name as the picture field holds it, and the folder the
    // user chose it in. Only a bare file name is read, from that folder.
    void setPictureName(const QString &fileName);
    void setPictureFolder(const QString &folder);

    // Shows the window beside its editor, or brings it to the front, with the newest page.
    void open();
    // Shows a change at once instead of after the pause.
    void renderNow();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    friend class PageBrowser;
    enum class Shown { Plan, Notes, Debriefing, Section };

    // What the browser is given for a resource: the picture, the status marks, and for
    // everything else a stand-in that says it is not loaded.
    QVariant resource(int type, const QUrl &name) const;

    void changed();
    void loadPicture();
    void showCheck();
    void showEndings();
    void display(Shown shown, int section = -1, const QString &anchor = QString());
    void showAgain();
    void tabChosen(int index);
    void linkClicked(const QUrl &url);
    void linkHovered(const QUrl &url);
    void say(const QString &text);
    void followSection(const QString &name);
    QList<ObjectiveStatus> statuses() const;

    PageKind m_kind;
    QString m_page;
    QString m_pictureName;
    QString m_pictureFolder;
    bool m_stale = true;
    QTimer m_pause;

    PageReading m_reading;
    Shown m_shown = Shown::Plan;
    QString m_shownName; // of a section shown on its own
    QString m_shownHtml; // what the browser holds, so that an unchanged page is not laid out again
    QHash<QString, ObjectiveStatus> m_statuses; // by objective name, lower case
    QString m_said; // the last answer to a click, shown again after a hover

    // The picture as last read, kept while the file stays the same.
    QString m_picturePath;
    QDateTime m_pictureTime;
    qint64 m_pictureSize = -1;
    QImage m_picture; // scaled to the game's 128 × 64; null when it cannot be shown
    QStringList m_pictureNotes;

    QTabBar *m_tabs = nullptr;
    QLabel *m_endingLabel = nullptr;
    QComboBox *m_endingChooser = nullptr;
    QLabel *m_pictureNote = nullptr;
    PageBrowser *m_browser = nullptr;
    QLabel *m_status = nullptr;
    QListWidget *m_check = nullptr;
};

} // namespace briefing
