#include "ui/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace kv::gui {

namespace {

// The picture is laid out on a 64 x 64 canvas and scaled to every size.
constexpr double Canvas = 64.0;

QPolygonF Otszog(QPointF kozep, double sugar, double elfordulas) {
  QPolygonF p;
  for (int i = 0; i < 5; ++i) {
    const double a = elfordulas + i * 2 * std::numbers::pi / 5;
    p << kozep + QPointF(sugar * std::cos(a), sugar * std::sin(a));
  }
  return p;
}

void Szelveny(QPainter& p) {
  const QRectF lap(5, 3, 38, 54);
  p.setPen(QPen(QColor(0x1B, 0x5E, 0x20), 2));
  p.setBrush(QColor(0xFF, 0xF8, 0xDC));
  p.drawRoundedRect(lap, 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x2E, 0x7D, 0x32));
  p.drawRect(QRectF(6, 4, 36, 9));

  // Three sign columns of boxes, "1", "X" and "2", with a tip marked per row.
  constexpr int Sorok = 5;
  constexpr int Jelolt[Sorok][2] = {{0, -1}, {1, -1}, {0, 2}, {2, -1}, {1, 2}};
  for (int r = 0; r < Sorok; ++r) {
    for (int c = 0; c < 3; ++c) {
      const QRectF doboz(10 + c * 10, 17 + r * 8, 7, 6);
      p.setPen(QPen(QColor(0xC6, 0x28, 0x28), 1));
      p.setBrush(Qt::white);
      p.drawRect(doboz);
      if (Jelolt[r][0] == c || Jelolt[r][1] == c) {
        p.setPen(QPen(QColor(0x0D, 0x2B, 0x8C), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(doboz.topLeft() + QPointF(1, 1), doboz.bottomRight() - QPointF(1, 1));
        p.drawLine(doboz.bottomLeft() + QPointF(1, -1), doboz.topRight() + QPointF(-1, 1));
      }
    }
  }
}

void Labda(QPainter& p) {
  const QPointF kozep(45, 45);
  constexpr double Sugar = 16;
  QRadialGradient feny(kozep - QPointF(5, 6), Sugar * 1.6);
  feny.setColorAt(0, Qt::white);
  feny.setColorAt(1, QColor(0xB0, 0xB0, 0xB0));
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(feny);
  p.drawEllipse(kozep, Sugar, Sugar);

  QPainterPath korvonal;
  korvonal.addEllipse(kozep, Sugar - 0.8, Sugar - 0.8);
  p.save();
  p.setClipPath(korvonal);
  const double fel = -std::numbers::pi / 2;
  const QPolygonF belso = Otszog(kozep, 5.5, fel);
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.2));
  for (int i = 0; i < 5; ++i) {
    // The seams between the hexagons run from each corner of the middle
    // pentagon to one of the outer pentagons.
    const double a = fel + i * 2 * std::numbers::pi / 5;
    const QPointF irany(std::cos(a), std::sin(a));
    const QPointF kulso = kozep + irany * 14.5;
    p.drawLine(belso[i], kozep + irany * 10.5);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawPolygon(Otszog(kulso, 4.5, a + std::numbers::pi));
  }
  p.setBrush(QColor(0x10, 0x10, 0x10));
  p.drawPolygon(belso);
  p.restore();
}

QPixmap Rajz(int meret) {
  QPixmap pm(meret, meret);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(meret / Canvas, meret / Canvas);
  Szelveny(p);
  Labda(p);
  return pm;
}

} // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int meret : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Rajz(meret));
  return icon;
}

} // namespace kv::gui
