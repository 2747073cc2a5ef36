// SPDX-License-Identifier: GPL-3.0-or-later
// The layout checks the screenshots rely on, each shown a window with one fault of its kind
// (placed by hand, as a broken layout would leave it) and a window laid out well.
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "support/LayoutFaults.h"

namespace {

using Build = std::function<void(QWidget&)>;

void laidOut(QWidget& w)
{
    auto* row = new QHBoxLayout(&w);
    row->addWidget(new QLabel(QStringLiteral("Ход ползуна H, м:"), &w));
    row->addWidget(new QPushButton(QStringLiteral("Применить"), &w));
}

} // namespace

TEST(LayoutFaults, EachFaultIsFoundAndAGoodLayoutPasses)
{
    const struct {
        const char* name;
        Build build;
        QSize size;
        const char* fault; // a phrase of the one fault expected, or nullptr for none
    } cases[] = {
        {"laid out", laidOut, QSize(400, 80), nullptr},
        {"child outside",
         [](QWidget& w) { (new QPushButton("a", &w))->setGeometry(350, 10, 100, 30); },
         QSize(400, 80), "outside its window"},
        {"siblings overlap",
         [](QWidget& w) {
             (new QPushButton("a", &w))->setGeometry(10, 10, 100, 30);
             (new QPushButton("b", &w))->setGeometry(90, 20, 100, 30);
         },
         QSize(400, 80), "overlap"},
        {"label too narrow",
         [](QWidget& w) {
             (new QLabel(QStringLiteral("Коэффициент K рабочего и холостого ходов"), &w))
                 ->setGeometry(10, 10, 60, 30);
         },
         QSize(400, 80), "wider than the label"},
        {"larger than the screen", laidOut, QSize(1100, 300), "larger than 1024x600"},
        {"scrolled contents may lie beyond",
         [](QWidget& w) {
             auto* scroll = new QScrollArea(&w);
             auto* tall = new QWidget;
             tall->setMinimumSize(200, 900);
             scroll->setWidget(tall);
             (new QVBoxLayout(&w))->addWidget(scroll);
         },
         QSize(300, 200), nullptr},
    };
    for (const auto& c : cases) {
        auto window = std::make_unique<QWidget>();
        c.build(*window);
        window->resize(c.size);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        const std::vector<std::string> found = layout::faults(window.get());
        if (!c.fault) {
            EXPECT_TRUE(found.empty()) << c.name << ": " << found.front();
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << c.name << (found.empty() ? "" : ": " + found.front());
        EXPECT_NE(found[0].find(c.fault), std::string::npos) << c.name << ": " << found[0];
    }
}
