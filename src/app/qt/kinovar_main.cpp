// Start-up: the application object, its title, the process-wide parameter set and result store,
// and the four windows, created in the order main window, Mo/E chart, parameter chart, About.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "app/qt/KPM.h"
#include "app/qt/UiLook.h"
#include "app/qt/Unit4.h"
#include "base/BuildInfo.h"
#include "platform/qt/QtPlatform.h"
#include "present/qt/Unit2.h"
#include "present/qt/Unit3.h"

int main(int argc, char** argv)
{
    // Answered before any window system is needed, so that it works on a console too.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("kinovar %s\n", kKinovarVersion);
        return 0;
    }
    QApplication app(argc, argv);
    // Qt set the C library's locale from the environment. Numbers become text through the
    // program's own rules with the separator taken from QLocale; C-level conversions stay "C".
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Kinovar"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(uiFont(11));

    static ParamSet params;
    static ResultStore store;
    QtPlatform platform;

    TForm1 form1(platform, params, store);
    Form2 = new TForm2(params, store, platform);
    Form3 = new TForm3(params, store, platform);
    Form4 = new TForm4();
    // Only the main window's closing ends the application; the others merely hide.
    for (QWidget* w :
         {static_cast<QWidget*>(Form2), static_cast<QWidget*>(Form3), static_cast<QWidget*>(Form4)})
        w->setAttribute(Qt::WA_QuitOnClose, false);

    form1.show();
    const int code = app.exec();
    delete Form4;
    delete Form3;
    delete Form2;
    Form2 = nullptr;
    Form3 = nullptr;
    return code;
}
