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
#include "params/ParamTable.h"

namespace {

struct Place {
    const char* name;
    QRect geometry; // in the parent's coordinates
};

const Place kPlaces[] = {
    {"resultsArea", {0, 0, 465, 401}},       {"listing", {8, 8, 445, 25}},
    {"parametersBox", {472, 56, 241, 489}},  {"extraParametersBox", {16, 408, 169, 137}},
    {"entryPanel", {200, 408, 137, 81}},     {"entryEdit", {8, 24, 121, 21}},
    {"entryOk", {32, 48, 75, 25}},           {"runSettings", {344, 408, 121, 129}},
    {"stepBox", {48, 24, 65, 21}},           {"cycleCountEdit", {8, 72, 33, 21}},
    {"cycleTypeBox", {48, 72, 65, 21}},      {"cycleEditButton", {8, 104, 75, 17}},
    {"progressPanel", {496, 8, 185, 41}},    {"progressBar", {8, 8, 169, 25}},
    {"rendererChoice", {196, 496, 137, 49}}, {"modeBox", {8, 458, 102, 21}},
    {"autofillButton", {120, 456, 113, 25}}, {"refreshButton", {200, 8, 33, 25}},
};

// Rows by position: the caption label's y and the edit button's geometry.
struct RowPlace {
    const char* caption;
    const char* value;
    int y;
    QRect button;
};

const RowPlace kRows[] = {
    {"l1Caption", "l1Value", 16, {8, 16, 23, 22}},
    {"l2Caption", "l2Value", 40, {8, 40, 23, 22}},
    {"bCaption", "bValue", 64, {8, 64, 23, 22}},
    {"fi0Caption", "fi0Value", 88, {8, 88, 23, 22}},
    {"fit0Caption", "fit0Value", 112, {8, 112, 23, 22}},
    {"fitt0Caption", "fitt0Value", 136, {8, 136, 23, 22}},
    {"fidttCaption", "fidttValue", 160, {8, 160, 23, 22}},
    {"ac1Caption", "ac1Value", 208, {8, 208, 23, 22}},
    {"bc1Caption", "bc1Value", 232, {8, 232, 23, 22}},
    {"ac2Caption", "ac2Value", 256, {8, 256, 23, 22}},
    {"bc2Caption", "bc2Value", 280, {8, 280, 23, 22}},
    {"ac3Caption", "ac3Value", 304, {8, 304, 23, 22}},
    {"bc3Caption", "bc3Value", 328, {8, 328, 23, 22}},
    {"ac4Caption", "ac4Value", 352, {8, 352, 23, 22}},
    {"bc4Caption", "bc4Value", 376, {8, 376, 23, 22}},
    {"ac5Caption", "ac5Value", 400, {8, 400, 23, 22}},
    {"bc5Caption", "bc5Value", 424, {8, 424, 23, 22}},
    {"m1Caption", "m1Value", 21, {8, 16, 17, 17}},
    {"m2Caption", "m2Value", 37, {8, 32, 17, 17}},
    {"m3Caption", "m3Value", 53, {8, 48, 17, 17}},
    {"i1Caption", "i1Value", 77, {8, 72, 17, 17}},
    {"i2Caption", "i2Value", 93, {8, 88, 17, 17}},
    {"i3Caption", "i3Value", 109, {8, 104, 17, 17}},
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
    EXPECT_EQ(form->resultsPanel().grid ? form->resultsPanel().grid->geometry()
                                        : QRect(0, 40, 457, 361),
              QRect(0, 40, 457, 361));
}

TEST_F(MainWindowTest, ParameterRowsSitInTheirBoxes)
{
    for (int r = 0; r < kParamRowCount; ++r) {
        const RowPlace& p = kRows[r];
        const ParamRowWidgets& w = form->parameterPanel().rows[static_cast<size_t>(r)];
        QWidget* box = r < 17 ? form->parameterPanel().parametersBox
                              : form->parameterPanel().extraParametersBox;
        EXPECT_EQ(w.caption->objectName(), QString::fromLatin1(p.caption));
        EXPECT_EQ(w.value->objectName(), QString::fromLatin1(p.value));
        EXPECT_EQ(w.button->objectName(), QString::fromUtf8(paramRow(r).key) + "Button");
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
    EXPECT_FALSE(form->parameterPanel().entryPanel->isVisibleTo(form.get()));
    EXPECT_EQ(form->parameterPanel().entryCaption->text(), QStringLiteral("Введите значение:"));
    EXPECT_EQ(form->parameterPanel().entryEdit->text(), QStringLiteral("0"));
    EXPECT_TRUE(form->parameterPanel().entryOk->isDefault());

    EXPECT_TRUE(form->runSettingsPanel().stepBox->isEditable());
    EXPECT_EQ(form->runSettingsPanel().stepBox->currentIndex(), -1);
    EXPECT_EQ(form->runSettingsPanel().stepBox->currentText(), QStringLiteral("15"));
    EXPECT_EQ(items(form->runSettingsPanel().stepBox),
              QStringList({"1", "5", "10", "15", "30", "60", "ext 0.5", "ext 0.2", "ext 0.1",
                           "ext 0.05", "ext 0.01"}));
    EXPECT_TRUE(form->parameterPanel().modeBox->isEditable());
    EXPECT_EQ(form->parameterPanel().modeBox->currentIndex(), -1);
    EXPECT_EQ(form->parameterPanel().modeBox->currentText(), QStringLiteral("Режим (360)"));
    EXPECT_EQ(items(form->parameterPanel().modeBox), QStringList({"360", "720"}));

    EXPECT_FALSE(form->runSettingsPanel().cycleCountEdit->isEnabled());
    EXPECT_EQ(form->runSettingsPanel().cycleCountEdit->text(), QStringLiteral("1"));
    EXPECT_FALSE(form->runSettingsPanel().cycleTypeBox->isEnabled());
    EXPECT_EQ(form->runSettingsPanel().cycleTypeBox->currentText(), QStringLiteral("x24"));
    EXPECT_EQ(form->runSettingsPanel().cycleTypeBox->count(), 20);
    EXPECT_EQ(form->runSettingsPanel().cycleTypeBox->itemText(19), QStringLiteral("x144000"));
    EXPECT_EQ(form->runSettingsPanel().cycleEditButton->text(), QStringLiteral("Изменить"));

    EXPECT_EQ(form->progressIndicator().progressBar->minimum(), 0);
    EXPECT_EQ(form->progressIndicator().progressBar->maximum(), 12);
    EXPECT_EQ(form->animationPanel().rendererChoice->title(), QStringLiteral("Renderer"));
    EXPECT_EQ(form->animationPanel().rendererItems[0]->text(),
              QStringLiteral("DirectX3D 7 и выше"));
    EXPECT_EQ(form->animationPanel().rendererItems[1]->text(), QStringLiteral("DirectX3D 9.0C"));
    EXPECT_TRUE(form->resultsPanel().listing->isReadOnly());
    EXPECT_EQ(form->resultsPanel().listing->toPlainText(), QStringLiteral("Отчёт:"));
    EXPECT_EQ(form->parameterPanel().autofillButton->text(), QStringLiteral("Автозаполнение"));
    EXPECT_TRUE(form->parameterPanel().autofillButton->font().bold());
    EXPECT_FALSE(form->parameterPanel().refreshButton->icon().isNull());
}

// The font replaces one designed for these sizes: every caption must still fit its control and
// no row caption may run into its value.
TEST_F(MainWindowTest, CaptionsFitTheirControls)
{
    for (QLabel* l : form->findChildren<QLabel*>()) {
        const int need = l->fontMetrics().horizontalAdvance(l->text());
        EXPECT_LE(l->x() + need, l->parentWidget()->width() - 2) << l->objectName().toStdString();
    }
    for (const ParamRowWidgets& w : form->parameterPanel().rows)
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
