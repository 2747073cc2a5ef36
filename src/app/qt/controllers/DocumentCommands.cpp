// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/controllers/DocumentCommands.h"

#include <QAction>
#include <QDate>
#include <QMenu>
#include <QPagedPaintDevice>

#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/UiText.h"
#include "base/WindowMessage.h"
#include "calc/Calculation.h"
#include "present/qt/document/DocumentPdf.h"

namespace {

// The document's title: the project file's name without its folder and suffix.
std::string projectTitle(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    if (name.size() > 8 && name.ends_with(".kinovar")) name.resize(name.size() - 8);
    return name;
}

} // namespace

DocumentCommands::DocumentCommands(Platform& platform, const ResultStore& store,
                                   const NumberFormat& numbers, DocumentSources sources,
                                   QObject* parent)
    : QObject(parent), platform_(platform), store_(store), numbers_(numbers),
      sources_(std::move(sources))
{
}

void DocumentCommands::addMenuItems(QWidget* window, QMenu* menu, QAction* before,
                                    const std::function<void(const std::function<void()>&)>& run)
{
    auto item = [&](const char* name, const QString& caption, const QKeySequence& key,
                    std::function<void()> command) {
        auto* action = new QAction(caption, menu);
        action->setObjectName(name);
        action->setShortcut(key);
        menu->insertAction(before, action);
        connect(action, &QAction::triggered, window, [run, command] { run(command); });
    };
    item("pdfReportAction", tr("Отчёт PDF…"), {}, [this] { savePdf(); });
    item("printAction", tr("Печать…"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { print(); });
    QMenu* charts = new QMenu(tr("Графики в отчёте"), menu);
    charts->setObjectName("documentChartsMenu");
    charts->setFont(menu->font());
    menu->insertMenu(before, charts);
    for (const DocumentChart& chart : documentCharts()) {
        QAction* action =
            charts->addAction(QString::fromStdString(uiText("Document", chart.caption)));
        action->setObjectName(QStringLiteral("documentChart_%1").arg(QLatin1String(chart.key)));
        action->setCheckable(true);
        chartActions_.push_back(action);
        connect(action, &QAction::triggered, this, [this] {
            std::vector<std::string> chosen;
            for (size_t c = 0; c < chartActions_.size(); ++c)
                if (chartActions_[c]->isChecked()) chosen.push_back(documentCharts()[c].key);
            if (chosen.size() == documentCharts().size())
                sources_.setCharts(std::nullopt);
            else
                sources_.setCharts(chosen);
        });
    }
    // Undo, "Новый" or another project may have changed the choice since.
    connect(charts, &QMenu::aboutToShow, this, [this] { checkMarks(); });
    checkMarks();
    menu->insertSeparator(before);
}

void DocumentCommands::setCharts(const std::optional<std::vector<std::string>>& charts)
{
    sources_.setCharts(charts);
    checkMarks();
}

void DocumentCommands::checkMarks()
{
    const std::vector<size_t> chosen = chosenCharts(charts());
    for (size_t c = 0; c < chartActions_.size(); ++c)
        chartActions_[c]->setChecked(std::find(chosen.begin(), chosen.end(), c) != chosen.end());
}

std::optional<DocumentInput> DocumentCommands::input() const
{
    if (!store_.computedWith()) {
        platform_.showMessage(uiText("Calculation", kNoResultsMessage));
        return std::nullopt;
    }
    if (exportCheck_ && !exportCheck_(*store_.computedWith(), ExportSource::Store))
        return std::nullopt;
    const ParamSet* run = store_.computedWith(); // a recalculation may have replaced it
    if (!run) return std::nullopt;
    DocumentInput in;
    in.run = run;
    in.store = &store_;
    in.projectName = projectTitle(sources_.projectPath());
    in.date = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    in.decimal = numbers_.decimal;
    in.delta = sources_.delta();
    in.charts = charts();
    in.variants = variants_;
    return in;
}

void DocumentCommands::savePdf()
{
    const std::optional<DocumentInput> in = input();
    if (!in) return;
    const auto name =
        chooseSaveTarget(platform_, {tr(kDocumentFilter).toStdString(), "pdf", kDocumentDialog});
    if (!name) return;
    const BusyCursor busy(platform_);
    const QByteArray bytes = documentPdf(*in);
    try {
        TextWriter file(*name);
        file.writeRaw(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        file.save();
    } catch (const KinovarError& e) {
        platform_.showError(fileErrorText(windowMessage(e), *name));
    }
}

void DocumentCommands::print()
{
    const std::optional<DocumentInput> in = input();
    if (!in) return;
    const std::string title =
        in->projectName.empty() ? tr("Без названия").toStdString() : in->projectName;
    platform_.printDocument(title,
                            [in](QPagedPaintDevice& device) { return paintDocument(device, *in); });
}
