// Times a 500-mission campaign in the extended editor: the adds and the completing add,
// which builds and shows the whole description. Run by hand; prints milliseconds.
#include "benchhost.h"
#include "campaign/description.h"
#include "campaign/extendedcampaigneditor.h"
#include "ui/exacttextedit.h"
#include "ui/maintext.h"
#include "ui/missionfolder.h"
#include "ui/statusreport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

class NoMainText : public ui::MainText
{
public:
    QString text() const override { return {}; }
    void replace(const QString &) override {}
};

class NoStatus : public ui::StatusReport
{
public:
    void report(const QString &) override {}
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchHost host;
    NoMainText mainText;
    ui::MissionFolder missionFolder;
    NoStatus status;

    // What the editor is given below: each mission's first end leads to the next one.
    QStringList names;
    campaign::CampaignDescription description{u"Kampagne"_s, u"kampagne"_s, u"mission1"_s, {}};
    for (int k = 1; k <= 500; ++k)
        names.append(u"mission"_s + QString::number(k));
    for (int k = 1; k <= 500; ++k)
        description.missions.append({names[k - 1], names.value(k), {}, {}, {}, {}, {}, u"eden"_s});

    QElapsedTimer timer;
    timer.start();
    const QString text = campaign::buildDescription(description);
    std::printf("description of 500 missions: %.2f ms (%lld characters)\n",
                timer.nsecsElapsed() / 1e6, static_cast<long long>(text.size()));

    campaign::ExtendedCampaignEditor editor({host, mainText, missionFolder, status});
    auto *count = editor.findChild<QLineEdit *>(u"Text3"_s);
    auto *name = editor.findChild<QLineEdit *>(u"Text4"_s);
    auto *end1 = editor.findChild<QLineEdit *>(u"Text5"_s);
    auto *add = editor.findChild<QPushButton *>(u"Command1"_s);
    editor.findChild<QLineEdit *>(u"Text1"_s)->setText(description.campaignName);
    editor.findChild<QLineEdit *>(u"Text2"_s)->setText(description.folder);
    editor.findChild<QLineEdit *>(u"Text12"_s)->setText(u"eden"_s);
    count->setText(u"500"_s);
    timer.restart();
    qint64 slowest = 0;
    for (int k = 1; k <= 500; ++k) {
        name->setText(names[k - 1]);
        end1->setText(names.value(k));
        QElapsedTimer one;
        one.start();
        add->click();
        slowest = std::max(slowest, one.nsecsElapsed());
    }
    std::printf("500 adds in the editor: %.2f ms, slowest add (the completing one): %.2f ms\n",
                timer.nsecsElapsed() / 1e6, slowest / 1e6);
    const auto *result = editor.findChild<ui::ExactTextEdit *>(u"Text11"_s);
    if (result->text() != text) {
        std::printf("the editor's description differs from the expected one\n");
        return 1;
    }
    return 0;
}
