// SPDX-License-Identifier: GPL-3.0-or-later
// A main window on a recording platform, with its own parameter set, for widget tests.
#pragma once
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/MainWindow.h"
#include "params/qt/ParameterPanel.h"
#include "params/qt/RunSettingsPanel.h"
#include "platform/qt/ProgressIndicator.h"
#include "present/qt/AnimationPanel.h"
#include "present/qt/ResultsPanel.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<MainWindow>(fake, params, store());
        store().recordRun(params); // its zeros stand for a run of the defaults
    }
    void TearDown() override { form.reset(); }

    // One result store for the whole run: it is large and the shell never writes it.
    static ResultStore& store()
    {
        static ResultStore s;
        return s;
    }

    QLabel* label(const char* name) const
    {
        auto* l = form->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(l, nullptr) << name;
        return l;
    }
    // The text of a label, or of a value field (what it shows).
    QString labelText(const char* name) const
    {
        if (auto* field = form->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return field->text();
        QLabel* l = label(name);
        return l ? l->text() : QString();
    }
    // The window's control or menu action named `name`.
    template <class T = QWidget> T* control(const char* name) const
    {
        return child<T>(*form, name);
    }
    void trigger(const char* action) const { ::trigger(*form, action); }
    // Types `text` into the entry of parameter `key` and confirms it, as a user does: a click on
    // its button, the text over the old one, Return.
    void enter(const char* key, const char* text)
    {
        QTest::mouseClick(control(std::string(key).append("Button").c_str()), Qt::LeftButton);
        auto* edit = control<QLineEdit>("entryEdit");
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // Shows the window and makes it the active one, so that window shortcuts apply.
    void activate()
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    FakePlatform fake;
    ParamSet params;
    std::unique_ptr<MainWindow> form;
};
