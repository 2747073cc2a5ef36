// SPDX-License-Identifier: GPL-3.0-or-later
// The example projects shipped with the program: each is the mechanism its comment describes
// (the stroke and speed from its source figures), its run gives the stroke and the mean moment
// worked out here by hand from the load table, and "Файл → Примеры" opens it as a new project.
#include <QAction>
#include <QMenu>
#include <cmath>
#include <memory>

#include "app/qt/MainWindowFixture.h"
#include "app/qt/controllers/ProjectController.h"
#include "calc/Calculation.h"
#include "calc/Summary.h"
#include "formats/ProjectFile.h"
#include "platform/ProgramFiles.h"
#include "present/qt/ListingView.h"
#include "support/BatchRun.h"

namespace {

const std::string kExamples = std::string(KINOVAR_SOURCE_DIR) + "/data/examples/";

// Q of a table by crank angle at `phi` degrees: linear between points, the last segment running
// to the first point one period on.
long double tableForce(const LoadTable& t, long double period, long double phi)
{
    const auto& pts = t.points;
    long double a = std::fmod(phi, period);
    if (a < 0) a += period;
    if (a < pts.front().x) a += period;
    for (size_t i = 0; i < pts.size(); ++i) {
        const LoadPoint& p0 = pts[i];
        const bool last = i + 1 == pts.size();
        const long double x1 = last ? pts.front().x + period : pts[i + 1].x;
        const long double f1 = last ? pts.front().force : pts[i + 1].force;
        if (a >= p0.x && a < x1) return p0.force + (f1 - p0.force) * (a - p0.x) / (x1 - p0.x);
    }
    return pts.front().force;
}

// The load's work over a period for a table by angle on a centric mechanism (b = 0): the slider
// stands at y = l1 sin φ + √(l2² − l1² cos² φ) > 0, and Q toward the crank is q = −Q, so
// W = −∫ Q(φ) dy/dφ dφ, taken by the midpoint rule at 0.01°.
long double angleTableWork(const ParamSet& p)
{
    const long double l1 = p.l1, l2 = p.l2, h = 0.01L;
    long double work = 0;
    const int n = static_cast<int>(p.period / h);
    for (int k = 0; k < n; ++k) {
        const long double phi = (k + 0.5L) * h, r = phi * kPi / 180;
        const long double c = std::cos(r), s = std::sin(r);
        const long double dy =
            (l1 * c + l1 * l1 * c * s / std::sqrt(l2 * l2 - l1 * l1 * c * c)) * kPi / 180;
        work -= tableForce(p.load, p.period, phi) * dy * h;
    }
    return work;
}

// The load's work over a turn for a table by stroke: the load always acts toward the crank,
// against the slider moving away (the away column) and with it moving back (the toward column);
// the table is linear between its points, so each column's integral over the stroke fraction
// is a sum of trapezoids: W = stroke · (∫Q_toward ds − ∫Q_away ds).
long double strokeTableWork(const ParamSet& p, long double stroke)
{
    long double toward = 0, away = 0;
    const auto& pts = p.load.points;
    for (size_t i = 1; i < pts.size(); ++i) {
        const long double ds = pts[i].x - pts[i - 1].x;
        toward += ds * (pts[i].force + pts[i - 1].force) / 2;
        away += ds * (pts[i].forceAway + pts[i - 1].forceAway) / 2;
    }
    return stroke * (toward - away);
}

struct Example {
    const char* file;
    const char* title;    // the comment's first line, the menu's item
    long double strokeMm; // the source figures, as the comment states them
    long double rodMm;
    long double rpm;
    const char* strokeText; // how the comment gives the stroke and the speed
    const char* speedText;
    long double m1, m2, m3;
    bool byAngle;
};

const Example kShipped[] = {
    {"1-engine.kinovar", "Одноцилиндровый двигатель с индикаторной диаграммой", 86, 143, 3000,
     "ход поршня 86 мм", "3000 об/мин", 2.5L, 0.55L, 0.45L, true},
    {"2-press.kinovar", "Кривошипный пресс с рабочим ходом", 100, 350, 60, "Ход ползуна 100 мм",
     "60 ходов в минуту", 80, 45, 150, false},
    {"3-compressor.kinovar", "Поршневой компрессор", 80, 160, 1450, "ход поршня 80 мм",
     "1450 об/мин", 3, 1.2L, 1.1L, false},
};

} // namespace

