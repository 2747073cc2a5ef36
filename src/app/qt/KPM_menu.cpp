// The main window's menu: every item with its caption, shortcut and handler.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/qt/KPM.h"

namespace {

using Handler = void (TForm1::*)();

QAction* addItem(TForm1* form, QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut, Handler handler)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, form, [form, handler] { (form->*handler)(); });
    return action;
}

// An action owned and shown by nothing but the window itself, so that its shortcut works while
// the menu item it stands for is hidden (a hidden action takes no shortcuts).
QAction* addTwin(TForm1* form, const char* name, const QKeySequence& shortcut, Handler handler)
{
    auto* action = new QAction(form);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    form->addAction(action);
    QObject::connect(action, &QAction::triggered, form, [form, handler] { (form->*handler)(); });
    return action;
}

} // namespace

void TForm1::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setFont(font());
    auto addMenu = [&](const char* name, const QString& title) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(name);
        menu->setFont(font()); // a popup is a window of its own and inherits no font
        return menu;
    };

    QMenu* N1 = addMenu("N1", QStringLiteral("Файл"));
    N2 = addItem(this, N1, "N2", QStringLiteral("Новый"), QKeySequence(Qt::CTRL | Qt::Key_N),
                 &TForm1::FormCreate);
    N3 = addItem(this, N1, "N3", QStringLiteral("Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O),
                 &TForm1::N3Click);
    N4 = addItem(this, N1, "N4", QStringLiteral("Сохранить Отчёт"),
                 QKeySequence(Qt::CTRL | Qt::Key_S), &TForm1::N4Click);
    N3->setVisible(false);
    N4->setVisible(false);
    N5 = addItem(this, N1, "N5", QStringLiteral("Выход"), {}, &TForm1::N5Click);
    N3tw = addTwin(this, "N3tw", N3->shortcut(), &TForm1::N3Click);
    N4tw = addTwin(this, "N4tw", N4->shortcut(), &TForm1::N4Click);

    QMenu* N6 = addMenu("N6", QStringLiteral("Вид"));
    N15 = addItem(this, N6, "N15", QStringLiteral("Обновить"), QKeySequence(Qt::Key_F5),
                  &TForm1::N15Click);
    N7 = new QAction(QStringLiteral("Индикатор"), N6);
    N7->setObjectName("N7");
    N7->setCheckable(true);
    N7->setChecked(true);
    N6->addAction(N7);
    // Qt flips a checkable action before reporting the trigger; flip it back so that N7Click
    // alone owns the mark, as when the command is run by any other means.
    connect(N7, &QAction::triggered, this, [this] {
        N7->setChecked(!N7->isChecked());
        N7Click();
    });

    QMenu* N9 = addMenu("N9", QStringLiteral("Операции"));
    N10 = addItem(this, N9, "N10", QStringLiteral("Расчет"), QKeySequence(Qt::Key_F9),
                  &TForm1::N10Click);
    N12 = addItem(this, N9, "N12", QStringLiteral("Анимация"), QKeySequence(Qt::Key_F8),
                  &TForm1::N12Click);
    N16 = addItem(this, N9, "N16", QStringLiteral("Графики"), QKeySequence(Qt::Key_F7),
                  &TForm1::N16Click);
    N17 = addItem(this, N9, "N17", QStringLiteral("Автозаполнение"), QKeySequence(Qt::Key_F4),
                  &TForm1::N17Click);
    N13 = addItem(this, N9, "N13", QStringLiteral("Параметры"), QKeySequence(Qt::Key_F6),
                  &TForm1::N13Click);

    QMenu* N11 = addMenu("N11", QStringLiteral("Помощь"));
    N14 = addItem(this, N11, "N14", QStringLiteral("О программе"), {}, &TForm1::N14Click);
}
