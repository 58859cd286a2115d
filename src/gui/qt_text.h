#pragma once
// Small conversions between the models' plain values and Qt's: UTF-8 text, Windows
// colour values and alignments.
#include <QColor>
#include <QString>
#include <string>

#include "app/ui/colour.h"

namespace pk {

inline QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

inline std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

// Texts written for the Windows controls end their lines in CR LF; Qt wants LF alone.
inline QString ToDisplayText(const std::string& text) {
  QString result = ToQString(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QChar('\r'), QChar('\n'));
  return result;
}

// A Windows colour value is r + 256*g + 65536*b.
inline QColor ToQColor(Colour colour) { return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff); }

inline Qt::Alignment ToQtAlignment(Align align) {
  switch (align) {
    case Align::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case Align::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace pk
