// The main window's shell: construction, the defaults and display refresh, the fade-in and
// fade-out, the small window commands, and the window references.
#include "app/qt/KPM.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>

#include "platform/qt/UiLook.h"
#include "app/qt/AboutWindow.h"
#include "base/NumberText.h"

TForm1* Form1 = nullptr;
MoEChartWindow* Form2 = nullptr;
QuantityChartWindow* Form3 = nullptr;
AboutWindow* Form4 = nullptr;
int32_t scrrows = 0;

namespace {

constexpr int kFadeStep = 15;
constexpr int kOpaque = 255;

// The refresh renders the motion parameters, then the masses and inertias, then the coordinates.
constexpr int kRefreshOrder[kParamRowCount] = {0,  1, 2, 3, 4,  5,  6,  17, 18, 19, 20, 21,
                                               22, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

} // namespace

TForm1::TForm1(Platform& platform, ParamSet& params, ResultStore& store, QWidget* parent)
    : QMainWindow(parent), platform(platform), P(params), R(store)
{
    Form1 = this;
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Kinovar (ver.1.3)"));
    // Fixed single border: system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(uiFont(11));

    buildLayout();
    buildMenu();
    buildResultsGrid();
    if (sg1) sg1->setGeometry(0, 40, 457, 361);
    // The client area is fixed; the menu bar sits above it.
    setFixedSize(713, 552 + menuBar()->sizeHint().height());

    setDecimalSeparator(platform.localeDecimalSeparator());
    FormCreate();

    setOpacity(0);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer1->start();
}

TForm1::~TForm1()
{
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::setOpacity(int value)
{
    // Kept in 0..255: a fade-out that starts before the fade-in ended stops at transparent
    // instead of wrapping round to opaque.
    opacity_ = std::clamp(value, 0, kOpaque);
    applyWindowOpacity(this, opacity_);
}

int TForm1::rgdItemIndex() const
{
    for (size_t i = 0; i < rgdItems.size(); ++i)
        if (rgdItems[i] && rgdItems[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

void TForm1::setMemo(const QString& text)
{
    otchet->setPlainText(text);
}

void TForm1::FormCreate()
{
    setDefaults(P);
    BitBtn1Click();
}

void TForm1::BitBtn1Click()
{
    Loadbar->setValue(0);
    renderParamLabels();
}

void TForm1::renderParamLabels()
{
    for (int r : kRefreshOrder)
        rows[static_cast<size_t>(r)].value->setText(QString::fromStdString(paramLabelText(P, r)));
}

void TForm1::Timer1Timer()
{
    if (opacity_ < kOpaque) setOpacity(opacity_ + kFadeStep);
    // Once opaque there is nothing left to do: the timer need not wake the program any more.
    if (opacity_ >= kOpaque) Timer1->stop();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    Timer1->stop();
    // The fade-out runs to its end inside the handler, without pauses.
    for (int i = 0; i < kOpaque / kFadeStep; ++i)
        setOpacity(opacity_ - kFadeStep);
    event->accept();
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange && rows[0].value) {
        setDecimalSeparator(platform.localeDecimalSeparator());
        renderParamLabels();
    }
    QMainWindow::changeEvent(event);
}

void TForm1::N5Click()
{
    close();
    QCoreApplication::quit();
}

void TForm1::N7Click()
{
    N7->setChecked(!N7->isChecked());
}

void TForm1::N14Click()
{
    if (!Form4) return;
    Form4->show();
    Form4->raise();
}

void TForm1::N17Click()
{
    BitBtn->click();
}
