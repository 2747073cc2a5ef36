// The main window's controls: positions and sizes, initial states, and captions that fit.
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include "app/qt/MainWindowFixture.h"

namespace {

struct Place {
    const char* name;
    QRect geometry; // in the parent's coordinates
};

const Place kPlaces[] = {
    {"mempan", {0, 0, 465, 401}},       {"otchet", {8, 8, 445, 25}},
    {"GroupBox1", {472, 56, 241, 489}}, {"GroupBox2", {16, 408, 169, 137}},
    {"Enterpn", {200, 408, 137, 81}},   {"Editen", {8, 24, 121, 21}},
    {"okbtn", {32, 48, 75, 25}},        {"conpan", {344, 408, 121, 129}},
    {"tune", {48, 24, 65, 21}},         {"cn", {8, 72, 33, 21}},
    {"cycletype", {48, 72, 65, 21}},    {"Button1", {8, 104, 75, 17}},
    {"Panel1", {496, 8, 185, 41}},      {"Loadbar", {8, 8, 169, 25}},
    {"rgd", {196, 496, 137, 49}},       {"CB", {8, 458, 102, 21}},
    {"BitBtn", {120, 456, 113, 25}},    {"BitBtn1", {200, 8, 33, 25}},
};

// Rows by position: the caption label's y and the edit button's geometry.
struct RowPlace {
    const char* caption;
    const char* value;
    int y;
    QRect button;
};

const RowPlace kRows[] = {
    {"Label1", "Label18", 16, {8, 16, 23, 22}},    {"Label2", "Label19", 40, {8, 40, 23, 22}},
    {"Label3", "Label21", 64, {8, 64, 23, 22}},    {"Label4", "Label22", 88, {8, 88, 23, 22}},
    {"Label5", "Label23", 112, {8, 112, 23, 22}},  {"Label6", "Label24", 136, {8, 136, 23, 22}},
    {"Label7", "Label20", 160, {8, 160, 23, 22}},  {"Label8", "Label25", 208, {8, 208, 23, 22}},
    {"Label9", "Label26", 232, {8, 232, 23, 22}},  {"Label10", "Label27", 256, {8, 256, 23, 22}},
    {"Label11", "Label28", 280, {8, 280, 23, 22}}, {"Label12", "Label29", 304, {8, 304, 23, 22}},
    {"Label13", "Label30", 328, {8, 328, 23, 22}}, {"Label14", "Label31", 352, {8, 352, 23, 22}},
    {"Label15", "Label32", 376, {8, 376, 23, 22}}, {"Label16", "Label33", 400, {8, 400, 23, 22}},
    {"Label17", "Label34", 424, {8, 424, 23, 22}}, {"Label35", "Label36", 21, {8, 16, 17, 17}},
    {"Label37", "Label42", 37, {8, 32, 17, 17}},   {"Label38", "Label43", 53, {8, 48, 17, 17}},
    {"Label39", "Label44", 77, {8, 72, 17, 17}},   {"Label40", "Label45", 93, {8, 88, 17, 17}},
    {"Label41", "Label46", 109, {8, 104, 17, 17}},
};

QStringList items(const QComboBox* c)
{
    QStringList list;
    for (int i = 0; i < c->count(); ++i)
        list << c->itemText(i);
    return list;
}

} // namespace

TEST_F(MainWindowTest, ControlsSitAtTheirPlaces)
{
    EXPECT_EQ(form->centralWidget()->size(), QSize(713, 552));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()); // not resizable
    for (const Place& p : kPlaces) {
        auto* w = form->findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
    }
    EXPECT_EQ(form->sg1 ? form->sg1->geometry() : QRect(0, 40, 457, 361), QRect(0, 40, 457, 361));
}

TEST_F(MainWindowTest, ParameterRowsSitInTheirBoxes)
{
    for (int r = 0; r < kParamRowCount; ++r) {
        const RowPlace& p = kRows[r];
        const ParamRowWidgets& w = form->rows[static_cast<size_t>(r)];
        QWidget* box = r < 17 ? form->GroupBox1 : form->GroupBox2;
        EXPECT_EQ(w.caption->objectName(), QString::fromLatin1(p.caption));
        EXPECT_EQ(w.value->objectName(), QString::fromLatin1(p.value));
        EXPECT_EQ(w.button->objectName(), QStringLiteral("SpeedButton%1").arg(r + 1));
        EXPECT_EQ(w.caption->text(), QString::fromUtf8(paramRow(r).caption));
        for (QWidget* part : {static_cast<QWidget*>(w.caption), static_cast<QWidget*>(w.value),
                              static_cast<QWidget*>(w.button)})
            EXPECT_EQ(part->parentWidget(), box) << p.caption;
        EXPECT_EQ(w.caption->pos(), QPoint(r < 17 ? 40 : 32, p.y)) << p.caption;
        EXPECT_EQ(w.value->pos(), QPoint(88, p.y)) << p.value;
        EXPECT_EQ(w.button->geometry(), p.button) << p.caption;
        EXPECT_TRUE(w.caption->font().bold());
        EXPECT_TRUE(w.value->font().bold());
    }
}

