#include "present/qt/Unit2.h"

#include <QChart>
#include <QLineSeries>
#include <QMenu>
#include <QShowEvent>
#include <QValueAxis>

#include "present/qt/ChartImage.h"
#include "present/qt/ChartView.h"
#include "present/qt/ChartWindow.h"

namespace {

QLineSeries* makeSeries(const QString& title, const QColor& colour, QObject* owner)
{
    auto* s = new QLineSeries(owner);
    s->setName(title);
    QPen pen(colour, 2);
    pen.setCapStyle(Qt::FlatCap);
    s->setPen(pen);
    return s;
}

} // namespace

TForm2::TForm2(const ParamSet& params, const ResultStore& store, Platform& platform,
               QWidget* parent)
    : QWidget(parent), P(params), R(store), platform(platform)
{
    setWindowTitle(QStringLiteral("Графики"));
    setChartWindowFrame(this, 254, 110, 862, 606);

    Gr = new QChart;
    Gr->setTitle(QStringLiteral("Графики Mo и E"));
    QFont titleFont;
    titleFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")});
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    Gr->setTitleFont(titleFont);
    Gr->setTitleBrush(Qt::red);
    Gr->setMargins(QMargins(8, 5, 8, 8));
    Gr->legend()->setAlignment(Qt::AlignTop);

    Gr->addAxis(new QValueAxis, Qt::AlignBottom);
    Gr->addAxis(new QValueAxis, Qt::AlignLeft);
    GrView = new MarkedChartView(Gr, this);
    GrView->setGeometry(16, 8, 833, 569);
    Series1 = makeSeries(QStringLiteral("Mo"), Qt::red, this);
    Series2 = makeSeries(QStringLiteral("E"), Qt::green, this);
    GrView->addSeries(Series1, QColor(0, 128, 255), true);
    GrView->addSeries(Series2, QColor(255, 255, 128), true);

    PopupMenu1 = new QMenu(this);
    N1 = PopupMenu1->addAction(QStringLiteral("Отображать значения Mo"));
    E1 = PopupMenu1->addAction(QStringLiteral("Отображать значения E"));
    for (QAction* a : {N1, E1}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(N1, &QAction::toggled, this, [this](bool on) { GrView->setMarksVisible(Series1, on); });
    connect(E1, &QAction::toggled, this, [this](bool on) { GrView->setMarksVisible(Series2, on); });
    PopupMenu1->addSeparator();
    zoomResetItem = PopupMenu1->addAction(QStringLiteral("Исходный масштаб"));
    connect(zoomResetItem, &QAction::triggered, this, [this] { Gr->zoomReset(); });
    saveImageItem = PopupMenu1->addAction(QStringLiteral("Сохранить изображение…"));
    connect(saveImageItem, &QAction::triggered, this, &TForm2::saveImage);
    GrView->setPopupMenu(PopupMenu1);
}

void TForm2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window coming back from the task bar is not being shown anew.
    if (!event->spontaneous()) FormShow();
}

void TForm2::FormShow()
{
    const QList<QPointF> mo = rowPoints(R, 65, P.N);
    const QList<QPointF> e = rowPoints(R, 66, P.N);
    // Ranges first, while the series are empty: each range change would otherwise recompute
    // the geometry of every point.
    Series1->clear();
    Series2->clear();
    GrView->fitAxes({&mo, &e});
    Series1->replace(mo);
    Series2->replace(e);
}

void TForm2::N1Click()
{
    N1->setChecked(!N1->isChecked());
}

void TForm2::E1Click()
{
    E1->setChecked(!E1->isChecked());
}

void TForm2::saveImage()
{
    saveChartImage(platform, GrView);
}
