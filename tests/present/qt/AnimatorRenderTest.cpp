// SPDX-License-Identifier: GPL-3.0-or-later
// Both animator builds run as processes: the one-step picture, the file found in the folder
// above the program, and the refusal of a broken file.
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "calc/Calculation.h"
#include "formats/Kinetic.h"
#include "formats/KineticTestSupport.h"

using namespace kinetic_test;
namespace fs = std::filesystem;

namespace {

struct RunResult {
    int exitCode = -1;
    QString errors;
};

RunResult runAnimator(const QString& program, const QStringList& args)
{
    QProcess proc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    proc.setProcessEnvironment(env);
    proc.start(program, args);
    if (!proc.waitForFinished(30000)) {
        proc.kill();
        proc.waitForFinished();
        return {};
    }
    return {proc.exitStatus() == QProcess::NormalExit ? proc.exitCode() : -1,
            QString::fromUtf8(proc.readAllStandardError())};
}

QString builtAnimator(const char* build)
{
    return QCoreApplication::applicationDirPath() + "/Animator/" + build;
}

// A calculated run at the defaults written the way "Анимация" writes it (computed once).
void writeDefaultRun(const std::string& path)
{
    static const std::string bytes = [&] {
        ParamSet p;
        setDefaults(p);
        auto R = std::make_unique<ResultStore>();
        runCalculation(p, *R);
        writeKinetic(path, p, *R, '.');
        return readBytes(path);
    }();
    writeBytes(path, bytes);
}

// Distinct colours in a coarse sample: a blank or flat picture has one or two.
int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

class AnimatorBuild : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        program = builtAnimator(GetParam());
        ASSERT_TRUE(fs::exists(program.toStdString())) << program.toStdString() << " not built";
        writeDefaultRun(kinetic);
    }
    ScratchDir dir{std::string("render-") + GetParam()};
    std::string kinetic = dir.file(kKineticFileName);
    QString program;
};

} // namespace

TEST_P(AnimatorBuild, RendersAStepToAPictureThatMovesWithTheStep)
{
    QImage pictures[2];
    for (int k = 0; k < 2; ++k) {
        const QString png = QString::fromStdString(dir.file("step" + std::to_string(k) + ".png"));
        const RunResult r =
            runAnimator(program, {"--kinetic", QString::fromStdString(kinetic), "--render-step",
                                  k == 0 ? "1" : "7", "--output", png, "--size", "640x480"});
        ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
        ASSERT_TRUE(pictures[k].load(png)) << png.toStdString();
        EXPECT_EQ(pictures[k].size(), QSize(640, 480));
        EXPECT_GT(colourCount(pictures[k]), 20);
    }
    EXPECT_NE(pictures[0], pictures[1]) << "step 7 is drawn like step 1";
}

TEST_P(AnimatorBuild, FindsKineticIniInTheFolderAboveItself)
{
    // A copy of the program in <dir>/Animator/ reads <dir>/Kinetic.ini with no --kinetic.
    fs::create_directories(dir.path() / "Animator");
    const fs::path copy = dir.path() / "Animator" / GetParam();
    fs::copy_file(program.toStdString(), copy);
    const QString png = QString::fromStdString(dir.file("found.png"));
    const RunResult r = runAnimator(QString::fromStdString(copy.string()),
                                    {"--render-step", "25", "--output", png});
    ASSERT_EQ(r.exitCode, 0) << r.errors.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(960, 640));

    fs::remove(kinetic);
    const RunResult missing =
        runAnimator(QString::fromStdString(copy.string()), {"--render-step", "1", "--output", png});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.errors.contains(QString::fromStdString(kinetic)))
        << missing.errors.toStdString();
}

TEST_P(AnimatorBuild, RefusesABrokenFileOrAStepOutsideTheRun)
{
    const QString png = QString::fromStdString(dir.file("none.png"));
    const RunResult outside = runAnimator(program, {"--kinetic", QString::fromStdString(kinetic),
                                                    "--render-step", "26", "--output", png});
    EXPECT_EQ(outside.exitCode, 1);

    std::string bytes = readBytes(kinetic);
    bytes.resize(bytes.size() - 5); // drop "END\r\n"
    writeBytes(kinetic, bytes);
    const RunResult broken = runAnimator(program, {"--kinetic", QString::fromStdString(kinetic),
                                                   "--render-step", "1", "--output", png});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.errors.contains("строка 233")) << broken.errors.toStdString();
    EXPECT_FALSE(fs::exists(png.toStdString()));

    EXPECT_EQ(runAnimator(program, {"--render-step", "1"}).exitCode, 2); // no --output
}

INSTANTIATE_TEST_SUITE_P(Builds, AnimatorBuild, ::testing::Values("Animator", "Anima_dx7"),
                         [](const auto& info) { return std::string(info.param); });
