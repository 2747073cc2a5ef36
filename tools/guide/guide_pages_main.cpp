// SPDX-License-Identifier: GPL-3.0-or-later
// kinovar-guide-pages OUT QM_DIR SOURCE: writes the user guide into OUT as the program and the
// install find it. The pages made from the catalogues (the quantities, the parameters) go into
// OUT/ru/ and OUT/en/: the Russian ones with the catalogues' own texts, the English ones through
// the translations built into QM_DIR (the guide's and the core's .qm files), each text falling
// back to Russian where its translation is missing. The hand-written pages SOURCE/<lang>/*.html
// follow with the figures of SOURCE/figures.tsv put in, and the style SOURCE/guide.css as it is.
// Run by the build.
#include <QCoreApplication>
#include <QTranslator>

#include <cstdio>
#include <filesystem>
#include <string>

#include "base/TextFile.h"
#include "base/UiText.h"
#include "formats/GuideFigures.h"
#include "formats/GuidePages.h"

namespace {

std::string translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& text)
{
    TextWriter writer(path.string());
    writer.writeRaw(text);
    writer.save();
}

// The text of a source file, its lines ended in LF.
std::string readText(const fs::path& path)
{
    TextReader reader(path.string());
    std::string text;
    while (!reader.atEnd())
        text += reader.readLine() + "\n";
    return text;
}

// Writes the pages of `lang` into OUT/lang/: the two generated ones, then every hand-written one
// of SOURCE/lang/ with its figures.
void writePages(const fs::path& out, const fs::path& source, const char* lang,
                const std::vector<GuideFigure>& figures)
{
    const fs::path dir = out / lang;
    fs::create_directories(dir);
    writeFile(dir / kQuantitiesPage, quantitiesPageHtml(lang));
    writeFile(dir / kParametersPage, parametersPageHtml(lang));
    const char decimal = std::string(lang) == "ru" ? ',' : '.';
    for (const fs::directory_entry& e : fs::directory_iterator(source / lang))
        if (e.path().extension() == ".html")
            writeFile(dir / e.path().filename(), fillFigures(readText(e.path()), figures, decimal));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: kinovar-guide-pages OUT QM_DIR SOURCE\n");
        return 2;
    }
    const fs::path out(argv[1]), source(argv[3]);
    const QString qmDir = QString::fromLocal8Bit(argv[2]);
    try {
        const std::vector<GuideFigure> figures =
            readGuideFigures((source / "figures.tsv").string());
        fs::create_directories(out);
        writeFile(out / "guide.css", readText(source / "guide.css"));
        writePages(out, source, "ru", figures);
        // A missing .qm leaves its texts in Russian: the English pages are still written whole.
        QTranslator guide, core;
        if (guide.load(QStringLiteral("kinovar_guide_en"), qmDir)) app.installTranslator(&guide);
        if (core.load(QStringLiteral("kinovar_core_en"), qmDir)) app.installTranslator(&core);
        setTextLookup(&translated);
        writePages(out, source, "en", figures);
        setTextLookup(nullptr);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kinovar-guide-pages: %s\n", e.what());
        return 1;
    }
    return 0;
}
