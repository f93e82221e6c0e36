#pragma once
// Text between the model (UTF-8, lines separated by CR LF) and Qt (QString, lines separated by LF).
#include <QString>
#include <string>

namespace qtui {

QString ToQt(const std::string& text);
// Model line breaks (CR LF, or a lone CR) become LF.
QString ToQtLines(const std::string& text);
std::string FromQt(const QString& text);
// LF becomes CR LF, as the model keeps multi-line text.
std::string FromQtLines(const QString& text);
// Byte offset in the model text of a character position in the Qt text, and back; with lines,
// each LF of the Qt text stands for the model's CR LF.
int ModelOffset(const QString& text, int position, bool lines);
int QtPosition(const QString& text, int modelOffset, bool lines);

}  // namespace qtui
