#include "qtui/LogoPicture.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace qtui {
namespace {

// The drawing is made on a 160 x 120 canvas and scaled into the area.
constexpr double kCanvasWidth = 160, kCanvasHeight = 120;

const QColor kBody(0x2f, 0x3b, 0x4a);
const QColor kBodyLight(0x4d, 0x5f, 0x75);
const QColor kAccent(0xe8, 0x7a, 0x1e);
const QColor kSheet(0xf4, 0xf1, 0xe8);
const QColor kCut(0x1f, 0x6f, 0xb2);

void DrawSheet(QPainter& p) {
  // The sheet runs from under the machine towards the viewer.
  QPainterPath sheet;
  sheet.moveTo(30, 64);
  sheet.lineTo(130, 64);
  sheet.lineTo(146, 112);
  sheet.lineTo(14, 112);
  sheet.closeSubpath();
  p.setPen(QPen(QColor(0xb9, 0xb3, 0xa4), 1));
  p.setBrush(kSheet);
  p.drawPath(sheet);

  // The line the blade has cut: a letter-like sweep ending under the carriage.
  QPainterPath cut;
  cut.moveTo(34, 104);
  cut.cubicTo(40, 76, 62, 76, 66, 92);
  cut.cubicTo(70, 108, 92, 108, 96, 90);
  cut.cubicTo(99, 78, 104, 70, 104, 64);
  p.setPen(QPen(kCut, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cut);
}

// Legs and the cross bar of the stand, behind the sheet.
void DrawStand(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kBody);
  p.drawRect(QRectF(22, 60, 6, 54));
  p.drawRect(QRectF(132, 60, 6, 54));
  p.drawRect(QRectF(22, 100, 116, 4));
}

void DrawMachine(QPainter& p) {
  p.setPen(Qt::NoPen);
  // The body with its two end housings.
  QLinearGradient shade(0, 30, 0, 64);
  shade.setColorAt(0, kBodyLight);
  shade.setColorAt(1, kBody);
  p.setBrush(shade);
  p.drawRoundedRect(QRectF(10, 30, 140, 34), 6, 6);
  p.setBrush(kBody);
  p.drawRoundedRect(QRectF(6, 26, 22, 40), 5, 5);
  p.drawRoundedRect(QRectF(132, 26, 22, 40), 5, 5);

  // Control panel lights on the right housing.
  p.setBrush(kAccent);
  p.drawEllipse(QPointF(143, 36), 2.5, 2.5);
  p.setBrush(QColor(0x7c, 0xc5, 0x76));
  p.drawEllipse(QPointF(143, 44), 2.5, 2.5);

  // The rail and the carriage with its blade over the end of the cut.
  p.setBrush(QColor(0xc9, 0xd1, 0xda));
  p.drawRect(QRectF(28, 38, 104, 5));
  p.setBrush(kAccent);
  p.drawRoundedRect(QRectF(94, 32, 20, 24), 3, 3);
  QPainterPath blade;
  blade.moveTo(101, 56);
  blade.lineTo(107, 56);
  blade.lineTo(104, 64);
  blade.closeSubpath();
  p.setBrush(QColor(0x9a, 0xa4, 0xae));
  p.drawPath(blade);
}

}  // namespace

void DrawLogo(QPainter& painter, const QRectF& area) {
  if (area.width() <= 0 || area.height() <= 0) return;
  double scale = std::min(area.width() / kCanvasWidth, area.height() / kCanvasHeight);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.translate(area.center().x() - kCanvasWidth * scale / 2,
                    area.center().y() - kCanvasHeight * scale / 2);
  painter.scale(scale, scale);
  DrawStand(painter);
  DrawSheet(painter);
  DrawMachine(painter);
  painter.restore();
}

QIcon LogoIcon() {
  QIcon icon;
  for (int size : {16, 32, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawLogo(painter, QRectF(0, 0, size, size));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace qtui
