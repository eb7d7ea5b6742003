#include "ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace kv::gui {

namespace {

using TRajz = std::function<void(QPainter&)>;

void Lap(QPainter& p) { // a sheet with a folded corner
  QPainterPath path;
  path.moveTo(4, 2);
  path.lineTo(12, 2);
  path.lineTo(16, 6);
  path.lineTo(16, 18);
  path.lineTo(4, 18);
  path.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(path);
  p.drawLine(12, 2, 12, 6);
  p.drawLine(12, 6, 16, 6);
}

void Betuk(QPainter& p, const QString& s, const QColor& c, int size = 8) {
  QFont f("DejaVu Sans", size);
  f.setBold(true);
  f.setPixelSize(size);
  p.setFont(f);
  p.setPen(c);
  p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, s);
}

const std::map<QString, TRajz>& Rajzok() {
  static const std::map<QString, TRajz> rajzok = {
      {"NewBtn", [](QPainter& p) { Lap(p); }},
      {"LoadBtn", [](QPainter& p) { // an open folder
         p.setBrush(QColor(0xE8, 0xC0, 0x50));
         p.drawRect(2, 6, 14, 11);
         p.setBrush(QColor(0xF8, 0xDC, 0x78));
         p.drawPolygon(QPolygon({QPoint(5, 9), QPoint(19, 9), QPoint(16, 17), QPoint(2, 17)}));
       }},
      {"SaveBtn", [](QPainter& p) { // a floppy disk
         p.setBrush(QColor(0x30, 0x50, 0xA0));
         p.drawRect(3, 3, 14, 14);
         p.setBrush(Qt::white);
         p.drawRect(6, 3, 8, 5);
         p.drawRect(6, 11, 8, 6);
       }},
      {"KeyBtn", [](QPainter& p) { // a key
         p.setBrush(QColor(0xD0, 0xA0, 0x20));
         p.drawEllipse(2, 6, 8, 8);
         p.drawRect(10, 9, 8, 2);
         p.drawRect(15, 11, 2, 3);
         p.drawRect(12, 11, 2, 2);
       }},
      {"AlaptippBtn", [](QPainter& p) { Betuk(p, "1X2", QColor(0x10, 0x60, 0x10), 8); }},
      {"CalcBtn", [](QPainter& p) { Betuk(p, "\u03A3", QColor(0x10, 0x10, 0x90), 16); }},
      {"StatBtn", [](QPainter& p) { // a bar chart
         p.setBrush(QColor(0x20, 0x80, 0x20));
         p.drawRect(3, 10, 3, 7);
         p.setBrush(QColor(0xC0, 0x30, 0x30));
         p.drawRect(8, 5, 3, 12);
         p.setBrush(QColor(0x30, 0x50, 0xC0));
         p.drawRect(13, 8, 3, 9);
       }},
      {"ElemzesBtn", [](QPainter& p) { // a magnifier over a sheet
         Lap(p);
         p.setBrush(Qt::NoBrush);
         p.setPen(QPen(QColor(0x20, 0x20, 0x80), 2));
         p.drawEllipse(6, 6, 7, 7);
         p.drawLine(12, 12, 17, 17);
       }},
      {"SzelvenyBtn", [](QPainter& p) { // a ticket with marks
         p.setBrush(QColor(0xFF, 0xF8, 0xE0));
         p.drawRect(3, 2, 14, 16);
         p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 1.5));
         for (int r = 0; r < 3; ++r) p.drawLine(6 + 3 * r, 5 + 4 * r, 8 + 3 * r, 7 + 4 * r);
       }},
      {"ITicketBtn", [](QPainter& p) { // a globe
         p.setBrush(QColor(0x60, 0xA0, 0xE0));
         p.drawEllipse(2, 2, 16, 16);
         p.setBrush(Qt::NoBrush);
         p.drawEllipse(6, 2, 8, 16);
         p.drawLine(2, 10, 18, 10);
       }},
      {"SzelvenyFillBtn", [](QPainter& p) { // a printer
         p.setBrush(Qt::white);
         p.drawRect(5, 2, 10, 6);
         p.setBrush(QColor(0x90, 0x90, 0x90));
         p.drawRect(2, 8, 16, 7);
         p.setBrush(Qt::white);
         p.drawRect(5, 13, 10, 5);
       }},
      {"SzelvenyToKeyBtn", [](QPainter& p) { // a sheet and a key
         Lap(p);
         p.setBrush(QColor(0xD0, 0xA0, 0x20));
         p.drawEllipse(5, 9, 5, 5);
         p.drawRect(10, 11, 6, 2);
       }},
      {"SzelvenyToTxtBtn", [](QPainter& p) { // a sheet of text lines
         Lap(p);
         for (int y = 8; y <= 15; y += 3) p.drawLine(6, y, 14, y);
       }},
      {"GridsPrintBtn", [](QPainter& p) { // a printed table
         p.setBrush(Qt::white);
         p.drawRect(3, 3, 14, 14);
         p.drawLine(3, 8, 17, 8);
         p.drawLine(3, 12, 17, 12);
         p.drawLine(9, 3, 9, 17);
       }},
      {"TalalatBtn", [](QPainter& p) { // a target
         p.setBrush(QColor(0xD0, 0x20, 0x20));
         p.drawEllipse(2, 2, 16, 16);
         p.setBrush(Qt::white);
         p.drawEllipse(5, 5, 10, 10);
         p.setBrush(QColor(0xD0, 0x20, 0x20));
         p.drawEllipse(8, 8, 4, 4);
       }},
      {"HibaBtn", [](QPainter& p) { // a red cross over a sheet
         Lap(p);
         p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 2));
         p.drawLine(6, 7, 14, 15);
         p.drawLine(14, 7, 6, 15);
       }},
      {"SetupBtn", [](QPainter& p) { // a cog
         p.setBrush(QColor(0x80, 0x80, 0x80));
         for (int i = 0; i < 8; ++i) {
           p.save();
           p.translate(10, 10);
           p.rotate(i * 45);
           p.drawRect(-1, -9, 3, 4);
           p.restore();
         }
         p.drawEllipse(4, 4, 12, 12);
         p.setBrush(Qt::white);
         p.drawEllipse(8, 8, 4, 4);
       }},
      {"HelpBtn", [](QPainter& p) {
         p.setBrush(QColor(0xFF, 0xF0, 0x90));
         p.drawEllipse(2, 2, 16, 16);
         Betuk(p, "?", QColor(0x10, 0x10, 0x90), 13);
       }},
      {"HelpSearchBtn", [](QPainter& p) {
         p.setBrush(QColor(0xFF, 0xF0, 0x90));
         p.drawEllipse(1, 1, 12, 12);
         Betuk(p, "?", QColor(0x10, 0x10, 0x90), 9);
         p.setPen(QPen(Qt::black, 2));
         p.drawLine(12, 12, 18, 18);
       }},
      {"AbortBtn", [](QPainter& p) { // a stop sign
         p.setBrush(QColor(0xD0, 0x10, 0x10));
         p.drawPolygon(QPolygon({QPoint(7, 2), QPoint(13, 2), QPoint(18, 7), QPoint(18, 13), QPoint(13, 18),
                                 QPoint(7, 18), QPoint(2, 13), QPoint(2, 7)}));
         p.setPen(QPen(Qt::white, 2));
         p.drawLine(6, 10, 14, 10);
       }},
  };
  return rajzok;
}

} // namespace

QIcon ToolIcon(const QString& name) {
  QPixmap pm(20, 20);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  auto it = Rajzok().find(name);
  if (it != Rajzok().end()) it->second(p);
  else Betuk(p, name.left(1), Qt::black, 12);
  return QIcon(pm);
}

} // namespace kv::gui
