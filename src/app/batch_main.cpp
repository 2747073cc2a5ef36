// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-batch: the calculation without a window, for scripted studies.
#include <csignal>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/Batch.h"

#if KINOVAR_BATCH_LANGUAGE
#include <filesystem>

#include "base/qt/Language.h"
#endif

#if KINOVAR_BATCH_PDF
#include <QGuiApplication>

#include "present/qt/document/DocumentPdf.h"
#endif

int main(int argc, char** argv)
{
    // Past the file-size limit a write then fails with "Disk full" instead of killing the
    // process, standard output included.
    std::signal(SIGXFSZ, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
#if KINOVAR_BATCH_LANGUAGE
    // The messages follow the language the window speaks: the same choice, the same files,
    // found from the executable's own folder as its other files are.
    {
        std::error_code ec;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        startLanguage(
            programTranslationsFolder(ec ? std::string("./") : exe.parent_path().string() + "/"));
    }
#endif
    BatchDocumentWriter pdf;
#if KINOVAR_BATCH_PDF
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
            installLanguageTranslators();
        }
        const QByteArray bytes = documentPdf(in);
        return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
    };
#endif
    return runBatch(args, std::cout, std::cerr, pdf, ::isatty(STDERR_FILENO) == 1);
}
