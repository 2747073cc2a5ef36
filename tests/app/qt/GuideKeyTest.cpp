// SPDX-License-Identifier: GPL-3.0-or-later
// F1 ("Справка") opens the guide's page for the window or panel that has the focus, in the
// program's language, through the platform; the guide here is a scratch copy beside a fake program.
#include <QApplication>
#include <QTest>

#include <filesystem>
#include <string>

#include "MainWindowFixture.h"
#include "app/GuideHelp.h"
#include "base/qt/Language.h"
#include "support/ScratchFiles.h"

namespace {

class GuideKeyTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        fake.exeDir = root.dir() + "bin/";
        for (const char* lang : {"ru", "en"})
            for (const char* page : {"index.html", "course.html", "quantities.html",
                                     "parameters.html", "files.html"}) {
                const std::string dir = root.dir() + "guide/" + lang + "/";
                std::filesystem::create_directories(dir);
                writeBytes(dir + page, "<html></html>");
            }
    }
    // Makes `english` the program's language, as the start or the language menu makes it.
    static void useLanguage(bool english)
    {
        applyLanguage(english ? Language::English : Language::Russian, KINOVAR_TRANSLATIONS_DIR);
    }
    void TearDown() override
    {
        useLanguage(false);
        MainWindowTest::TearDown();
    }
    ScratchDir root{"f1"};
};

} // namespace

TEST_F(GuideKeyTest, F1OpensThePageOfTheFocusedPanel)
{
    const struct {
        const char* focus; // a control of the main window
        bool english;
        const char* document; // under the scratch guide
    } cases[] = {
        {"grid", false, "ru/quantities.html"},  {"l1Button", false, "ru/parameters.html"},
        {"loadButton", false, "ru/index.html"}, {"grid", true, "en/quantities.html"},
        {"m2Button", true, "en/parameters.html"},
    };
    activate();
    for (const auto& c : cases) {
        useLanguage(c.english);
        fake.documents.clear();
        QWidget* focus = control(c.focus);
        ASSERT_NE(focus, nullptr) << c.focus;
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_F1);
        ASSERT_EQ(fake.documents.size(), 1u) << c.focus;
        EXPECT_EQ(fake.documents[0], root.dir() + "guide/" + c.document) << c.focus;
    }
    EXPECT_TRUE(fake.messages.empty());
}

// Another window of the program answers F1 with its own page, the main window's action serving it.
TEST_F(GuideKeyTest, F1InTheSynthesisWindowOpensItsSection)
{
    useLanguage(false);
    activate();
    trigger("synthesisAction");
    auto* synthesis = form->findChild<QWidget*>("synthesisWindow");
    ASSERT_NE(synthesis, nullptr);
    QApplication::setActiveWindow(synthesis);
    ASSERT_TRUE(QTest::qWaitForWindowActive(synthesis));
    QTest::keyClick(synthesis, Qt::Key_F1);
    ASSERT_EQ(fake.documents.size(), 1u);
    EXPECT_EQ(fake.documents[0], root.dir() + "guide/ru/course.html#synthesis");
    synthesis->close();
}

// Without the guide, F1 says where it looked instead of doing nothing.
TEST_F(GuideKeyTest, MissingGuideIsSaid)
{
    useLanguage(false);
    std::filesystem::remove_all(root.path() / "guide");
    activate();
    trigger("guideAction");
    EXPECT_TRUE(fake.documents.empty());
    ASSERT_EQ(fake.messages.size(), 1u);
    // Both places, the build tree's and the installed one, each with the page it wanted.
    for (const std::string& folder : guideFolders(fake.exeDir))
        EXPECT_NE(fake.messages[0].find(folder + "ru/"), std::string::npos) << fake.messages[0];
}