TEST(Examples, AreTheMechanismsTheirCommentsDescribe)
{
    EXPECT_EQ(exampleProjects(kExamples).size(), std::size(kShipped));
    auto R = std::make_unique<ResultStore>();
    for (const Example& e : kShipped) {
        SCOPED_TRACE(e.file);
        const ProjectContent project = readProject(kExamples + e.file);
        EXPECT_TRUE(project.unknownKeys.empty());
        const ParamSet& p = project.params;
        const std::string& comment = project.comment;
        EXPECT_EQ(comment.substr(0, comment.find('\n')), e.title);
        EXPECT_NE(comment.find(e.strokeText), std::string::npos);
        EXPECT_NE(comment.find(e.speedText), std::string::npos);

        // A centric mechanism: the stroke is twice the crank.
        EXPECT_EQ(p.b, 0);
        EXPECT_NEAR(p.l1, e.strokeMm / 2000, 1e-15);
        EXPECT_NEAR(p.l2, e.rodMm / 1000, 1e-15);
        EXPECT_NEAR(p.fit0, 2 * kPi * e.rpm / 60, 1e-9);
        EXPECT_EQ(p.fitt0, 0);
        EXPECT_EQ(p.fidtt, 0);
        EXPECT_EQ(p.m1, e.m1);
        EXPECT_EQ(p.m2, e.m2);
        EXPECT_EQ(p.m3, e.m3);
        // The run covers exactly one period of the load.
        EXPECT_NEAR(static_cast<long double>(p.N - 1) * p.step * 180 / kPi, p.period, 1e-9);
        EXPECT_EQ(p.load.kind, e.byAngle ? LoadKind::ByAngle : LoadKind::ByStroke);

        const CalcOutcome outcome = runCalculation(p, *R);
        EXPECT_TRUE(stageFaults(outcome).empty());
        const RunSummary summary = summarizeRun(*R, p, p.N, summaryOptions(p, p.delta));
        const long double stroke = e.strokeMm / 1000;
        ASSERT_TRUE(summary.stroke.has_value());
        EXPECT_NEAR(summary.stroke->value, stroke, 1e-12);

        // The mean driving moment delivers the work the load takes over the period.
        const long double work = e.byAngle ? angleTableWork(p) : strokeTableWork(p, stroke);
        const long double byHand = -work / (p.period * kPi / 180);
        ASSERT_TRUE(summary.flywheel.has_value()) << summary.flywheelError;
        EXPECT_NEAR(summary.flywheel->meanMoment, byHand, std::fabs(byHand) * 1e-3);
        // Real loads: an engine delivers work, a press and a compressor take it.
        EXPECT_EQ(byHand < 0, e.byAngle);
    }
}

TEST(Examples, PressWorkIsTheBlankingForceOverItsTravel)
{
    // 250 kN rising over 2 mm, held 3 mm, falling over 1 mm: 250 kN × (1 + 3 + 0.5) mm.
    const ParamSet p = readProject(kExamples + "2-press.kinovar").params;
    EXPECT_NEAR(strokeTableWork(p, 0.1L), -250e3L * 4.5e-3L, 1e-6);
}

TEST_F(MainWindowTest, ExamplesMenuOpensAnExampleAsANewProject)
{
    fake.exeDir = std::string(KINOVAR_SOURCE_DIR) + "/data/";
    auto* menu = form->findChild<QMenu*>("examplesMenu");
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    QStringList titles;
    for (QAction* a : menu->actions())
        titles << a->text().remove(QLatin1Char('&'));
    QStringList want;
    for (const Example& e : kShipped)
        want << QString::fromUtf8(e.title);
    EXPECT_EQ(titles, want);

    menu->actions().at(1)->trigger();
    EXPECT_NEAR(params.l1, 0.05, 1e-15);
    EXPECT_EQ(params.load.kind, LoadKind::ByStroke);
    EXPECT_TRUE(control<ListingView>("listing")->toPlainText().contains(QStringLiteral("250 кН")));
    // Not tied to the installed file: saving asks where.
    EXPECT_TRUE(form->projectController().projectPath().empty());
    fake.calls.clear();
    trigger("saveProjectAction");
    ASSERT_FALSE(fake.calls.empty());
    EXPECT_EQ(fake.calls.front().rfind("save:", 0), 0u) << fake.calls.front();
}

TEST_F(MainWindowTest, ExamplesMenuSaysWhenNoneAreInstalled)
{
    fake.exeDir = "/nonexistent/";
    auto* menu = form->findChild<QMenu*>("examplesMenu");
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_FALSE(menu->actions().front()->isEnabled());
}

// The batch, starting from an example and saving it again, keeps its comment.
TEST(Examples, BatchKeepsTheComment)
{
    const std::string path = kExamples + "3-compressor.kinovar";
    const BatchRun run = batch({"--project", path, "--set", "m3=2", "--save-project", "-"});
    ASSERT_EQ(run.status, 0) << run.err;
    const ProjectContent saved = parseProject(run.out);
    EXPECT_EQ(saved.comment, readProject(path).comment);
    EXPECT_EQ(saved.params.m3, 2);
}

TEST(Examples, CommentIsKeptAndOlderFilesReadWithout)
{
    Project project;
    setDefaults(project.params);
    project.comment = "Пресс\nход 100 мм";
    const std::string text = projectText(project);
    EXPECT_EQ(parseProject(text).comment, project.comment);
    // Without a comment the file keeps the shape older programs wrote and read.
    project.comment.clear();
    EXPECT_EQ(projectText(project).find("comment"), std::string::npos);
    const char* refused[] = {
        R"({"format": "kinovar-project", "version": "1.0", "comment": 5})",
        R"({"format": "kinovar-project", "version": "1.0", "comment": ["a"]})",
    };
    for (const char* bad : refused)
        EXPECT_THROW(parseProject(bad), ProjectError) << bad;
    const std::string tooLong = R"({"format": "kinovar-project", "version": "1.0", "comment": ")" +
                                std::string(kMaxProjectCommentBytes + 1, 'x') + "\"}";
    EXPECT_THROW(parseProject(tooLong), ProjectError);
}
