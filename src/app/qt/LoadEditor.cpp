// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/LoadEditor.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/Errors.h"
#include "base/WindowMessage.h"
#include "calc/Load.h"
#include "formats/LoadCsv.h"
#include "params/Outcome.h"
#include "params/qt/ParameterPanel.h"
#include "platform/qt/WindowFit.h"

namespace {

const char* const kCsvFilter = QT_TRANSLATE_NOOP("LoadEditor", "Файл CSV|*.csv|Все файлы|*.*");

// A cell's number: '.' or ',' as the decimal separator, surrounding blanks ignored.
std::optional<long double> cellNumber(QString text)
{
    text = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    const QByteArray bytes = text.toLatin1();
    long double value = 0;
    const char* end = bytes.constData() + bytes.size();
    const auto [ptr, ec] = std::from_chars(bytes.constData(), end, value);
    if (bytes.isEmpty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

QString numberText(long double value, char decimal)
{
    // The shortest text that reads back as the same value, so that a table shown and applied
    // unchanged stores exactly what it was given.
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    QString text = QString::fromLatin1(buffer, end - buffer);
    if (decimal != '.') text.replace(QLatin1Char('.'), QLatin1Char(decimal));
    return text;
}

QString pointsWord(size_t n)
{
    // The Russian word follows the Russian rule; each form also carries the count, so that a
    // translation picks its own plural by its language's rule ("21 point" would be wrong).
    const int count = static_cast<int>(std::min<size_t>(n, 1000000));
    const size_t tens = n % 100, ones = n % 10;
    if (tens >= 11 && tens <= 14)
        return QCoreApplication::translate("LoadEditor", "точек", nullptr, count);
    if (ones == 1) return QCoreApplication::translate("LoadEditor", "точка", nullptr, count);
    if (ones >= 2 && ones <= 4)
        return QCoreApplication::translate("LoadEditor", "точки", nullptr, count);
    return QCoreApplication::translate("LoadEditor", "точек", nullptr, count);
}

QTableWidget* makeGrid(const char* name, QWidget* parent)
{
    auto* grid = new QTableWidget(0, 2, parent);
    grid->setObjectName(name);
    grid->verticalHeader()->setVisible(true);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return grid;
}

void setCell(QTableWidget* grid, int row, int column, long double value, char decimal)
{
    grid->setItem(row, column, new QTableWidgetItem(numberText(value, decimal)));
}

} // namespace

QString loadStatusText(const LoadTable& load, char decimal)
{
    if (!load.active()) return QCoreApplication::translate("LoadEditor", "Нагрузка: нет");
    long double most = 0;
    for (const LoadPoint& p : load.points)
        most = std::max({most, std::fabs(p.force),
                         load.kind == LoadKind::ByStroke ? std::fabs(p.forceAway) : 0.0L});
    QString amount;
    if (most >= 1000) {
        amount = QString::number(double(most / 1000), 'f', 1);
        if (amount.endsWith(QLatin1String(".0"))) amount.chop(2);
        amount += QCoreApplication::translate("LoadEditor", " кН");
    } else {
        amount =
            QString::number(double(most), 'g', 3) + QCoreApplication::translate("LoadEditor", " Н");
    }
    if (decimal != '.') amount.replace(QLatin1Char('.'), QLatin1Char(decimal));
    const QString kind = load.kind == LoadKind::ByAngle
                             ? QCoreApplication::translate("LoadEditor", "по углу")
                             : QCoreApplication::translate("LoadEditor", "по ходу");
    return QCoreApplication::translate("LoadEditor", "Нагрузка: %1, %2 %3, до %4")
        .arg(kind)
        .arg(load.points.size())
        .arg(pointsWord(load.points.size()), amount);
}

LoadEditor::LoadEditor(ParamSet& params, ParameterPanel& panel, Platform& platform,
                       const NumberFormat& numbers, QWidget* parent)
    : QWidget(parent, Qt::Window), P(params), panel(panel), platform(platform), numbers(numbers)
{
    setObjectName("loadEditor");
    setWindowTitle(tr("Нагрузка"));
    // The indicator form makes the window tall: on a low screen the controls scroll.
    QWidget* body = scrollingBody(this);
    auto* layout = new QVBoxLayout(body);

    auto* top = new QHBoxLayout;
    kindBox = new QComboBox(this);
    kindBox->setObjectName("loadKindBox");
    kindBox->addItems(
        {tr("нет нагрузки"), tr("по углу поворота кривошипа"), tr("по положению ползуна")});
    directionBox = new QComboBox(this);
    directionBox->setObjectName("loadDirectionBox");
    directionBox->addItems({tr("к кривошипу"), tr("вдоль оси y")});
    periodBox = new QComboBox(this);
    periodBox->setObjectName("loadPeriodBox");
    periodBox->addItems({QStringLiteral("360°"), QStringLiteral("720°")});
    top->addWidget(kindBox);
    top->addWidget(directionBox);
    top->addWidget(new QLabel(tr("Период нагрузки:"), this));
    top->addWidget(periodBox);
    layout->addLayout(top);

    auto* presets = new QHBoxLayout;
    presetBox = new QComboBox(this);
    presetBox->setObjectName("loadPresetBox");
    presetBox->addItems({tr("Нет нагрузки"), tr("Постоянная сила"), tr("Сопротивление пресса"),
                         tr("Индикаторная диаграмма")});
    auto* presetButton = new QPushButton(tr("Заполнить"), this);
    presetButton->setObjectName("loadPresetButton");
    presets->addWidget(new QLabel(tr("Образец:"), this));
    presets->addWidget(presetBox, 1);
    presets->addWidget(presetButton);
    layout->addLayout(presets);

    indicatorBox = new QGroupBox(tr("Индикаторная диаграмма"), this);
    indicatorBox->setObjectName("indicatorBox");
    auto* indicator = new QVBoxLayout(indicatorBox);
    auto* indicatorTop = new QHBoxLayout;
    diameterEdit = new QLineEdit(indicatorBox);
    diameterEdit->setObjectName("pistonDiameterEdit");
    unitBox = new QComboBox(indicatorBox);
    unitBox->setObjectName("pressureUnitBox");
    unitBox->addItems({tr("МПа"), tr("бар")});
    auto* convertButton = new QPushButton(tr("Пересчитать в Q"), indicatorBox);
    convertButton->setObjectName("convertIndicatorButton");
    indicatorTop->addWidget(new QLabel(tr("d, мм:"), indicatorBox));
    indicatorTop->addWidget(diameterEdit);
    indicatorTop->addWidget(new QLabel(tr("p в"), indicatorBox));
    indicatorTop->addWidget(unitBox);
    indicatorTop->addWidget(convertButton);
    indicator->addLayout(indicatorTop);
    pressureGrid = makeGrid("pressureTable", indicatorBox);
    pressureGrid->setHorizontalHeaderLabels({QStringLiteral("φ, °"), QStringLiteral("p")});
    indicator->addWidget(pressureGrid);
    indicatorBox->setVisible(false);
    layout->addWidget(indicatorBox);

    auto* middle = new QHBoxLayout;
    grid = makeGrid("loadTable", this);
    middle->addWidget(grid, 1);
    chart = new QChartView(new QChart, this);
    chart->setObjectName("loadChart");
    chart->setMinimumSize(320, 220);
    chart->chart()->legend()->setVisible(false);
    middle->addWidget(chart, 1);
    layout->addLayout(middle, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* addRow = button("addLoadRowButton", tr("Добавить строку"));
    QPushButton* removeRow = button("removeLoadRowButton", tr("Удалить строку"));
    QPushButton* paste = button("pasteLoadButton", tr("Вставить"));
    QPushButton* import = button("importLoadButton", tr("Импорт CSV…"));
    buttons->addStretch(1);
    QPushButton* applyButton = button("applyLoadButton", tr("Применить"));
    layout->addLayout(buttons);

    connect(kindBox, &QComboBox::currentIndexChanged, this, [this] { kindChanged(); });
    connect(periodBox, &QComboBox::currentIndexChanged, this, [this] { refreshChart(); });
    connect(grid, &QTableWidget::itemChanged, this, [this] { refreshChart(); });
    connect(presetButton, &QPushButton::clicked, this,
            [this] { choosePreset(LoadPreset(presetBox->currentIndex())); });
    connect(convertButton, &QPushButton::clicked, this, [this] { convertIndicator(); });
    connect(addRow, &QPushButton::clicked, this, [this] {
        grid->insertRow(grid->rowCount());
        refreshChart();
    });
    connect(removeRow, &QPushButton::clicked, this, [this] {
        const int row = grid->currentRow() >= 0 ? grid->currentRow() : grid->rowCount() - 1;
        if (row >= 0) grid->removeRow(row);
        refreshChart();
    });
    connect(paste, &QPushButton::clicked, this, [this] { pasteClipboard(); });
    connect(import, &QPushButton::clicked, this, [this] { importCsv(); });
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    showParams();
    fitToScreenWhenShown(this);
}

LoadKind LoadEditor::kind() const
{
    return LoadKind(kindBox->currentIndex());
}

int32_t LoadEditor::period() const
{
    return periodBox->currentIndex() == 1 ? 720 : 360;
}

void LoadEditor::setHeaders()
{
    if (kind() == LoadKind::ByStroke) {
        grid->setColumnCount(3);
        grid->setHorizontalHeaderLabels(
            {QStringLiteral("s"), tr("Q к кривошипу, Н"), tr("Q от кривошипа, Н")});
    } else {
        grid->setColumnCount(2);
        grid->setHorizontalHeaderLabels({QStringLiteral("φ, °"), tr("Q, Н")});
    }
}

void LoadEditor::kindChanged()
{
    setHeaders();
    // A load by stroke always acts toward the crank.
    directionBox->setEnabled(kind() == LoadKind::ByAngle);
    if (kind() == LoadKind::ByStroke) directionBox->setCurrentIndex(0);
    refreshChart();
}

void LoadEditor::showParams()
{
    // The user's typing outlives a closed window while the load it was refused over stands.
    if (refusedOver_ && refusedOver_->first == P.load && refusedOver_->second == P.period) return;
    refusedOver_.reset();
    showLoad(P.load, P.period);
}

void LoadEditor::showLoad(const LoadTable& table, int32_t period)
{
    const QSignalBlocker quiet(grid);
    kindBox->setCurrentIndex(int(table.kind));
    directionBox->setCurrentIndex(int(table.direction));
    periodBox->setCurrentIndex(period == 720 ? 1 : 0);
    setHeaders();
    const size_t shown = table.active() ? table.points.size() : 0;
    grid->setRowCount(int(shown));
    for (size_t i = 0; i < shown; ++i) {
        const LoadPoint& p = table.points[i];
        setCell(grid, int(i), 0, p.x, numbers.decimal);
        setCell(grid, int(i), 1, p.force, numbers.decimal);
        if (table.kind == LoadKind::ByStroke)
            setCell(grid, int(i), 2, p.forceAway, numbers.decimal);
    }
    kindChanged();
}

std::optional<LoadTable> LoadEditor::table()
{
    LoadTable t{kind(), LoadDirection(directionBox->currentIndex()), {}};
    if (!t.active()) return t;
    for (int r = 0; r < grid->rowCount(); ++r) {
        long double values[3] = {0, 0, 0};
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QTableWidgetItem* item = grid->item(r, c);
            const auto v = cellNumber(item ? item->text() : QString());
            if (!v) {
                platform.showMessage(tr("Строка %1: в столбце «%2» не число.")
                                         .arg(r + 1)
                                         .arg(grid->horizontalHeaderItem(c)->text())
                                         .toStdString());
                return std::nullopt;
            }
            values[c] = *v;
        }
        t.points.push_back({values[0], values[1], values[2]});
    }
    return t;
}

void LoadEditor::refreshChart()
{
    QChart* c = chart->chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes())
        c->removeAxis(axis);
    if (kind() == LoadKind::None) return;
    auto* toward = new QLineSeries;
    auto* away = new QLineSeries;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const auto cell = [&](int col) {
            const QTableWidgetItem* item = grid->item(r, col);
            return cellNumber(item ? item->text() : QString());
        };
        const auto x = cell(0), q = cell(1);
        if (!x || !q) continue;
        toward->append(double(*x), double(*q));
        if (const auto qa = kind() == LoadKind::ByStroke ? cell(2) : std::nullopt)
            away->append(double(*x), double(*qa));
    }
    // By angle the table repeats: the last segment runs to the first point one period on.
    if (kind() == LoadKind::ByAngle && toward->count() > 0)
        toward->append(toward->at(0).x() + period(), toward->at(0).y());
    const double xMax = kind() == LoadKind::ByAngle ? period() : 1.0;
    auto* xAxis = new QValueAxis;
    xAxis->setRange(0, xMax);
    xAxis->setTitleText(kind() == LoadKind::ByAngle ? QStringLiteral("φ, °") : QStringLiteral("s"));
    auto* yAxis = new QValueAxis;
    yAxis->setTitleText(tr("Q, Н"));
    c->addAxis(xAxis, Qt::AlignBottom);
    c->addAxis(yAxis, Qt::AlignLeft);
    double low = 0, high = 0;
    for (QLineSeries* s : {toward, away}) {
        c->addSeries(s);
        s->attachAxis(xAxis);
        s->attachAxis(yAxis);
        for (const QPointF& p : s->points()) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    }
    yAxis->setRange(low, high > low ? high : low + 1);
}

