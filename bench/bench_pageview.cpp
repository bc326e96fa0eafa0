// The page view on a briefing page of 1 MB: long objectives, 10 000 tags, words of 100 000
// letters. Times the editor's call into the view (what every keystroke pays), reading the page,
// and the re-render after a keystroke in the plan (reading, laying out and painting what the
// window shows; with the notes shown, their page is unchanged and not laid out again), each
// against the same on an ordinary page in the same run. Prints milliseconds.
#include "briefing/pages.h"
#include "briefing/pageview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBrowser>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;
using namespace briefing;

namespace {

double medianMillis(int repeats, const std::function<void()> &step)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

BriefingFields ordinaryPage()
{
    BriefingFields fields;
    fields.notes = u"Funkrufname Adler, Frequenz 45,3"_s;
    fields.plan = u"Wir landen bei Morgengrauen am Strand und stoßen zur "_s +
                  markerLink(u"bruecke"_s, u"Brücke"_s) + u" vor."_s;
    fields.objectives = {u"Den Strand sichern"_s, u"Die Brücke nehmen"_s, u"Alle überleben"_s};
    fields.endings = {{u"Sieg"_s, u"Die Brücke ist unser."_s}, {u"Rückzug"_s, u"Zu früh."_s}};
    return fields;
}

// Just over 1 MB: a plan of 5 000 bold words (10 000 tags) and eight objectives of about
// 124 000 characters, each with one word of 100 000 letters among ordinary ones.
BriefingFields bigPage()
{
    BriefingFields fields = ordinaryPage();
    QString plan;
    for (int i = 0; i < 5000; ++i)
        plan += u"<b>Wort</b> "_s;
    fields.plan = plan + fields.plan;
    fields.objectives.clear();
    for (int k = 0; k < 8; ++k) {
        QString objective = u"Ziel "_s + QString::number(k + 1) + u": "_s;
        objective += QString(100000, QChar(u'a' + k));
        for (int i = 0; i < 4800; ++i)
            objective += u" Text"_s;
        fields.objectives.append(objective);
    }
    return fields;
}

struct Figures
{
    double build = 0;
    double call = 0;
    double read = 0;
    double plan = 0;
    double planAtEnd = 0;
    double notes = 0;
};

Figures measure(PageView &view, const BriefingFields &base)
{
    constexpr int kRepeats = 21;
    // Pages as the editor builds them after a keystroke in the plan, one for each step.
    QStringList pages;
    BriefingFields fields = base;
    Figures figures;
    figures.build = medianMillis(kRepeats, [&] {
        fields.plan = base.plan + QString::number(pages.size());
        pages.append(briefingPage(fields, u"1.1"_s));
    });
    const QString page = pages.first();
    figures.call = medianMillis(200, [&] { view.setPage(page); });
    figures.read = medianMillis(kRepeats, [&] { readPage(page, PageKind::Briefing); });

    auto *tabs = view.findChild<QTabBar *>(u"pageTabs"_s);
    int next = 0;
    const auto rerender = [&] {
        view.setPage(pages[next++ % pages.size()]);
        view.renderNow();
        view.repaint();
        QApplication::processEvents();
    };
    tabs->setCurrentIndex(0);
    figures.plan = medianMillis(kRepeats, rerender);
    // The user reads the last objectives: the view keeps its place across the change.
    QScrollBar *scroll = view.findChild<QTextBrowser *>(u"pageBrowser"_s)->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    figures.planAtEnd = medianMillis(kRepeats, rerender);
    tabs->setCurrentIndex(1);
    figures.notes = medianMillis(kRepeats, rerender);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    PageView view(PageKind::Briefing, nullptr);
    view.resize(560, 680);
    view.open();
    QApplication::processEvents();

    const BriefingFields small = ordinaryPage();
    const BriefingFields big = bigPage();
    const qsizetype size = briefingPage(big, u"1.1"_s).size();
    const Figures floor = measure(view, small);
    const Figures figures = measure(view, big);

    std::printf("page of %.2f MB against an ordinary page of %lld characters\n", size / 1048576.0,
                static_cast<long long>(briefingPage(small, u"1.1"_s).size()));
    std::printf("  the editor builds the page:      %8.3f ms (ordinary %.4f ms)\n", figures.build,
                floor.build);
    std::printf("  the editor's call setPage:       %8.4f ms (ordinary %.4f ms)\n", figures.call,
                floor.call);
    std::printf("  reading the page:                %8.2f ms (ordinary %.3f ms, %.0fx)\n",
                figures.read, floor.read, figures.read / floor.read);
    std::printf("  plan changed, plan shown:        %8.2f ms (ordinary %.2f ms, %.1fx)\n",
                figures.plan, floor.plan, figures.plan / floor.plan);
    std::printf("  the same, scrolled to its end:   %8.2f ms (ordinary %.2f ms, %.1fx)\n",
                figures.planAtEnd, floor.planAtEnd, figures.planAtEnd / floor.planAtEnd);
    std::printf("  plan changed, notes shown:       %8.2f ms (ordinary %.2f ms, %.1fx)\n",
                figures.notes, floor.notes, figures.notes / floor.notes);
    return 0;
}
