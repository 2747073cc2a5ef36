// The main window's parameter display: defaults at start, with either decimal separator, and
// what "Новый" restores and what it leaves alone.
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "app/qt/MainWindowFixture.h"
#include "platform/qt/QtPlatform.h"
#include "base/NumberText.h"

namespace {

struct Shown {
    const char* label;
    const char* text; // with the period; the comma version swaps the separator
};

// The value labels at the defaults, by the labels' own names.
const Shown kDefaults[] = {
    {"Label18", "10.000"}, {"Label19", "25.000"}, {"Label21", "15.000"}, {"Label22", "0.100"},
    {"Label23", "1.000"},  {"Label24", "0.000"},  {"Label20", "0.010"},  {"Label25", "0.000"},
    {"Label26", "0.000"},  {"Label27", "0.000"},  {"Label28", "0.000"},  {"Label29", "0.000"},
    {"Label30", "0.000"},  {"Label31", "0.000"},  {"Label32", "0.000"},  {"Label33", "0.000"},
    {"Label34", "0.000"},  {"Label36", "4.000"},  {"Label42", "10.000"}, {"Label43", "2.000"},
    {"Label44", "4.000"},  {"Label45", "10.000"}, {"Label46", "2.000"},
};

QString withSeparator(const char* text, char separator)
{
    QString s = QString::fromLatin1(text);
    s.replace(QLatin1Char('.'), QLatin1Char(separator));
    return s;
}

} // namespace

TEST_F(MainWindowTest, StartShowsTheDefaultsWithThePeriod)
{
    for (const Shown& s : kDefaults)
        EXPECT_EQ(labelText(s.label), QString::fromLatin1(s.text)) << s.label;
    EXPECT_EQ(form->Loadbar->value(), 0);
    EXPECT_EQ(params.N, 25);
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
}

TEST_F(MainWindowTest, LocaleChangeRereadsTheSeparatorAndRerendersTheLabels)
{
    for (char separator : {',', '.'}) {
        fake.separator = separator;
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(form.get(), &change);
        EXPECT_EQ(decimalSeparator(), separator);
        for (const Shown& s : kDefaults)
            EXPECT_EQ(labelText(s.label), withSeparator(s.text, separator)) << s.label;
    }
}

TEST_F(MainWindowTest, TheQtPlatformFollowsTheDefaultLocale)
{
    const QLocale saved;
    QtPlatform qt;
    form.reset();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    form = std::make_unique<TForm1>(qt, params, store());
    EXPECT_EQ(labelText("Label22"), QStringLiteral("0,100")); // read at creation

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(form.get(), &change);
    EXPECT_EQ(labelText("Label22"), QStringLiteral("0.100"));

    QLocale::setDefault(saved);
    form.reset();
    setDecimalSeparator('.');
}

TEST_F(MainWindowTest, NewRestoresTheDefaultsAndLeavesTheRestAlone)
{
    // The run settings as a user left them; their handlers may rewrite fields and the memo, so
    // the fields are set afterwards.
    form->tune->setCurrentIndex(1);
    form->cn->setText(QStringLiteral("3"));
    form->CB->setCurrentIndex(1);
    params = ParamSet{};
    params.l1 = 3;
    params.l2 = 7;
    params.b = -1;
    params.fi0 = 9;
    params.aux = 1;
    params.fit0 = params.fitt0 = params.fidtt = 2;
    params.m1 = params.m2 = params.m3 = params.i1 = params.i2 = params.i3 = 0.5L;
    params.mode = 1;
    params.step = 5 * kRadPerDeg;
    params.N = 73;
    params.ac1 = 1.5L;
    params.bc5 = -2.25L;
    params.phi0 = 0.3L;
    params.psi0 = 0.7L;
    params.cycles = 3;
    params.curkey = "m1";
    form->setMemo(QStringLiteral("Цикл 360 градусов принят"));
    form->Loadbar->setValue(7);
    store()(0, 1) = 42;

    activate();
    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);

    ParamSet expected{};
    setDefaults(expected);
    EXPECT_EQ(params.l1, expected.l1);
    EXPECT_EQ(params.l2, expected.l2);
    EXPECT_EQ(params.b, expected.b);
    EXPECT_EQ(params.fi0, expected.fi0);
    EXPECT_EQ(params.aux, expected.aux);
    EXPECT_EQ(params.fit0, expected.fit0);
    EXPECT_EQ(params.fitt0, expected.fitt0);
    EXPECT_EQ(params.fidtt, expected.fidtt);
    EXPECT_EQ(params.m1, 4);
    EXPECT_EQ(params.i3, 2);
    EXPECT_EQ(params.mode, 0);
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
    EXPECT_EQ(params.N, 25);
    // Untouched by "Новый".
    EXPECT_EQ(params.ac1, 1.5L);
    EXPECT_EQ(params.bc5, -2.25L);
    EXPECT_EQ(params.phi0, 0.3L);
    EXPECT_EQ(params.psi0, 0.7L);
    EXPECT_EQ(params.cycles, 3);
    EXPECT_EQ(params.curkey, "m1");
    EXPECT_EQ(store()(0, 1), 42);
    EXPECT_EQ(form->otchet->toPlainText(), QStringLiteral("Цикл 360 градусов принят"));
    EXPECT_EQ(form->tune->currentText(), QStringLiteral("5"));
    EXPECT_EQ(form->cn->text(), QStringLiteral("3"));
    EXPECT_EQ(form->CB->currentIndex(), 1);
    // The display shows the result, coordinates included, and the bar is back at 0.
    EXPECT_EQ(labelText("Label18"), QStringLiteral("10.000"));
    EXPECT_EQ(labelText("Label36"), QStringLiteral("4.000"));
    EXPECT_EQ(labelText("Label25"), QStringLiteral("1.500"));
    EXPECT_EQ(labelText("Label34"), QStringLiteral("-2.250"));
    EXPECT_EQ(form->Loadbar->value(), 0);
    store()(0, 1) = 0;
}

TEST_F(MainWindowTest, RefreshButtonRerendersWithoutChangingFields)
{
    params.l1 = 12.3456;
    form->rows[0].value->setText(QStringLiteral("12,3456")); // raw entered text
    form->Loadbar->setValue(5);
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(labelText("Label18"), QStringLiteral("12.350"));
    EXPECT_EQ(params.l1, 12.3456);
    EXPECT_EQ(form->Loadbar->value(), 0);
}
