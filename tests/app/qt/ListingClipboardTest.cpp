// SPDX-License-Identifier: GPL-3.0-or-later
// The listing a user copies from the main window: F9, F5, a click on the memo, Ctrl+A, Ctrl+C
// gives the text kinovar-batch --listing writes for the same run, with '\n' for CR LF.
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/MainWindow.h"
#include "params/ParamSet.h"
#include "present/qt/ListingView.h"
#include "present/qt/ResultsPanel.h"
#include "support/BatchRun.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/ScratchFiles.h"

namespace {

// One run: its settings as --set takes them, and the same settings made in the window's fields
// (values exact in binary, so both sides hold the same numbers).
struct CopiedRun {
    const char* name;
    std::vector<std::string> settings;
    void (*set)(ParamSet&);
};

QString batchListing(const CopiedRun& run)
{
    std::vector<std::string> args;
    for (const std::string& s : run.settings) {
        args.push_back("--set");
        args.push_back(s);
    }
    args.push_back("--listing");
    args.push_back("-");
    const BatchRun out = batch(args);
    EXPECT_EQ(out.status, kBatchDone) << out.err;
    QString text = QString::fromStdString(out.out);
    text.replace("\r\n", "\n");
    return text;
}

} // namespace

TEST(ListingClipboard, CtrlACtrlCAfterARefreshCopiesTheBatchListing)
{
    ScratchDir dir;
    writeBytes(dir.file("scr.ini"), readBytes(std::string(KINOVAR_SOURCE_DIR) + "/data/scr.ini"));
    FakePlatform fake;
    fake.exeDir = dir.dir();
    ParamSet params;
    auto store = std::make_unique<ResultStore>();
    auto form = std::make_unique<MainWindow>(fake, params, *store);
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* memo = child<ListingView>(*form, "listing");

    // CopiedRun after run in one window: each copy holds only the last refresh's listing.
    const CopiedRun runs[] = {
        {"defaults", {}, [](ParamSet&) {}},
        {"second point set, 720",
         {"ac1=5", "bc1=1", "ac2=12.5", "bc2=12.25", "ac4=10", "bc4=0", "ac5=15", "bc5=24.5",
          "mode=720", "cycles=2"},
         [](ParamSet& p) {
             p.ac1 = 5, p.bc1 = 1, p.ac2 = 12.5L, p.bc2 = 12.25L, p.ac4 = 10, p.bc4 = 0;
             p.ac5 = 15, p.bc5 = 24.5L, p.mode = 1, p.cycles = 2, p.N = 49;
         }},
        {"one cycle, longer rod, faster crank",
         {"l2=40", "fit0=2", "cycles=1"},
         [](ParamSet& p) { p.l2 = 40, p.fit0 = 2, p.cycles = 1, p.N = 25; }},
    };
    for (const CopiedRun& run : runs) {
        SCOPED_TRACE(run.name);
        params = ParamSet{}; // where the batch starts: no point set, the defaults
        setDefaults(params);
        run.set(params);
        const QString expected = batchListing(run);
        ASSERT_TRUE(expected.startsWith("Таблица значений обновлена...\n\n"));

        QApplication::clipboard()->clear();
        QTest::keyClick(form.get(), Qt::Key_F9);
        QTest::keyClick(form.get(), Qt::Key_F5);
        ASSERT_TRUE(fake.errors.empty()) << fake.errors.front();
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        ASSERT_EQ(QApplication::focusWidget(), memo);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);

        const QString copied = QApplication::clipboard()->text();
        EXPECT_EQ(copied.count('\n'), 2 + 2 * params.N);
        EXPECT_EQ(copied.toStdString(), expected.toStdString());
    }
}
