// SPDX-License-Identifier: GPL-3.0-or-later
// F1 ("Справка") opens the guide's page for the window or panel that has the focus, in the
// guide's language, through the platform; the guide here is a scratch copy beside a fake program.
#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "MainWindowFixture.h"
#include "app/GuideHelp.h"
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
    // Sets LANGUAGE for the test's life (the guide's language).
    void setLanguage(const char* value)
    {
        const char* old = std::getenv("LANGUAGE");
        saved = old ? std::optional<std::string>(old) : std::nullopt;
        ::setenv("LANGUAGE", value, 1);
    }
    void TearDown() override
    {
        if (saved)
            ::setenv("LANGUAGE", saved->c_str(), 1);
        else
            ::unsetenv("LANGUAGE");
        MainWindowTest::TearDown();
    }
    ScratchDir root{"f1"};
    std::optional<std::string> saved;
};

} // namespace

TEST_F(GuideKeyTest, F1OpensThePageOfTheFocusedPanel)
{
    const struct {
        const char* focus; // a control of the main window
        const char* language;
        const char* document; // under the scratch guide
    } cases[] = {
        {"grid", "ru", "ru/quantities.html"},     {"l1Button", "ru", "ru/parameters.html"},
        {"loadButton", "ru", "ru/index.html"},    {"grid", "en_US", "en/quantities.html"},
        {"m2Button", "en", "en/parameters.html"},
    };
    activate();
    for (const auto& c : cases) {
        setLanguage(c.language);
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
    setLanguage("ru");
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
    setLanguage("ru");
    std::filesystem::remove_all(root.path() / "guide");
    activate();
    trigger("guideAction");
    EXPECT_TRUE(fake.documents.empty());
    ASSERT_EQ(fake.messages.size(), 1u);
    // Both places, the build tree's and the installed one, each with the page it wanted.
    for (const std::string& folder : guideFolders(fake.exeDir))
        EXPECT_NE(fake.messages[0].find(folder + "ru/"), std::string::npos) << fake.messages[0];
}
