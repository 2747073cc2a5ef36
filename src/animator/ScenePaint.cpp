// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScenePaint.h"

#include <QFont>
#include <algorithm>

void paintCaption(QPainter& p, const QRectF& area, const QString& text, const QColor& ink)
{
    p.save();
    QFont font = p.font();
    font.setPointSizeF(std::max(9.0, std::min(area.width(), area.height()) / 45));
    p.setFont(font);
    p.setPen(ink);
    p.drawText(area.adjusted(12, 8, -12, -8), Qt::AlignLeft | Qt::AlignTop, text);
    p.restore();
}
