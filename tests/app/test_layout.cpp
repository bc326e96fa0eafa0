#include "app/mainwindow.h"
#include "support/fakehost.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The controls a user sees and works with, without the parts the toolkit builds inside them.
QList<QWidget *> controls(QWidget &window)
{
    QList<QWidget *> result;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&window) || w->objectName().startsWith(u"qt_"))
            continue;
        const bool control = qobject_cast<QAbstractButton *>(w) || qobject_cast<QLabel *>(w) ||
                             qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
                             qobject_cast<QAbstractScrollArea *>(w) ||
                             qobject_cast<QProgressBar *>(w);
        // Skip what lives inside another control (a combo box's line edit, a scroll area's
        // contents).
        bool inner = false;
        for (QWidget *up = w->parentWidget(); up && up != &window; up = up->parentWidget())
            inner =
                inner || qobject_cast<QComboBox *>(up) || qobject_cast<QAbstractScrollArea *>(up);
        if (control && !inner)
            result.append(w);
    }
    return result;
}

QRect inWindow(QWidget &window, QWidget *w)
{
    return QRect(w->mapTo(&window, QPoint()), w->size());
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windows_data()
    {
        QTest::addColumn<QString>("form");
        for (const char *form :
             {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9"})
            QTest::newRow(form) << QString::fromLatin1(form);
    }
    void windows()
    {
        QFETCH(QString, form);
        FakeHost host;
        app::MainWindow main(host);
        main.show();
        QWidget *window = form == u"Form1"_s ? &main : main.openDialog(form);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->minimumSizeHint().width() <= window->width());
        QVERIFY(window->minimumSizeHint().height() <= window->height());

        const QList<QWidget *> list = controls(*window);
        QVERIFY(list.size() > 3);
        for (int i = 0; i < list.size(); ++i) {
            QWidget *a = list[i];
            // Screen readers find every control by a name (a label's may be empty until the
            // program fills it).
            QAccessibleInterface *access = QAccessible::queryAccessibleInterface(a);
            QVERIFY(access);
            if (!qobject_cast<QLabel *>(a))
                QVERIFY2(!access->text(QAccessible::Name).isEmpty(), qPrintable(a->objectName()));
            const QRect ra = inWindow(*window, a);
            QVERIFY2(window->rect().contains(ra), qPrintable(a->objectName()));
            for (int j = i + 1; j < list.size(); ++j) {
                QWidget *b = list[j];
                if (a->isAncestorOf(b) || b->isAncestorOf(a))
                    continue;
                const QString what = a->objectName() + u" / "_s + b->objectName();
                QVERIFY2(!ra.intersects(inWindow(*window, b)), qPrintable(what));
            }
            // Captions are readable in full.
            if (auto *label = qobject_cast<QLabel *>(a); label && !label->wordWrap()) {
                const int need = label->fontMetrics().horizontalAdvance(label->text());
                QVERIFY2(need <= label->contentsRect().width(), qPrintable(label->text()));
            }
            if (auto *button = qobject_cast<QAbstractButton *>(a);
                button && !button->text().isEmpty()) {
                const int need = button->fontMetrics().horizontalAdvance(button->text());
                QVERIFY2(need <= button->width(), qPrintable(button->text()));
            }
        }
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
