// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "calc/Quantities.h"
#include "formats/ResultsTestFiles.h"
#include "present/qt/ResultsGridModel.h"

TEST(ResultsGridModel, GridRowZeroAndColumnZeroAreTheHeaders)
{
    ResultsGridModel m;
    EXPECT_EQ(m.rowCount(), 99); // with the header row, the grid's 100 rows
    EXPECT_EQ(m.columnCount(), 74);

    GridText& g = m.beginChange();
    g.setColumnCount(3);
    g.setCell(1, 0, "15.00");
    g.setCell(2, 0, "30.00");
    g.setCell(2, 5, "-1.50");
    g.setCell(0, 5, "fis: угол кривошипа, рад");
    g.setCell(2, 99, "last row");
    m.endChange();

    EXPECT_EQ(m.columnCount(), 2);
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), "15.00");
    EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(), "30.00");
    EXPECT_EQ(m.headerData(4, Qt::Vertical).toString(), "fis: угол кривошипа, рад");
    // The tip adds what the catalogue notes on fis: how angles are measured.
    EXPECT_EQ(m.headerData(4, Qt::Vertical, Qt::ToolTipRole).toString(),
              "fis: угол кривошипа, рад\n" +
                  QString::fromStdString(quantityNote(quantityInfo(Quantity::fis))));
    EXPECT_EQ(m.data(m.index(4, 1)).toString(), "-1.50");
    EXPECT_EQ(m.data(m.index(98, 1)).toString(), "last row");
    EXPECT_EQ(m.data(m.index(4, 0)).toString(), "");
    EXPECT_FALSE(m.data(m.index(4, 1), Qt::EditRole).isValid());

    EXPECT_EQ(m.cellText(0, 5), "fis: угол кривошипа, рад");
    EXPECT_EQ(m.cellText(2, 5), "-1.50");
    EXPECT_EQ(m.cellText(0, 0), "");
    EXPECT_EQ(m.cellText(0, 100), "");
    EXPECT_EQ(m.cellText(-1, 1), "");

    EXPECT_FALSE(m.flags(m.index(4, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m.flags(m.index(4, 1)) & Qt::ItemIsEnabled);
}

TEST(ResultsGridModel, ChangesResetViewsAndCaptionsRefreshTheRowHeaders)
{
    ResultsGridModel m;
    QSignalSpy reset(&m, &QAbstractItemModel::modelReset);
    QSignalSpy headers(&m, &QAbstractItemModel::headerDataChanged);
    m.beginChange().setColumnCount(26);
    m.endChange();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(m.columnCount(), 25);

    ScratchDir dir;
    writeBytes(dir.file("scr.ini"), "dfi: \xEF\xEE\xE2\xEE\xF0\xEE\xF2\r\n"); // 1251
    EXPECT_EQ(m.loadCaptions(dir.file("scr.ini")), kGridValueRows); // the catalogue's rows too
    ASSERT_EQ(headers.count(), 1);
    EXPECT_EQ(headers[0][0].value<Qt::Orientation>(), Qt::Vertical);
    EXPECT_EQ(m.headerData(0, Qt::Vertical).toString(), "dfi: поворот");

    EXPECT_THROW(m.loadCaptions(dir.file("none.ini")), InOutError);
    EXPECT_EQ(headers.count(), 1);
    EXPECT_EQ(m.cellText(0, 1), "dfi: поворот");
}

// A quantity's row caption and its values tip what the catalogue notes on it, on a line below
// the caption or the full value; a row without a note tips as before.
TEST(ResultsGridModel, TipsCarryTheCataloguesNote)
{
    ResultsGridModel m;
    auto R = std::make_unique<ResultStore>();
    GridText& g = m.beginChange();
    g.setColumnCount(3);
    const struct {
        Quantity q;
        long double value;
        const char* caption;
        const char* noteHas; // nullptr: no note
    } cases[] = {
        {Quantity::fbx, -12.5L, "fbx: сила в шарнире B по x, Н", "шатун действует на ползун"},
        {Quantity::fax, 3, "fax: сила в шарнире A по x, Н", "без реакции направляющей"},
        {Quantity::mo, 0.25L, "mo: момент, Н·м", "машина отдаёт работу"},
        {Quantity::e, 7, "e: работа", "с шага 1"},
        {Quantity::fx2, 1, "fx2", "+m·a"},
        {Quantity::fis, 2, "fis: угол", "от оси +x"},
        {Quantity::xa, 0.5L, "xa: координата", nullptr},
        {Quantity::nb, -1, "nb", nullptr},
    };
    for (const auto& c : cases) {
        g.setCell(0, rowOf(c.q), c.caption);
        (*R)(c.q, 2) = c.value;
    }
    m.endChange();
    m.setValues(R.get());
    for (const auto& c : cases) {
        const int row = rowOf(c.q);
        const QString note = QString::fromStdString(quantityNote(quantityInfo(c.q)));
        const QString header = m.headerData(row - 1, Qt::Vertical, Qt::ToolTipRole).toString();
        const QString cell = m.data(m.index(row - 1, 1), Qt::ToolTipRole).toString();
        const QString value = QString::fromStdString(FormatGeneral(c.value, '.'));
        if (c.noteHas == nullptr) {
            EXPECT_TRUE(note.isEmpty()) << c.caption;
            EXPECT_EQ(header, QString::fromUtf8(c.caption));
            EXPECT_EQ(cell, value);
            continue;
        }
        EXPECT_TRUE(note.contains(QString::fromUtf8(c.noteHas))) << c.caption;
        EXPECT_EQ(header, QString::fromUtf8(c.caption) + "\n" + note);
        EXPECT_EQ(cell, value + "\n" + note);
        // The caption itself stays one line in the header.
        EXPECT_EQ(m.headerData(row - 1, Qt::Vertical).toString(), QString::fromUtf8(c.caption));
    }
}
