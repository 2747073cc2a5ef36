// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/LanguageMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "platform/Platform.h"

QMenu* addLanguageMenu(QMenuBar* bar, QMenu* before, Platform& platform, Language current)
{
    // The title and the items name each language in itself, so that a user who cannot read the
    // language in use still finds the way back: they are not translated.
    auto* menu = new QMenu(QStringLiteral("Язык / &Language"), bar);
    menu->setObjectName("languageMenu");
    menu->menuAction()->setObjectName("languageMenuAction");
    menu->setFont(bar->font());
    if (before)
        bar->insertMenu(before->menuAction(), menu);
    else
        bar->addMenu(menu);
    auto* group = new QActionGroup(menu);
    const Language chosen =
        languageNamed(platform.rememberedText(kLanguageKey, "")).value_or(current);
    const struct {
        const char* name;
        QString caption;
        Language language;
    } items[] = {
        {"russianAction", QStringLiteral("&Русский"), Language::Russian},
        {"englishAction", QStringLiteral("&English"), Language::English},
    };
    for (const auto& item : items) {
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.name);
        action->setCheckable(true);
        action->setChecked(item.language == chosen);
        group->addAction(action);
        const Language language = item.language;
        QObject::connect(action, &QAction::triggered, menu, [&platform, language, current] {
            platform.rememberText(kLanguageKey, languageCode(language));
            if (language != current) platform.showMessage(kLanguageAtNextStart);
        });
    }
    return menu;
}
