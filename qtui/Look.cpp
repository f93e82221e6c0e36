#include "qtui/Look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace qtui {

void ApplyLook() {
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
  QFont font(QStringLiteral("DejaVu Sans"), 9);
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
}

}  // namespace qtui
