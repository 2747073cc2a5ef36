// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch: the calculation without a window, for scripted studies.
#include <csignal>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/Batch.h"

#if KINOVAR_BATCH_PDF
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

#include "base/BuildInfo.h"
#include "base/UiText.h"
#include "present/qt/document/DocumentPdf.h"

namespace {

QTranslator* gCoreTranslator = nullptr;

std::string translated(const char* context, const char* text)
{
    const QString found = gCoreTranslator->translate(context, text);
    return found.isEmpty() ? std::string(text) : found.toStdString();
}

// The core's texts in the first language of LANGUAGE, LC_ALL, LC_MESSAGES or LANG (as Qt reads
// them) that the program speaks: Russian, the source language, needs no catalogue; another
// language takes kinovar_core_<language>.qm from the build's translations/ folder beside bin/ or
// from the installed data folder. A language without a catalogue is passed over.
void chooseLanguage()
{
    const QString exeDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    const QStringList folders{exeDir + QStringLiteral("/../translations"),
                              exeDir + QLatin1Char('/') + QString::fromUtf8(kInstalledDataDir) +
                                  QStringLiteral("/translations")};
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QString language =
            name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("ru")) return;
        for (const QString& folder : folders) {
            auto* translator = new QTranslator;
            if (translator->load(QStringLiteral("kinovar_core_") + language, folder)) {
                gCoreTranslator = translator;
                setTextLookup(&translated);
                return;
            }
            delete translator;
        }
    }
}

} // namespace
#endif

int main(int argc, char** argv)
{
    // Past the file-size limit a write then fails with "Disk full" instead of killing the
    // process, standard output included.
    std::signal(SIGXFSZ, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    BatchDocumentWriter pdf;
#if KINOVAR_BATCH_PDF
    chooseLanguage();
    // The document's fonts need a GUI application, made only when a document is drawn, on the
    // offscreen platform unless another is asked for, so that no display is needed.
    std::unique_ptr<QGuiApplication> gui;
    pdf = [&gui, &argc, argv](const DocumentInput& in) {
        if (!gui) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            // The toolkit's notes (a missing runtime folder, ...) are no concern of a script;
            // the batch reports its own failures.
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    std::cerr << "kinovar-batch: " << m.toStdString() << '\n';
            });
            gui = std::make_unique<QGuiApplication>(argc, argv);
        }
        const QByteArray bytes = documentPdf(in);
        return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
    };
#endif
    return runBatch(args, std::cout, std::cerr, pdf, ::isatty(STDERR_FILENO) == 1);
}