void LoadEditor::choosePreset(LoadPreset preset)
{
    const PresetLoad load = presetLoad(preset);
    showLoad(load.table, load.period);
    indicatorBox->setVisible(preset == LoadPreset::IndicatorDiagram);
    if (preset != LoadPreset::IndicatorDiagram) return;
    growToContent(this); // the form's tables open in sight where the screen has the room
    diameterEdit->setText(numberText(kDefaultPistonDiameterMm, numbers.decimal));
    unitBox->setCurrentIndex(int(PressureUnit::Bar));
    const std::vector<PressurePoint> diagram = defaultIndicatorDiagram();
    pressureGrid->setRowCount(int(diagram.size()));
    for (size_t i = 0; i < diagram.size(); ++i) {
        setCell(pressureGrid, int(i), 0, diagram[i].angle, numbers.decimal);
        setCell(pressureGrid, int(i), 1, diagram[i].pressure, numbers.decimal);
    }
}

void LoadEditor::convertIndicator()
{
    const auto d = cellNumber(diameterEdit->text());
    if (!d || !(*d > 0)) {
        platform.showMessage(
            tr("Диаметр поршня d должен быть положительным числом.").toStdString());
        return;
    }
    std::vector<PressurePoint> diagram;
    for (int r = 0; r < pressureGrid->rowCount(); ++r) {
        const QTableWidgetItem* a = pressureGrid->item(r, 0);
        const QTableWidgetItem* p = pressureGrid->item(r, 1);
        const auto angle = cellNumber(a ? a->text() : QString());
        const auto pressure = cellNumber(p ? p->text() : QString());
        if (!angle || !pressure) {
            platform.showMessage(tr("Строка %1 диаграммы: не число.").arg(r + 1).toStdString());
            return;
        }
        diagram.push_back({*angle, *pressure});
    }
    showLoad(indicatorLoad(diagram, *d, PressureUnit(unitBox->currentIndex())), period());
}