TEST_F(MainWindowTest, ControlsStartInTheirDesignedState)
{
    EXPECT_FALSE(form->Enterpn->isVisibleTo(form.get()));
    EXPECT_EQ(form->Label48->text(), QStringLiteral("Введите значение:"));
    EXPECT_EQ(form->Editen->text(), QStringLiteral("0"));
    EXPECT_TRUE(form->okbtn->isDefault());

    EXPECT_TRUE(form->tune->isEditable());
    EXPECT_EQ(form->tune->currentIndex(), -1);
    EXPECT_EQ(form->tune->currentText(), QStringLiteral("15"));
    EXPECT_EQ(items(form->tune), QStringList({"1", "5", "10", "15", "30", "60", "ext 0.5",
                                              "ext 0.2", "ext 0.1", "ext 0.05", "ext 0.01"}));
    EXPECT_TRUE(form->CB->isEditable());
    EXPECT_EQ(form->CB->currentIndex(), -1);
    EXPECT_EQ(form->CB->currentText(), QStringLiteral("Режим (360)"));
    EXPECT_EQ(items(form->CB), QStringList({"360", "720"}));

    EXPECT_FALSE(form->cn->isEnabled());
    EXPECT_EQ(form->cn->text(), QStringLiteral("1"));
    EXPECT_FALSE(form->cycletype->isEnabled());
    EXPECT_EQ(form->cycletype->currentText(), QStringLiteral("x24"));
    EXPECT_EQ(form->cycletype->count(), 20);
    EXPECT_EQ(form->cycletype->itemText(19), QStringLiteral("x144000"));
    EXPECT_EQ(form->Button1->text(), QStringLiteral("Изменить"));

    EXPECT_EQ(form->Loadbar->minimum(), 0);
    EXPECT_EQ(form->Loadbar->maximum(), 12);
    EXPECT_EQ(form->rgd->title(), QStringLiteral("Renderer"));
    EXPECT_EQ(form->rgdItems[0]->text(), QStringLiteral("DirectX3D 7 и выше"));
    EXPECT_EQ(form->rgdItems[1]->text(), QStringLiteral("DirectX3D 9.0C"));
    EXPECT_TRUE(form->otchet->isReadOnly());
    EXPECT_EQ(form->otchet->toPlainText(), QStringLiteral("Отчёт:"));
    EXPECT_EQ(form->BitBtn->text(), QStringLiteral("Автозаполнение"));
    EXPECT_TRUE(form->BitBtn->font().bold());
    EXPECT_FALSE(form->BitBtn1->icon().isNull());
}

// The font replaces one designed for these sizes: every caption must still fit its control and
// no row caption may run into its value.
TEST_F(MainWindowTest, CaptionsFitTheirControls)
{
    for (QLabel* l : form->findChildren<QLabel*>()) {
        const int need = l->fontMetrics().horizontalAdvance(l->text());
        EXPECT_LE(l->x() + need, l->parentWidget()->width() - 2) << l->objectName().toStdString();
    }
    for (const ParamRowWidgets& w : form->rows)
        EXPECT_LT(w.caption->x() + w.caption->fontMetrics().horizontalAdvance(w.caption->text()),
                  w.value->x() - 2)
            << w.caption->objectName().toStdString();
    for (QPushButton* b : form->findChildren<QPushButton*>()) {
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + icon, b->width() - 6)
            << b->objectName().toStdString();
    }
    for (QRadioButton* b : form->findChildren<QRadioButton*>())
        EXPECT_LE(b->sizeHint().width(), b->width()) << b->objectName().toStdString();
    for (QGroupBox* g : form->findChildren<QGroupBox*>())
        EXPECT_LE(g->fontMetrics().horizontalAdvance(g->title()) + 16, g->width());
    for (QComboBox* c : form->findChildren<QComboBox*>()) {
        const int arrow = 20;
        EXPECT_LE(c->fontMetrics().horizontalAdvance(c->currentText()) + arrow, c->width())
            << c->objectName().toStdString();
    }
}
