#include "support/program.h"
#include "ui/realhost.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestUi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A paste beyond the toolkit's default limit of 32 767 characters stays whole in every
    // single-line field of every window and goes whole into what is made of it.
    void longPastesStayWhole()
    {
        Program program;
        QList<QWidget *> windows{&program.main};
        for (const app::ToolDialog &tool : app::toolDialogs())
            windows.append(program.main.openDialog(tool.tool));
        const QString paste = u"Bedingung "_s.repeated(4000);
        for (QWidget *window : windows) {
            for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
                field->setText(paste);
                QVERIFY2(field->text() == paste, qPrintable(field->objectName()));
            }
        }
        Window{&program.main}.click(u"Command2"_s); // "If Anweisung >"
        QCOMPARE(program.main.text(), u"If ("_s + paste + u") then ["_s + paste + u"];\r\n"_s);
    }

    void fileDialogFilters()
    {
        QCOMPARE(ui::toolkitFilters(u"Alle Dateien (*.*)|*"_s),
                 QStringList{u"Alle Dateien (*.*) (*)"_s});
        QCOMPARE(ui::toolkitFilters(u"JPEG Bild (*.jpg)|*jpg"_s),
                 QStringList{u"JPEG Bild (*.jpg) (*jpg)"_s});
    }
};

QTEST_MAIN(TestUi)
#include "test_ui.moc"