void LoadEditor::pasteRows(const QString& text)
{
    const QSignalBlocker quiet(grid);
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) continue;
        const QStringList fields = trimmed.split(
            trimmed.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(';'));
        const int row = grid->rowCount();
        grid->insertRow(row);
        for (int c = 0; c < std::min(int(fields.size()), grid->columnCount()); ++c)
            grid->setItem(row, c, new QTableWidgetItem(fields[c].trimmed()));
    }
    refreshChart();
}

void LoadEditor::pasteClipboard()
{
    pasteRows(QApplication::clipboard()->text());
}

void LoadEditor::importCsv()
{
    const auto name =
        platform.openFileName(FileDialogRequest{tr(kCsvFilter).toStdString(), "", "loadImport"});
    if (!name) return;
    try {
        const LoadTable read = readLoadCsv(*name, period());
        LoadTable shown = read;
        // The file says the kind; the direction shown stays unless the kind rules it out.
        if (shown.kind == LoadKind::ByAngle)
            shown.direction = LoadDirection(directionBox->currentIndex());
        showLoad(shown, period());
    } catch (const KinovarError& e) {
        platform.showError(fileErrorText(windowMessage(e), *name));
    }
}

bool LoadEditor::apply()
{
    const std::optional<LoadTable> t = table();
    if (!t) return refuseApply({}); // table() named the cell
    if (const auto fault = checkLoadTable(*t, period())) {
        const QString where = fault->point < t->points.size()
                                  ? tr("строка %1").arg(fault->point + 1)
                                  : tr("таблица пуста");
        return refuseApply(tr("Нагрузка не применена: %1: %2.")
                               .arg(where, QString::fromStdString(fault->why))
                               .toStdString());
    }
    ParamSet probe = P;
    probe.load = *t;
    if (!loadFitsMechanism(probe))
        return refuseApply(tr("Нагрузка не применена: нагрузка по положению ползуна требует "
                              "полного оборота кривошипа (l1 > 0 и |b| ≤ l2 − l1).")
                               .toStdString());
    const LoadTable stored = *t;
    const int32_t stroke = period();
    refusedOver_.reset();
    panel.run(
        [stored, stroke](ParamSet& s) {
            s.load = stored;
            s.period = stroke;
            return Outcome{};
        },
        tr("нагрузка"));
    return true;
}

bool LoadEditor::refuseApply(const std::string& message)
{
    refusedOver_.emplace(P.load, P.period);
    if (!message.empty()) platform.showMessage(message);
    return false;
}
