#include "qtui/Text.h"

namespace qtui {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

QString ToQtLines(const std::string& text) {
  QString lines = ToQt(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}

std::string FromQt(const QString& text) { return text.toStdString(); }

std::string FromQtLines(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return FromQt(lines);
}

// Bytes the character at i (a surrogate pair counts once) takes in the model text.
static int ModelBytes(const QString& text, qsizetype& i, bool lines) {
  QChar c = text[i];
  if (lines && c == QLatin1Char('\n')) return 2;
  if (c.isHighSurrogate() && i + 1 < text.size()) {
    ++i;
    return 4;
  }
  return c.unicode() < 0x80 ? 1 : (c.unicode() < 0x800 ? 2 : 3);
}

int ModelOffset(const QString& text, int position, bool lines) {
  int bytes = 0;
  for (qsizetype i = 0; i < text.size() && i < position; ++i) bytes += ModelBytes(text, i, lines);
  return bytes;
}

int QtPosition(const QString& text, int modelOffset, bool lines) {
  int bytes = 0;
  qsizetype i = 0;
  while (i < text.size() && bytes < modelOffset) {
    bytes += ModelBytes(text, i, lines);
    ++i;
  }
  return static_cast<int>(i);
}

}  // namespace qtui
