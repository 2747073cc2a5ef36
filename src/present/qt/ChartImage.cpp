// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/qt/ChartImage.h"

#include <QAction>
#include <QChart>
#include <QCoreApplication>
#include <QMenu>
#include <QPixmap>
#include <QWidget>

#include "platform/Command.h"
#include "platform/Platform.h"

FileDialogRequest chartImageDialog()
{
    return {QCoreApplication::translate("ChartImage", "Изображение PNG|*.png|Все файлы|*.*")
                .toStdString(),
            "png", "chartImage"};
}

bool saveChartImage(Platform& platform, QWidget* chart)
{
    const auto chosen = chooseSaveTarget(platform, chartImageDialog());
    if (!chosen) return false;
    // The name is used as the dialog returns it: the dialog added ".png" to a bare name before
    // it asked about replacing a file, and adding it here would replace another file unasked.
    const QString path = QString::fromStdString(*chosen);
    if (chart->grab().save(path, "PNG")) return true;
    platform.showMessage(
        QCoreApplication::translate("ChartImage", "Не удалось сохранить изображение в файл %1")
            .arg(path)
            .toStdString());
    return false;
}

ChartViewActions addChartViewActions(QMenu* menu, QObject* context, Platform& platform,
                                     QChart* chart, std::function<void()> save)
{
    const ChartViewActions actions{
        menu->addAction(QCoreApplication::translate("ChartImage", "Исходный масштаб")),
        menu->addAction(QCoreApplication::translate("ChartImage", "Сохранить изображение…"))};
    actions.zoomReset->setObjectName("zoomResetAction");
    actions.saveImage->setObjectName("saveImageAction");
    QObject::connect(actions.zoomReset, &QAction::triggered, context,
                     guarded(platform, [chart] { chart->zoomReset(); }));
    QObject::connect(actions.saveImage, &QAction::triggered, context,
                     guarded(platform, std::move(save)));
    return actions;
}
