#include "present/qt/Unit3.h"

#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QValueAxis>

#include "present/qt/Chart3DView.h"
#include "present/qt/ChartImage.h"
#include "present/qt/ChartWindow.h"

namespace {

// The stock "No" glyph: a red disc crossed by a white bar, drawn here so that it looks the same
// under every style.
QIcon noGlyph()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 11), QPointF(11, 5));
    return QIcon(pm);
}

} // namespace

TForm3::TForm3(const ParamSet& params, const ResultStore& store, Platform& platform,
               CaptionSource captions, QWidget* parent)
    : QWidget(parent), P(params), R(store), platform(platform), captions_(std::move(captions))
{
    setWindowTitle(QStringLiteral("CGA"));
    setChartWindowFrame(this, -6, 109, 562, 381);

    CGA = new QChart;
    CGA->setTitle(QStringLiteral("График параметра"));
    CGA->legend()->hide();
    auto* ax = new QValueAxis;
    auto* ay = new QValueAxis;
    for (QValueAxis* a : {ax, ay})
        a->setGridLineVisible(false); // the grid is drawn on the walls
    CGA->addAxis(ax, Qt::AlignBottom);
    CGA->addAxis(ay, Qt::AlignLeft);
    CGAView = new Chart3DView(CGA, this);
    CGAView->setGeometry(0, 0, 561, 345);
    Series1 = new QLineSeries(this);
    Series1->setColor(Qt::red);
    CGAView->addSeries(Series1, QColor(255, 255, 128), false);

    cbx = new QComboBox(this);
    cbx->setEditable(true);
    cbx->setInsertPolicy(QComboBox::NoInsert);
    cbx->setGeometry(408, 352, 145, 25);
    cbx->setEditText(QStringLiteral("Параметр"));
    connect(cbx, &QComboBox::activated, this, [this] {
        typed_ = false;
        cbxChange();
    });
    connect(cbx->lineEdit(), &QLineEdit::textEdited, this, [this] {
        typed_ = true;
        cbxChange();
    });

    CheckBox1 = new QCheckBox(QStringLiteral("Отображать значения"), this);
    CheckBox1->setGeometry(8, 352, 153, 17);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm3::CheckBox1Click);

    BitBtn1 = new QPushButton(noGlyph(), QStringLiteral("&Oчистить"), this);
    BitBtn1->setGeometry(168, 352, 89, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);

    PopupMenu1 = new QMenu(this);
    zoomResetItem = PopupMenu1->addAction(QStringLiteral("Исходный масштаб"));
    connect(zoomResetItem, &QAction::triggered, this, [this] { CGA->zoomReset(); });
    saveImageItem = PopupMenu1->addAction(QStringLiteral("Сохранить изображение…"));
    connect(saveImageItem, &QAction::triggered, this, &TForm3::saveImage);
    CGAView->setPopupMenu(PopupMenu1);
}

void TForm3::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TForm3::FormShow()
{
    const QString text = cbx->currentText();
    const QSignalBlocker block(cbx);
    cbx->clear();
    if (captions_) cbx->addItems(captions_());
    // The rebuilt list has no selection; the box keeps showing what it showed.
    cbx->setCurrentIndex(-1);
    cbx->setEditText(text);
    typed_ = true;
}

int TForm3::cbxItemIndex() const
{
    return typed_ ? -1 : cbx->currentIndex();
}

void TForm3::cbxChange()
{
    Series1->clear();
    const int j = cbxItemIndex();
    if (j < 0 || j + 1 >= ResultStore::kRows) return; // no row of the store to plot
    const QList<QPointF> points = rowPoints(R, j + 1, P.N);
    CGAView->fitAxes({&points}); // while the series is empty: a range change is cheap then
    Series1->replace(points);
}

void TForm3::CheckBox1Click()
{
    CGAView->setMarksVisible(Series1, CheckBox1->isChecked());
}

void TForm3::BitBtn1Click()
{
    Series1->clear();
}

void TForm3::saveImage()
{
    saveChartImage(platform, CGAView);
}
