// Times the checker on a script and on a description.ext of 1 MB and of 10 MB, built from the
// program's own generators, and the merge into the larger description. Each time is the best
// of several runs, shown beside a floor: one plain pass over the same text that only counts
// its line ends. Every run starts from a trimmed heap, so that the small text, whose memory
// the allocator would otherwise hand back already mapped, pays for first touching its pages
// like the large one: the ratio then compares the checker's work, not the allocator's caching.
// Run by hand; prints milliseconds.
#include "campaign/description.h"
#include "check/descriptionmerge.h"
#include "check/diagnostics.h"
#include "editor/snippets.h"
#include "mission/catalogue.h"
#include "mission/descriptiontext.h"
#include "tools/artillery.h"

#include <QElapsedTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kMegabyte = 1000 * 1000;

// Scripts as the panels and the artillery tool write them, each loop with a label of its own.
QString script(qsizetype size)
{
    QString text;
    for (int k = 0; text.size() < size; ++k) {
        const QString n = QString::number(k);
        text += editor::actionEntryLine({u"aktion"_s + n, u"player"_s, u"Funk"_s, u"funk.sqs"_s});
        text += editor::ifStatementLine(u"alive pilot"_s + n, u"heli"_s + n + u" land \"LAND\""_s);
        text += editor::createUnitLine({u"tank"_s + n, u"T72"_s, u"1200"_s, u"3400"_s});
        text += editor::objectHeightLine(u"kiste"_s + n, u"12.5"_s);
        text += editor::paratrooperScript({u"leader"_s + n, u"heli"_s + n, u"2"_s})
                    .replace(u"Start"_s, u"Absprung"_s + n);
        text += tools::fireScript().replace(u"start"_s, u"start"_s + n);
    }
    return text;
}

// One description.ext of every tool: a campaign long enough to reach the size.
QString description(qsizetype size)
{
    QString entries;
    for (int n = 1; n <= 30; ++n)
        entries += mission::soundEntry(n, u"sound"_s, u"funk"_s + QString::number(n));
    QString stock;
    for (const QString &name : mission::weaponCatalogue(mission::Edition::AddOn)) {
        if (!name.startsWith(u'-'))
            stock += mission::stockEntry(name, u"5"_s);
    }
    const QString head =
        editor::identityBlock({u"Miller"_s, u"Dan"_s, u"None"_s, u"Face12"_s, u"1.05"_s}) +
        mission::soundBlock(30, entries) + u"\r\n"_s + mission::stockBlocks(stock, {}) + u"\r\n"_s;
    campaign::CampaignDescription campaign{u"Lang"_s, u"lang"_s, u"m1"_s, {}};
    const qsizetype perMission =
        campaign::buildMissionBlock({u"m1000"_s, u"m1001"_s, {}, {}, {}, {}, {}, u"eden"_s}).size();
    for (int k = 1; head.size() + k * perMission < size; ++k)
        campaign.missions.append({u"m"_s + QString::number(k),
                                  u"m"_s + QString::number(k + 1),
                                  {},
                                  {},
                                  {},
                                  {},
                                  {},
                                  u"eden"_s});
    return head + campaign::buildDescription(campaign);
}

double bestMilliseconds(const std::function<void()> &run)
{
    double best = 1e18;
    for (int i = 0; i < 5; ++i) {
#if defined(__GLIBC__)
        malloc_trim(0);
#endif
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

double floorOf(const QString &text)
{
    return bestMilliseconds([&] {
        volatile qsizetype lines = 0;
        for (const QChar c : text)
            lines = lines + (c == u'\n' ? 1 : 0);
    });
}

double checkOf(const QString &text, check::Language language, qsizetype &found)
{
    return bestMilliseconds([&] { found = check::diagnose(text, language).size(); });
}

void report(const char *what, const QString &small, const QString &large, check::Language language)
{
    qsizetype found = 0;
    const double one = checkOf(small, language, found);
    const qsizetype foundSmall = found;
    const double ten = checkOf(large, language, found);
    std::printf("%s: %.1f MB %.2f ms (%.0f x floor, %lld diagnostics), %.1f MB %.2f ms "
                "(%.0f x floor), 10 MB / 1 MB = %.2f\n",
                what, small.size() / 1e6, one, one / floorOf(small),
                static_cast<long long>(foundSmall), large.size() / 1e6, ten, ten / floorOf(large),
                ten / one);
}

} // namespace

int main()
{
    report("script", script(kMegabyte), script(10 * kMegabyte), check::Language::Sqs);
    const QString small = description(kMegabyte);
    const QString large = description(10 * kMegabyte);
    report("description.ext", small, large, check::Language::Config);

    QString sounds;
    for (int n = 1; n <= 5; ++n)
        sounds += mission::soundEntry(n, u"neu"_s, u"neu"_s + QString::number(n));
    const QString generated = mission::soundBlock(5, sounds);
    bool ok = true;
    const double merge =
        bestMilliseconds([&] { ok = check::mergeDescription(large, generated).ok && ok; });
    std::printf("merge of a sound list into the %.1f MB description.ext: %.2f ms (%.0f x floor)\n",
                large.size() / 1e6, merge, merge / floorOf(large));
    return ok ? 0 : 1;
}
