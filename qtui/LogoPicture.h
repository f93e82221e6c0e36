#pragma once
// The program's picture, drawn from vector shapes: a cutting plotter with its carriage over a
// sheet and the line it has cut.
#include <QIcon>
#include <QPainter>
#include <QRectF>

namespace qtui {

// Draws the picture centred in the area, keeping its proportions.
void DrawLogo(QPainter& painter, const QRectF& area);
QIcon LogoIcon();

}  // namespace qtui
