#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace skyvex::ui {

namespace {

void drawBiplane(QPainter& p, const QPointF& at, qreal scale) {
  p.save();
  p.translate(at);
  p.scale(scale, scale);
  p.rotate(-6);
  const QColor canvas(92, 64, 40);
  const QColor wing(128, 96, 58);
  p.setPen(QPen(QColor(40, 28, 18), 1.2));
  // Wings, upper and lower, and the struts between them.
  p.setBrush(wing);
  p.drawRoundedRect(QRectF(-46, -26, 92, 8), 3, 3);
  p.drawRoundedRect(QRectF(-40, 2, 80, 7), 3, 3);
  p.drawLine(QPointF(-30, -18), QPointF(-27, 2));
  p.drawLine(QPointF(30, -18), QPointF(27, 2));
  p.drawLine(QPointF(-8, -18), QPointF(-6, 2));
  p.drawLine(QPointF(8, -18), QPointF(6, 2));
  // Fuselage seen from ahead-left: a tapering body with the tail behind.
  QPainterPath body;
  body.moveTo(-14, -6);
  body.cubicTo(-10, -14, 10, -14, 14, -6);
  body.cubicTo(12, 6, -12, 6, -14, -6);
  p.setBrush(canvas);
  p.drawPath(body);
  // Roundels on the lower wing.
  for (qreal x : {-28.0, 28.0}) {
    p.setBrush(QColor(30, 60, 140));
    p.drawEllipse(QPointF(x, 5.5), 5, 3.2);
    p.setBrush(QColor(235, 235, 230));
    p.drawEllipse(QPointF(x, 5.5), 3.2, 2);
    p.setBrush(QColor(170, 30, 30));
    p.drawEllipse(QPointF(x, 5.5), 1.5, 1);
  }
  // Propeller disc and wheels.
  p.setBrush(QColor(200, 200, 190, 90));
  p.drawEllipse(QPointF(0, -5), 12, 12);
  p.setBrush(QColor(35, 30, 25));
  p.drawEllipse(QPointF(-9, 16), 4, 4);
  p.drawEllipse(QPointF(9, 16), 4, 4);
  p.drawLine(QPointF(-6, 3), QPointF(-9, 13));
  p.drawLine(QPointF(6, 3), QPointF(9, 13));
  p.restore();
}

}  // namespace

QPixmap skyvexArtwork(int width, int height) {
  QPixmap pixmap(width, height);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, height);
  sky.setColorAt(0.0, QColor(38, 52, 96));
  sky.setColorAt(0.55, QColor(214, 138, 84));
  sky.setColorAt(0.75, QColor(240, 200, 140));
  p.fillRect(pixmap.rect(), sky);
  // Fields of Flanders below the horizon.
  const int horizon = height * 3 / 4;
  const QColor fields[] = {QColor(86, 104, 58), QColor(112, 122, 66), QColor(74, 88, 52)};
  for (int i = 0; i < 7; ++i) {
    QPolygonF strip;
    strip << QPointF(width * i / 7.0, horizon) << QPointF(width * (i + 1) / 7.0, horizon)
          << QPointF(width * (i + 1.6) / 5.0 - width * 0.2, height)
          << QPointF(width * (i + 0.6) / 5.0 - width * 0.2, height);
    p.setPen(Qt::NoPen);
    p.setBrush(fields[i % 3]);
    p.drawPolygon(strip);
  }
  // A low sun and two distant clouds.
  p.setBrush(QColor(250, 228, 170, 200));
  p.drawEllipse(QPointF(width * 0.78, horizon - height * 0.06), height * 0.09, height * 0.09);
  p.setBrush(QColor(255, 240, 225, 110));
  p.drawEllipse(QRectF(width * 0.08, height * 0.22, width * 0.28, height * 0.07));
  p.drawEllipse(QRectF(width * 0.55, height * 0.12, width * 0.22, height * 0.05));
  drawBiplane(p, QPointF(width * 0.42, height * 0.42), height / 110.0);
  drawBiplane(p, QPointF(width * 0.80, height * 0.25), height / 300.0);
  return pixmap;
}

QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size);
    sky.setColorAt(0.0, QColor(38, 52, 96));
    sky.setColorAt(1.0, QColor(214, 138, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    drawBiplane(p, QPointF(size / 2.0, size * 0.52), size / 100.0);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace skyvex::ui
