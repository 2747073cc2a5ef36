// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/document/DocumentPdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "base/UiText.h"
#include "present/qt/document/DocumentPages.h"

namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

void paintTitle(Sheet& sheet, const DocumentPlan& plan)
{
    sheet.text(QRectF(kLeftMm, 70, kRightMm - kLeftMm, 10),
               QString::fromStdString(
                   uiText("Document", "Кинематический, энергетический и силовой анализ")),
               14, true, Qt::AlignCenter);
    sheet.text(QRectF(kLeftMm, 80, kRightMm - kLeftMm, 10),
               QString::fromStdString(uiText("Document", "кривошипно-ползунного механизма")), 14,
               true, Qt::AlignCenter);
    sheet.text(QRectF(kLeftMm, 100, kRightMm - kLeftMm, 12), qs(plan.projectName), 18, true,
               Qt::AlignCenter);
    double y = 130;
    for (const std::string& line : plan.titleLines) {
        sheet.text(QRectF(kLeftMm + 40, y, kRightMm - kLeftMm - 40, 7), qs(line), 11);
        y += 8;
    }
}

void paintParameters(Sheet& sheet, const DocumentPlan& plan)
{
    double y = sheet.heading(QString::fromStdString(uiText("Document", "Исходные данные")));
    std::vector<QStringList> rows;
    for (const DocumentParamRow& r : plan.params)
        rows.push_back({qs(r.caption), qs(r.value), qs(r.unit)});
    // The inputs and their notes share one page: the rows are a little closer than elsewhere,
    // so that the notes below the whole table still fit.
    y = sheet.table(y, {50, 70, 40},
                    {QString::fromStdString(uiText("Document", "Параметр")),
                     QString::fromStdString(uiText("Document", "Значение")),
                     QString::fromStdString(uiText("Document", "Единица"))},
                    rows, {}, kRowMm * 0.9);
    y += 2;
    for (const std::string& note : plan.paramNotes)
        y = sheet.paragraph(y, qs(note), 8) + 1;
}

QStringList cells(const std::vector<std::string>& row)
{
    QStringList out;
    for (const std::string& c : row)
        out << qs(c);
    return out;
}

void paintLoad(Sheet& sheet, const DocumentInput& in, const DocumentPlan& plan,
               const DocumentPage& page)
{
    double y = sheet.heading(QString::fromStdString(uiText("Document", "Нагрузка на ползун")));
    if (page.first == 0) {
        paintLoadChart(sheet, in, QRectF(kLeftMm, y, kRightMm - kLeftMm, 110));
        y += 115;
    }
    std::vector<QStringList> rows;
    for (size_t r = page.first; r < page.first + page.count; ++r)
        rows.push_back(cells(plan.loadRows[r]));
    const std::vector<double> widths(plan.loadHeader.size(), 50);
    sheet.table(y, widths, cells(plan.loadHeader), rows);
}

void paintSummary(Sheet& sheet, const DocumentPlan& plan, const DocumentPage& page)
{
    double y = sheet.heading(QString::fromStdString(uiText("Document", "Сводка")));
    sheet.text(QRectF(kLeftMm + 105, y, 35, kRowMm),
               QString::fromStdString(uiText("Document", "шаг")), 8, true,
               Qt::AlignRight | Qt::AlignVCenter);
    sheet.text(QRectF(kLeftMm + 140, y, 35, kRowMm), QStringLiteral("φ, °"), 8, true,
               Qt::AlignRight | Qt::AlignVCenter);
    y += kRowMm;
    for (size_t i = page.first; i < page.first + page.count; ++i) {
        const SummaryLine& line = plan.summary[i];
        if (line.heading || line.value.empty()) {
            sheet.fittedText(QRectF(kLeftMm, y, kRightMm - kLeftMm, kRowMm), qs(line.label), 9,
                             line.heading);
        } else {
            sheet.text(QRectF(kLeftMm + 2, y, 78, kRowMm), qs(line.label), 7.5);
            sheet.text(QRectF(kLeftMm + 80, y, 45, kRowMm), qs(line.value), 9, false,
                       Qt::AlignRight | Qt::AlignVCenter);
            sheet.text(QRectF(kLeftMm + 125, y, 15, kRowMm), qs(line.step), 9, false,
                       Qt::AlignRight | Qt::AlignVCenter);
            sheet.text(QRectF(kLeftMm + 140, y, 35, kRowMm), qs(line.angle), 9, false,
                       Qt::AlignRight | Qt::AlignVCenter);
        }
        y += kRowMm;
    }
}

void paintVariants(Sheet& sheet, const DocumentTable& table, const DocumentPage& page)
{
    const double y =
        sheet.heading(QString::fromStdString(uiText("Document", "Сравнение вариантов")));
    const size_t columns = std::max<size_t>(1, table.header.size());
    const std::vector<double> widths(columns, (kRightMm - kLeftMm) / static_cast<double>(columns));
    std::vector<QStringList> rows;
    std::vector<std::vector<bool>> bold;
    for (size_t r = page.first; r < page.first + page.count; ++r) {
        rows.push_back(cells(table.rows[r]));
        bold.push_back(r < table.best.size() ? table.best[r] : std::vector<bool>{});
    }
    sheet.table(y, widths, cells(table.header), rows, bold);
}

} // namespace

bool paintDocument(QPagedPaintDevice& device, const DocumentInput& in)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                     QPageLayout::Millimeter));
    const DocumentPlan plan = planDocument(in);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    Sheet sheet(painter, device.logicalDpiX() / 25.4);
    for (size_t n = 0; n < plan.pages.size(); ++n) {
        if (n > 0) device.newPage();
        const DocumentPage& page = plan.pages[n];
        switch (page.kind) {
        case DocumentPageKind::Title:
            paintTitle(sheet, plan);
            break;
        case DocumentPageKind::Mechanism:
            paintMechanismPage(sheet, in);
            break;
        case DocumentPageKind::Parameters:
            paintParameters(sheet, plan);
            break;
        case DocumentPageKind::Load:
            paintLoad(sheet, in, plan, page);
            break;
        case DocumentPageKind::Charts:
            paintChartsPage(sheet, in, page);
            break;
        case DocumentPageKind::Summary:
            paintSummary(sheet, plan, page);
            break;
        case DocumentPageKind::Variants:
            paintVariants(sheet, in.variants, page);
            break;
        }
        sheet.footer(pageNumberText(n + 1, plan.pages.size()));
    }
    return painter.end();
}

QByteArray documentPdf(const DocumentInput& in)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Kinovar"));
        writer.setTitle(QString::fromStdString(
            in.projectName.empty() ? uiText("Document", "Без названия") : in.projectName));
        paintDocument(writer, in);
    }
    return bytes;
}
