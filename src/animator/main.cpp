// SPDX-License-Identifier: GPL-3.0-or-later
// The animator: plays the motion written to "Kinetic.ini" in the folder above its own.
// Options for tests and scripts (the main program passes none):
//   --kinetic PATH        read PATH instead
//   --render-step N       draw step N (1-based) to --output FILE.png and exit
//   --size WxH            size of that picture (960x640 unless given; each side 1..8192)
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <cstdio>
#include <optional>

#include "AnimatorWindow.h"
#include "Scene.h"
#include "base/BuildInfo.h"
#include "base/KineticLayout.h"
#include "base/qt/Language.h"
#include "present/KineticReader.h"

namespace {

struct Options {
    std::optional<QString> kinetic;
    std::optional<int> renderStep;
    QString output;
    QSize size{960, 640};
};

// A side of 8192 pixels is already a 256 MB picture; far larger ones exhaust the memory.
constexpr int kMaxSide = 8192;

const char* kTitle = kFullBuild ? QT_TRANSLATE_NOOP("Animator", "Аниматор Kinovar (3-D)")
                                : QT_TRANSLATE_NOOP("Animator", "Аниматор Kinovar");

int usage(const QString& why)
{
    std::fprintf(stderr,
                 "%s\nusage: %s [--kinetic PATH] [--render-step N --output FILE.png "
                 "[--size WxH]]\n",
                 why.toLocal8Bit().constData(), kFullBuild ? "Animator" : "Anima_dx7");
    return 2;
}

// Returns an error text, or nothing when the arguments are sound.
std::optional<QString> parse(const QStringList& args, Options& o)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size()) return "missing value after " + a;
        const QString v = args[++i];
        bool ok = true;
        if (a == "--kinetic") {
            o.kinetic = v;
        } else if (a == "--render-step") {
            o.renderStep = v.toInt(&ok);
        } else if (a == "--output") {
            o.output = v;
        } else if (a == "--size") {
            const QStringList wh = v.split('x');
            bool okW = false, okH = false;
            if (wh.size() == 2) o.size = QSize(wh[0].toInt(&okW), wh[1].toInt(&okH));
            ok = okW && okH && o.size.width() > 0 && o.size.height() > 0;
            if (ok && (o.size.width() > kMaxSide || o.size.height() > kMaxSide))
                return "--size " + v + " is too large: each side must be at most " +
                       QString::number(kMaxSide) + " pixels";
        } else {
            return "unknown option " + a;
        }
        if (!ok) return "bad value for " + a + ": " + v;
    }
    if (o.renderStep.has_value() == o.output.isEmpty())
        return "--render-step and --output go together";
    return std::nullopt;
}

int renderToFile(const SceneModel& model, const Options& o)
{
    const int step = *o.renderStep;
    if (step < 1 || step > model.frameCount()) {
        std::fprintf(stderr, "step %d is outside 1..%d\n", step, model.frameCount());
        return 1;
    }
    QImage image(o.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        paintScene(p, QRectF(QPointF(0, 0), QSizeF(o.size)), model, step - 1, ViewAngles{});
    }
    if (!image.save(o.output, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", o.output.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

int run(int argc, char** argv)
{
    // A picture needs no screen: let scripts run it without a display.
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--render-step" && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(kFullBuild ? "Animator" : "Anima_dx7");
    // The language the window program speaks; the files are in the build tree two folders up
    // (bin/Animator), or in the installed data.
    const std::string exeDir = QApplication::applicationDirPath().toStdString() + "/";
    startLanguage(translationsFolder(exeDir + "../../translations/",
                                     exeDir + kInstalledDataDirFromAnimator + "/translations/"));
    const QString title = QCoreApplication::translate("Animator", kTitle);

    Options o;
    if (const auto bad = parse(QApplication::arguments(), o)) return usage(*bad);
    const QString path = o.kinetic.value_or(QDir::cleanPath(
        QApplication::applicationDirPath() + "/../" + QString::fromUtf8(kKineticFileName)));

    std::optional<SceneModel> model;
    try {
        model.emplace(readKinetic(path.toStdString()));
    } catch (const std::exception& e) { // a KineticFileError, or memory running out
        if (o.renderStep) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        QMessageBox::critical(nullptr, title, QString::fromUtf8(e.what()));
        return 1;
    }
    if (o.renderStep) return renderToFile(*model, o);

    AnimatorWindow window(std::move(*model));
    window.setWindowTitle(title);
    if constexpr (kFullBuild) {
        window.showWindowed();
    } else {
        // Without a window manager a full-screen request alone leaves the window small.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window.setGeometry(screen->geometry());
        window.showFullScreen();
    }
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    // Nothing the reader or the drawing throws may end the process unreported.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "unexpected error\n");
    }
    return 1;
}
