#include "present/qt/ChartImage.h"

#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

#include "platform/Platform.h"

bool saveChartImage(Platform& platform, QWidget* chart)
{
    const auto chosen = platform.saveFileName("Изображение PNG|*.png|Все файлы|*.*");
    if (!chosen) return false;
    QString path = QString::fromStdString(*chosen);
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    if (chart->grab().save(path, "PNG")) return true;
    platform.showMessage("Не удалось сохранить изображение в файл " + path.toStdString());
    return false;
}
