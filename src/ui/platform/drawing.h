// Drawing operations the custom controls share, done the way the original
// platform did them: captions with accelerator underlines, the 3-D edge
// lines of buttons, pictures copied with one colour left out, and the
// colour depth of the display.
#pragma once

#include <QChar>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace paxamon {

// The accelerator of a caption: the character after its first "&", or a
// null QChar when there is no "&" or the caption ends with it.
QChar accelChar(const QString& caption);

// Width and height of a text as stored, every "&" included: the measure
// the controls lay out with.
QSize textExtent(const QFont& font, const QString& text);

// Draws text with the painter's pen and font, left- and top-aligned at
// topLeft, not clipped, line breaks kept; "&x" draws x underlined and "&&"
// draws one "&".
void drawAccelText(QPainter& painter, QPoint topLeft, const QString& text);

// Sides of an edge frame.
enum EdgeSide { edgeLeft = 1, edgeTop = 2, edgeRight = 4, edgeBottom = 8, edgeRect = 15 };

// One-pixel edge lines along the inside of rect: first the top and left
// lines in topLeft, then the bottom and right lines in bottomRight, so the
// top-right and bottom-left corners take bottomRight. Only the given sides.
void drawEdgeLines(QPainter& painter, const QRect& rect, QColor topLeft, QColor bottomRight,
                   int sides = edgeRect);

// count rings of edge lines from rect inwards (bevels and borders); returns
// the area left inside them.
QRect drawEdgeRings(QPainter& painter, QRect rect, int count, QColor topLeft, QColor bottomRight);

// The sunken edge of edit fields and grids: shadow over dark shadow on the
// top and left, highlight over light on the bottom and right.
void drawSunkenEdge(QPainter& painter, const QRect& rect);

// The raised (or, when sunken, pressed) 3-D edge of a push button in the
// system colours: two lines on the bottom and right and one on the top and
// left when raised; one dark line on each side and a second on the top and
// left when sunken.
void drawButtonEdge(QPainter& painter, const QRect& rect, bool sunken);

// The dotted focus mark of a control: every other pixel of the outline of
// rect, in colour.
void drawFocusRect(QPainter& painter, const QRect& rect, QColor colour);

// The picture (as opaque RGB) with every pixel whose RGB equals key painted
// in fill instead.
QImage replaceColor(const QImage& picture, QRgb key, QRgb fill);

// Draws picture with its natural size at topLeft, leaving out every pixel
// whose RGB equals leftOut (alpha is ignored in the comparison).
void drawTransparent(QPainter& painter, QPoint topLeft, const QImage& picture, QRgb leftOut);

// Bits per pixel of the primary display (24 when there is none), at most
// 255. overrideDisplayColorDepth sets a value that is reported instead, to
// show or test the low-colour look; 0 removes it.
int displayColorDepth();
void overrideDisplayColorDepth(int bits);

}  // namespace paxamon
