// logo-icon SIZE PATH: writes the program's picture as a square PNG, the desktop entries' icon.
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "qtui/LogoPicture.h"

int main(int argc, char** argv) {
  int size = argc == 3 ? std::atoi(argv[1]) : 0;
  if (size < 16 || size > 1024) {
    std::fprintf(stderr, "usage: logo-icon SIZE PATH (SIZE from 16 to 1024)\n");
    return 2;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  qtui::DrawLogo(painter, QRectF(0, 0, size, size));
  painter.end();
  if (image.save(QString::fromLocal8Bit(argv[2]), "PNG")) return 0;
  std::fprintf(stderr, "logo-icon: cannot write %s\n", argv[2]);
  return 1;
}
