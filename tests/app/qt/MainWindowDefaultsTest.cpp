// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's parameter display: defaults at start, with either decimal separator, and
// what "Новый" restores and what it leaves alone.
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

#include "app/qt/MainWindowFixture.h"
#include "base/NumberText.h"
#include "platform/qt/QtPlatform.h"
#include "present/qt/ListingView.h"

namespace {

struct Shown {
    const char* label;
    const char* text; // with the period; the comma version swaps the separator
};

// The value labels at the defaults, by the labels' own names.
const Shown kDefaults[] = {
    {"l1Value", "10.000"},  {"l2Value", "25.000"},   {"bValue", "15.000"},    {"fi0Value", "0.100"},
    {"fit0Value", "1.000"}, {"fitt0Value", "0.000"}, {"fidttValue", "0.010"}, {"ac1Value", "0.000"},
    {"bc1Value", "0.000"},  {"ac2Value", "0.000"},   {"bc2Value", "0.000"},   {"ac3Value", "0.000"},
    {"bc3Value", "0.000"},  {"ac4Value", "0.000"},   {"bc4Value", "0.000"},   {"ac5Value", "0.000"},
    {"bc5Value", "0.000"},  {"m1Value", "4.000"},    {"m2Value", "10.000"},   {"m3Value", "2.000"},
    {"i1Value", "4.000"},   {"i2Value", "10.000"},   {"i3Value", "2.000"},
};

QString withSeparator(const char* text, char separator)
{
    QString s = QString::fromUtf8(text);
    s.replace(QLatin1Char('.'), QLatin1Char(separator));
    return s;
}

} // namespace

TEST_F(MainWindowTest, StartShowsTheDefaultsWithThePeriod)
{
    for (const Shown& s : kDefaults)
        EXPECT_EQ(labelText(s.label), QString::fromLatin1(s.text)) << s.label;
    EXPECT_EQ(control<QProgressBar>("progressBar")->value(), 0);
    EXPECT_EQ(params.N, 25);
    EXPECT_EQ(params.step, 15 * kRadPerDeg);
}

TEST_F(MainWindowTest, LocaleChangeRereadsTheSeparatorAndRerendersTheLabels)
{
    for (char separator : {',', '.'}) {
        fake.separator = separator;
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(form.get(), &change);
        for (const Shown& s : kDefaults)
            EXPECT_EQ(labelText(s.label), withSeparator(s.text, separator)) << s.label;
        // The step box's items follow, the selection kept.
        auto* step = control<QComboBox>("stepBox");
        EXPECT_EQ(step->itemText(6), withSeparator("0.5°", separator));
        EXPECT_EQ(step->itemText(10), withSeparator("0.01°", separator));
        EXPECT_EQ(step->currentText(), QStringLiteral("15°"));
    }
}

TEST_F(MainWindowTest, TheQtPlatformFollowsTheDefaultLocale)
{
    const QLocale saved;
    QtPlatform qt;
    form.reset();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    form = std::make_unique<MainWindow>(qt, params, store());
    EXPECT_EQ(labelText("fi0Value"), QStringLiteral("0,100")); // read at creation

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(form.get(), &change);
    EXPECT_EQ(labelText("fi0Value"), QStringLiteral("0.100"));

    QLocale::setDefault(saved);
    form.reset();
}

TEST_F(MainWindowTest, NewRestoresTheDefaultsAndLeavesTheRestAlone)
{
    // The run settings as a user left them; their handlers may rewrite fields and the memo, so
    // the fields are set afterwards.
    auto* stepBox = control<QComboBox>("stepBox");
    auto* countEdit = control<QLineEdit>("cycleCountEdit");
    auto* modeBox = control<QComboBox>("modeBox");
    auto* bar = control<QProgressBar>("progressBar");
    stepBox->setCurrentIndex(1);
    countEdit->setText(QStringLiteral("3"));
    modeBox->setCurrentIndex(1);
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
    form->resultsPanel().setListingText(QStringLiteral("Цикл 360 градусов принят"));
    bar->setValue(7);
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
    EXPECT_EQ(control<ListingView>("listing")->toPlainText(),
              QStringLiteral("Цикл 360 градусов принят"));
    // The run settings' controls show what the program now computes with: 15°, N = 25 (one
    // cycle), mode 0; showing them ran none of their commands (the memo above is unchanged).
    EXPECT_EQ(stepBox->currentText(), QStringLiteral("15°"));
    EXPECT_EQ(selectedIndex(stepBox), 3);
    EXPECT_EQ(countEdit->text(), QStringLiteral("1"));
    EXPECT_EQ(modeBox->currentIndex(), 0);
    EXPECT_EQ(modeBox->currentText(), QStringLiteral("360"));
    EXPECT_TRUE(fake.messages.empty());
    // The display shows the result, coordinates included, and the bar is back at 0.
    EXPECT_EQ(labelText("l1Value"), QStringLiteral("10.000"));
    EXPECT_EQ(labelText("m1Value"), QStringLiteral("4.000"));
    EXPECT_EQ(labelText("ac1Value"), QStringLiteral("1.500"));
    EXPECT_EQ(labelText("bc5Value"), QStringLiteral("-2.250"));
    EXPECT_EQ(bar->value(), 0);
    store()(0, 1) = 0;
}

TEST_F(MainWindowTest, RefreshButtonRerendersWithoutChangingFields)
{
    params.l1 = 12.3456;
    control<QLineEdit>("l1Value")->setText(QStringLiteral("12,3456")); // raw entered text
    control<QProgressBar>("progressBar")->setValue(5);
    QTest::mouseClick(control("refreshButton"), Qt::LeftButton);
    EXPECT_EQ(labelText("l1Value"), QStringLiteral("12.350"));
    EXPECT_EQ(params.l1, 12.3456);
    EXPECT_EQ(control<QProgressBar>("progressBar")->value(), 0);
}
