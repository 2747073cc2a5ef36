// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu: every item with its caption, shortcut and the command it runs.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/qt/LanguageMenu.h"
#include "app/GuideHelp.h"
#include "app/qt/MainWindow.h"
#include "app/qt/SynthesisWindow.h"
#include "app/qt/TrueMotionCommand.h"
#include "app/qt/controllers/DocumentCommands.h"
#include "app/qt/controllers/ProjectController.h"
#include "params/qt/ParameterPanel.h"
#include "params/qt/RunSettingsPanel.h"
#include "platform/Command.h"
#include "platform/qt/Mnemonics.h"
#include "platform/qt/ProgressIndicator.h"
#include "platform/qt/ScreenFit.h"
#include "present/qt/AnimationPanel.h"
#include "present/qt/OptimiseWindow.h"
#include "present/qt/ResultsPanel.h"

namespace {

using Command = std::function<void()>;

// The window is the context of every connection, so that the window alone can cut them.
QAction* menuItem(MainWindow* window, QMenu* menu, const char* name, const QString& caption,
                  const QKeySequence& shortcut, Command command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, window,
                     [window, command = std::move(command)] { window->runGuarded(command); });
    return action;
}

// The object names from the widget with the focus outwards to its window (the active window's
// alone when no widget has the focus), as guidePlaceFor reads them.
std::vector<std::string> focusedNames()
{
    std::vector<std::string> names;
    QWidget* w = QApplication::focusWidget();
    if (!w) w = QApplication::activeWindow();
    for (; w; w = w->parentWidget())
        names.push_back(w->objectName().toStdString());
    return names;
}

} // namespace

