// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the application object, its title, the parameter set and result store, and the
// windows, created in the order main window, Mo/E chart, quantity chart, About, summary, flywheel
// chart; main owns them and hands the main window the others; the variants and the balancing
// commands with the shaking force's hodograph come after it. A single argument is a project file
// to open.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/qt/AboutWindow.h"
#include "app/qt/CursorDocks.h"
#include "app/qt/MainWindow.h"
#include "app/qt/ToolkitTranslation.h"
#include "app/qt/controllers/BalanceCommands.h"
#include "app/qt/controllers/ProjectController.h"
#include "app/qt/controllers/VariantsController.h"
#include "base/BuildInfo.h"
#include "base/LicenceNotice.h"
#include "base/qt/Language.h"
#include "params/ParamTable.h"
#include "params/qt/ParameterPanel.h"
#include "platform/Command.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/UiLook.h"
#include "platform/qt/WindowLayout.h"
#include "present/qt/FlywheelChartWindow.h"
#include "present/qt/MoEChartWindow.h"
#include "present/qt/QuantityChartWindow.h"
#include "present/qt/ResultsPanel.h"
#include "present/qt/ShakingChartWindow.h"
#include "present/qt/SummaryWindow.h"
#include "present/qt/VariantsWindow.h"
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace {

// For the tests that start the program and kill it: KINOVAR_TEST_ENTRY="key=value" types one
// value into the entry as a user would, so that there are unsaved changes to recover.
void applyTestEntry(MainWindow& window)
{
    const QByteArray entry = qgetenv("KINOVAR_TEST_ENTRY");
    const qsizetype eq = entry.indexOf('=');
    if (eq <= 0) return;
    const int row = paramRowForKey(entry.left(eq).toStdString());
    auto* edit = window.findChild<QLineEdit*>("entryEdit");
    if (row < 0 || !edit) return;
    window.runGuarded([&] {
        window.parameterPanel().openEntry(row);
        edit->setText(QString::fromUtf8(entry.mid(eq + 1)));
        window.parameterPanel().confirmEntry();
    });
}

// For the tests that restart a killed program: KINOVAR_TEST_REPLIES="y,n,..." answers the
// message boxes in turn as a user would click them, y the default button and n the one Escape
// presses, and writes each box's text to standard error as "box: <text>".
void answerTestBoxes()
{
    const QByteArray replies = qgetenv("KINOVAR_TEST_REPLIES");
    if (replies.isEmpty()) return;
    auto* timer = new QTimer(qApp);
    auto pending = std::make_shared<QList<QByteArray>>(replies.split(','));
    QObject::connect(timer, &QTimer::timeout, timer, [timer, pending] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        std::fprintf(stderr, "box: %s\n", box->text().toUtf8().constData());
        std::fflush(stderr);
        const bool yes = pending->takeFirst().trimmed() == "y";
        QAbstractButton* button = yes ? box->defaultButton() : box->escapeButton();
        if (!button && !box->buttons().isEmpty()) button = box->buttons().constFirst();
        if (button) button->click();
        if (pending->isEmpty()) timer->stop();
    });
    timer->start(50);
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before any window system is needed, so that it works on a console too.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("kinovar %s\n%s", kKinovarVersion, kLicenceNotice);
        return 0;
    }
    QApplication app(argc, argv);
    // Qt set the C library's locale from the environment. Numbers become text through the
    // program's own rules with the separator taken from QLocale; C-level conversions stay "C".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Kinovar"));
    // Before any window exists, so that every text is made in the language chosen. In Russian
    // the toolkit's dialogs and buttons are Russian too (without the file they stay English);
    // in English they are the toolkit's own.
    if (startLanguage(programTranslationsFolder(
            QCoreApplication::applicationDirPath().toStdString() + "/")) == Language::Russian)
        installToolkitTranslation();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(uiFont(11));

    static ParamSet params;
    static ResultStore store;
    QtPlatform platform;

    MainWindow mainWindow(platform, params, store);
    ResultsPanel& results = mainWindow.resultsPanel();
    MoEChartWindow moeChart(params, store, platform);
    QuantityChartWindow quantityChart(params, store, platform,
                                      [&results] { return results.shownRowCaptions(); });
    AboutWindow about;
    SummaryWindow summary(store, mainWindow.numbers());
    FlywheelChartWindow flywheelChart(store, platform, [] {
        const ParamSet* run = store.computedWith();
        // The run's period, and the δ on screen, as the summary sizes the flywheel.
        return SummaryOptions{static_cast<long double>(run ? run->period : 360), params.delta};
    });
    // Only the main window's closing ends the application; the others merely hide.
    for (QWidget* w : {static_cast<QWidget*>(&moeChart), static_cast<QWidget*>(&quantityChart),
                       static_cast<QWidget*>(&about), static_cast<QWidget*>(&summary),
                       static_cast<QWidget*>(&flywheelChart)})
        w->setAttribute(Qt::WA_QuitOnClose, false);
    mainWindow.setSideWindows({&moeChart, &quantityChart, &about, &summary, &flywheelChart});
    VariantsWindow variantsWindow(mainWindow.numbers());
    variantsWindow.setAttribute(Qt::WA_QuitOnClose, false);
    VariantsController variants(platform, params, store, mainWindow.projectController(),
                                mainWindow.numbers(), variantsWindow, &moeChart, &quantityChart);
    variants.addMenuItems(mainWindow.menuBar()->findChild<QMenu*>("operationsMenu"),
                          mainWindow.menuBar()->findChild<QMenu*>("viewMenu"));
    QObject::connect(&mainWindow, &MainWindow::resultsReplaced, &variants,
                     &VariantsController::followResults);
    QObject::connect(&mainWindow, &MainWindow::variantOffered, &variants,
                     &VariantsController::keepOffered);
    ShakingChartWindow shakingChart(store, platform);
    shakingChart.setAttribute(Qt::WA_QuitOnClose, false);
    BalanceCommands balance(platform, params, store, mainWindow.parameterPanel(),
                            mainWindow.numbers(), &shakingChart);
    balance.addMenuItems(mainWindow.menuBar()->findChild<QMenu*>("operationsMenu"),
                         mainWindow.menuBar()->findChild<QMenu*>("viewMenu"));
    QObject::connect(&mainWindow, &MainWindow::resultsStaleChanged, &shakingChart,
                     &ShakingChartWindow::setResultsStale);
    QObject::connect(&mainWindow, &MainWindow::resultsReplaced, &shakingChart, [&] {
        if (shakingChart.isVisible()) runCommand(platform, [&] { shakingChart.fill(); });
    });
    if (auto* docks = mainWindow.findChild<CursorDocks*>()) {
        docks->cursor().subscribe([chart = QPointer<ShakingChartWindow>(&shakingChart)](int step) {
            if (chart) chart->showStep(step);
        });
        shakingChart.showStep(docks->cursor().step());
    }

    // The size and the splitters' shares the user left last time.
    restoreKeptWindowLayout(mainWindow, platform);
    mainWindow.show();
    ProjectController& project = mainWindow.projectController();
    answerTestBoxes();
    project.offerRecovery();
    if (const QStringList args = QApplication::arguments(); args.size() == 2)
        mainWindow.runGuarded(
            [&] { project.openProject(QFile::encodeName(args[1]).toStdString()); });
    applyTestEntry(mainWindow);
    const int status = app.exec();
    keepWindowLayout(mainWindow, platform);
    return status;
}
