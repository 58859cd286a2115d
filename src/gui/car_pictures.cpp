#include "gui/car_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace pk {

namespace {

constexpr std::array<QRgb, 10> kCarColours = {
    qRgb(255, 222, 0),    // 1 yellow
    qRgb(0, 118, 255),    // 2 blue
    qRgb(64, 64, 64),     // 3 dark grey
    qRgb(255, 122, 0),    // 4 orange
    qRgb(0, 214, 230),    // 5 cyan
    qRgb(120, 40, 230),   // 6 blue-violet
    qRgb(200, 200, 200),  // 7 light grey
    qRgb(230, 0, 0),      // 8 red
    qRgb(128, 0, 0),      // 9 maroon
    qRgb(0, 170, 40),     // 10 green
};

// Dark digits on the light colours (yellow, cyan, light grey), white on the others.
QColor NumberColour(const QColor& body) {
  const double luminance = 0.299 * body.red() + 0.587 * body.green() + 0.114 * body.blue();
  return luminance > 150 ? QColor(20, 20, 20) : QColor(Qt::white);
}

QFont NumberFont(int pixel_size) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(pixel_size);
  return font;
}

QPixmap NumberSquare(int car, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor body = CarColour(car);
  painter.setPen(QPen(body.darker(160), size >= 32 ? 2 : 1));
  painter.setBrush(body);
  const qreal radius = size / 5.0;
  painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), radius, radius);
  painter.setPen(NumberColour(body));
  // Two digits must still fit a 16-pixel square.
  painter.setFont(NumberFont(car >= 10 ? size * 9 / 16 : size * 11 / 16));
  painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString::number(car));
  return pixmap;
}

}  // namespace

QColor CarColour(int car) { return QColor(kCarColours[car >= 1 && car <= 10 ? car - 1 : 0]); }

QPixmap CarPicture(int car) {
  QPixmap pixmap(kCarPictureWidth, kCarPictureHeight);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor body = CarColour(car);
  const QColor outline = body.darker(170);

  // Cabin, then the body over it, then the two wheels.
  painter.setPen(QPen(outline, 1));
  painter.setBrush(body.lighter(115));
  QPainterPath cabin;
  cabin.moveTo(7, 9);
  cabin.lineTo(10, 3);
  cabin.lineTo(19, 3);
  cabin.lineTo(22, 9);
  cabin.closeSubpath();
  painter.drawPath(cabin);
  painter.setBrush(QColor(200, 230, 255));
  painter.drawRect(QRectF(11, 4.5, 3, 3.5));
  painter.drawRect(QRectF(15.5, 4.5, 3, 3.5));

  painter.setBrush(body);
  painter.drawRoundedRect(QRectF(0.5, 8.5, kCarPictureWidth - 1, 10), 3, 3);

  painter.setBrush(QColor(30, 30, 30));
  painter.setPen(QPen(QColor(10, 10, 10), 1));
  painter.drawEllipse(QRectF(3, 15.5, 7, 7));
  painter.drawEllipse(QRectF(17, 15.5, 7, 7));
  painter.setBrush(QColor(170, 170, 170));
  painter.drawEllipse(QRectF(5.5, 18, 2, 2));
  painter.drawEllipse(QRectF(19.5, 18, 2, 2));

  painter.setPen(NumberColour(body));
  painter.setFont(NumberFont(car >= 10 ? 8 : 9));
  painter.drawText(QRect(9, 8, 9, 9), Qt::AlignCenter, QString::number(car));
  return pixmap;
}

QIcon ChampionIcon(int car) {
  QIcon icon;
  for (int size : {16, 24, 32, 48}) icon.addPixmap(NumberSquare(car, size));
  return icon;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF square(0.5, 0.5, size - 1, size - 1);
    QLinearGradient gradient(0, 0, 0, size);
    gradient.setColorAt(0, QColor(30, 80, 170));
    gradient.setColorAt(1, QColor(10, 30, 90));
    painter.setPen(QPen(QColor(5, 15, 50), 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(square, size / 5.0, size / 5.0);
    // A chequered strip along the bottom, the finishing line.
    const int cell = std::max(2, size / 8);
    const int top = size - cell * 2 - std::max(1, size / 16);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row)
      for (int column = 1; column * cell < size - cell; ++column) {
        painter.setBrush((row + column) % 2 ? QColor(Qt::white) : QColor(20, 20, 20));
        painter.drawRect(QRect(column * cell, top + row * cell, cell, cell));
      }
    painter.setPen(QColor(255, 222, 0));
    painter.setFont(NumberFont(size * 9 / 16));
    painter.drawText(QRect(0, 0, size, top), Qt::AlignCenter, QStringLiteral("PK"));
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace pk
