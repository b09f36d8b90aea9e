#pragma once

#include "pages/Surface.h"

#include <QRectF>

class QPainter;

// Draws a page picture stretched into the rectangle. The pictures live in
// the program as vector drawings (SVG); an unknown name draws nothing and
// returns false.
bool DrawPagePicture(QPainter& painter, const TVrPicture& picture, const QRectF& target);