void MainWindow::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setFont(font());
    auto addMenu = [&](const char* name, const QString& title) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(name);
        menu->setFont(font()); // a popup is a window of its own and inherits no font
        return menu;
    };
    ParameterPanel* params = parameters_;
    ResultsPanel* results = results_;
    AnimationPanel* animation = animation_;

    QMenu* fileMenu = addMenu("fileMenu", tr("&Файл"));
    newAction =
        menuItem(this, fileMenu, "newAction", tr("Новый"), QKeySequence(Qt::CTRL | Qt::Key_N),
                 [project = project_] { project->newProject(); });
    openReportAction = menuItem(this, fileMenu, "openReportAction", tr("Открыть отчёт…"),
                                QKeySequence(Qt::CTRL | Qt::Key_O), [this, results] {
                                    project_->openReport([results] { results->openReport(); });
                                });
    saveReportAction =
        menuItem(this, fileMenu, "saveReportAction", tr("Сохранить отчёт…"),
                 QKeySequence(Qt::CTRL | Qt::Key_S), [results] { results->saveReport(); });
    exportCsvAction =
        menuItem(this, fileMenu, "exportCsvAction", tr("Экспорт CSV…"),
                 QKeySequence(Qt::CTRL | Qt::Key_E), [results] { results->exportCsv(); });
    quitAction = menuItem(this, fileMenu, "quitAction", tr("В&ыход"), {}, [this] { quit(); });

    document_->addMenuItems(this, fileMenu, quitAction,
                            [this](const std::function<void()>& c) { runGuarded(c); });
    project_->addMenuItems(fileMenu, exportCsvAction, addMenu("editMenu", tr("&Правка")));

    QMenu* viewMenu = addMenu("viewMenu", tr("&Вид"));
    refreshAction = menuItem(this, viewMenu, "refreshAction", tr("Обновить"),
                             QKeySequence(Qt::Key_F5), [results] { results->refreshResults(); });
    summaryAction = menuItem(this, viewMenu, "summaryAction", tr("Сводка"),
                             QKeySequence(Qt::Key_F10), [this] { showSummary(); });
    flywheelChartAction = menuItem(this, viewMenu, "flywheelChartAction", tr("Маховик"), {},
                                   [this] { showFlywheelChart(); });
    menuItem(this, viewMenu, "trueMotionAction", tr("Истинное движение"), {},
             [this] { showTrueMotionWindow(*this, P, R, platform); });
    indicatorAction = new QAction(tr("Индикатор"), viewMenu);
    indicatorAction->setObjectName("indicatorAction");
    indicatorAction->setCheckable(true);
    indicatorAction->setChecked(true);
    viewMenu->addAction(indicatorAction);
    // Qt flips a checkable action before reporting the trigger; flip it back so that
    // toggleIndicator alone owns the mark, as when the command is run by any other means.
    connect(indicatorAction, &QAction::triggered, this, guarded(platform, [this] {
                indicatorAction->setChecked(!indicatorAction->isChecked());
                toggleIndicator();
            }));
    ProgressIndicator* progress = progress_;
    connect(indicatorAction, &QAction::toggled, progress_,
            guarded(platform, [progress](bool on) { progress->setFollowsRefresh(on); }));

    QMenu* operationsMenu = addMenu("operationsMenu", tr("&Операции"));
    calculateAction = menuItem(this, operationsMenu, "calculateAction", tr("Расчет"),
                               QKeySequence(Qt::Key_F9), [this] { calculate(); });
    animationAction =
        menuItem(this, operationsMenu, "animationAction", tr("Анимация"), QKeySequence(Qt::Key_F8),
                 [animation] { animation->exportAnimation(); });
    moeChartAction = menuItem(this, operationsMenu, "moeChartAction", tr("Графики"),
                              QKeySequence(Qt::Key_F7), [this] { showMoEChart(); });
    autofillAction = menuItem(this, operationsMenu, "autofillAction", tr("Автозаполнение"),
                              QKeySequence(Qt::Key_F4), [params] { params->clickAutofill(); });
    quantityChartAction = menuItem(this, operationsMenu, "quantityChartAction", tr("Параметры"),
                                   QKeySequence(Qt::Key_F6), [this] { showQuantityChart(); });
    loadAction = menuItem(this, operationsMenu, "loadAction", tr("Нагрузка…"), {},
                          [this] { showLoadEditor(); });
    sweepAction = menuItem(this, operationsMenu, "sweepAction", tr("Исследование параметра…"), {},
                           [this] { showSweep(); });
    menuItem(this, operationsMenu, "synthesisAction", tr("Синтез механизма…"), {},
             [this, params] { showSynthesisWindow(this, P, *params, numbers_); });
    menuItem(this, operationsMenu, "optimiseAction", tr("Оптимизация…"), {}, [this] {
        auto* window = findChild<OptimiseWindow*>("optimiseWindow");
        if (!window) {
            window = new OptimiseWindow(P, platform, numbers_, this);
            connect(window, &OptimiseWindow::keepAsVariant, this, &MainWindow::variantOffered);
        }
        window->show();
        bringToFront(window);
    });
    menuItem(this, operationsMenu, "sweepMapAction", tr("Исследование &двух параметров…"), {},
             [this] { showSweepMap(); });
    autoRecalcAction = new QAction(tr("Пересчитывать автоматически"), operationsMenu);
    autoRecalcAction->setObjectName("autoRecalcAction");
    autoRecalcAction->setCheckable(true);
    operationsMenu->addAction(autoRecalcAction);
    connect(autoRecalcAction, &QAction::toggled, this,
            guarded(platform, [this](bool on) { setAutoRecalcEnabled(on); }));

    QMenu* helpMenu = addMenu("helpMenu", tr("По&мощь"));
    // F1 answers in every window of the program, with the page of the one that has the focus.
    QAction* guideAction =
        menuItem(this, helpMenu, "guideAction", tr("Справка"), QKeySequence(Qt::Key_F1),
                 [this] {
                     openGuide(platform, guidePlaceFor(focusedNames()),
                               currentLanguage() == Language::English ? "en" : "ru");
                 });
    guideAction->setShortcutContext(Qt::ApplicationShortcut);
    aboutAction =
        menuItem(this, helpMenu, "aboutAction", tr("О программе"), {}, [this] { showAbout(); });

    addLanguageMenu(bar, helpMenu, platform, currentLanguage());

    // The items' letters are given as each menu opens: other parts add and rename items later.
    for (QMenu* menu :
         {fileMenu, viewMenu, operationsMenu, helpMenu, bar->findChild<QMenu*>("editMenu")})
        keepMnemonics(menu);
}
