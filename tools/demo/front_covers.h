#pragma once
// The front covers of the demo media, one design each. Every function paints the whole picture of
// the given size. The compact discs are in front_covers_cd.cpp, the records and the DVD in
// front_covers_stage.cpp.

#include <QPainter>
#include <QSizeF>

namespace pictures {

void drawGoldbergFront(QPainter& p, QSizeF size);     // No9001, CD
void drawKleiberFront(QPainter& p, QSizeF size);      // No9002, CD
void drawAxionEstiFront(QPainter& p, QSizeF size);    // No9006, CD
void drawCelloSuitesFront(QPainter& p, QSizeF size);  // No9014, box of two CDs

void drawToscaFront(QPainter& p, QSizeF size);    // No9003, LP
void drawNinthFront(QPainter& p, QSizeF size);    // No9008, LP
void drawFigaroFront(QPainter& p, QSizeF size);   // No9009, DVD
void drawHeifetzFront(QPainter& p, QSizeF size);  // No9035, LP

}  // namespace pictures
