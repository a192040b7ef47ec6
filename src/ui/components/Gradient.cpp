#include "ui/components/Gradient.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>
#include <climits>
#include <cmath>

#include "ui/platform/drawing.h"
#include "ui/platform/property.h"

namespace paxamon {

// --- TGradient -------------------------------------------------------------

TGradient::TGradient(QObject* parent) : QObject(parent) {}

void TGradient::Changed() {
  emit changed();
}

void TGradient::setGradientStyle(TGradientStyle value) {
  if (!storeIfChanged(style_, value)) return;
  Changed();
}

void TGradient::setLineSize(int value) {
  if (!storeIfChanged(lineSize_, value)) return;
  Changed();
}

void TGradient::setColor(int index, TColor value) {
  TColor& stored = colors_[std::size_t(index)];
  if (!storeIfChanged(stored, value)) return;
  Changed();
}

void TGradient::setColorCount(TColorCount value) {
  if (!storeIfChanged(colorCount_, value)) return;
  Changed();
}

void TGradient::setLineDirection(TDirection value) {
  if (!storeIfChanged(direction_, value)) return;
  Changed();
}

void TGradient::AssignValues(const TGradient& source) {
  style_ = source.style_;
  lineSize_ = source.lineSize_;
  colors_ = source.colors_;
  colorCount_ = source.colorCount_;
  direction_ = source.direction_;
  Changed();
}

// --- Colour helpers ----------------------------------------------------------

RGBChannels SplitRGB(TColor color) {
  return {redOf(color), greenOf(color), blueOf(color)};
}

int ClampChannel(float value) {
  // nearbyint rounds in the default mode: to nearest, halves to even.
  const float rounded = std::nearbyint(value);
  if (!(rounded > 0.0f)) return 0;  // also NaN
  if (rounded > 255.0f) return 255;
  return int(rounded);
}

TColor MakeColor(float red, float green, float blue) {
  return rgbColor(ClampChannel(red), ClampChannel(green), ClampChannel(blue));
}

TColor LightenColor(TColor color, int amount) {
  const RGBChannels c = SplitRGB(colorToRGB(color));
  const auto add = [amount](int channel) { return float(double(channel) + double(amount)); };
  return MakeColor(add(c.red), add(c.green), add(c.blue));
}

TColor DarkenColor(TColor color, int amount) {
  // Negating INT_MIN would overflow; INT_MAX lightens just as far.
  return LightenColor(color, amount == INT_MIN ? INT_MAX : -amount);
}

// --- GradientFill -------------------------------------------------------------

namespace {

// The running colour of a fill and the band it is in. Positions are kept
// absolute, and the running values are never reset to a band's colour: at a
// band change only the increment changes.
class BandRun {
 public:
  BandRun(const std::array<TColor, 5>& colors, int count, int band, int step)
      : colors_(colors),
        count_(count),
        band_(band == 0 ? 1 : band),  // a zero band would divide by zero
        step_(step),
        threshold_(band_),
        from_(colors[0]),
        to_(count > 1 ? colors[1] : colors[0]) {
    const RGBChannels c = SplitRGB(from_);
    red_ = c.red;
    green_ = c.green;
    blue_ = c.blue;
  }

  TColor color() const { return MakeColor(float(red_), float(green_), float(blue_)); }

  // After a step has been painted and the position moved on to p.
  void advance(long long p) {
    if (p >= threshold_) {
      threshold_ += band_;
      index_ = std::min(index_ + 1, count_);
      from_ = to_;
      to_ = colors_[std::size_t(index_)];
    }
    const RGBChannels from = SplitRGB(from_), to = SplitRGB(to_);
    red_ += double(to.red - from.red) / band_ * step_;
    green_ += double(to.green - from.green) / band_ * step_;
    blue_ += double(to.blue - from.blue) / band_ * step_;
  }

 private:
  const std::array<TColor, 5>& colors_;
  int count_;
  int band_;
  int step_;
  long long threshold_;
  int index_ = 1;
  TColor from_, to_;
  double red_, green_, blue_;
};

// The line size and band count the fills work with: a step of at least one
// pixel, and 1 to 4 bands (none read beyond Color5).
int usableStep(int lineSize) {
  return lineSize < 1 ? 1 : lineSize;
}
int usableCount(int colorCount) {
  if (colorCount < 1) return 3;
  return std::min(colorCount, 4);
}

// Lines over the area (left, top, right, bottom) of the canvas, the colour
// changing from top to bottom (diHorizonal) or left to right (diVertical).
void paintLines(QPainter& canvas, int left, int top, int right, int bottom,
                const TGradient& gradient) {
  if (right == 0 || bottom == 0) return;
  const int step = usableStep(gradient.lineSize());
  const int count = usableCount(gradient.colorCount());
  const bool horizontal = gradient.lineDirection() == diHorizonal;
  const long long end = horizontal ? bottom : right;
  long long p = horizontal ? top : left;
  BandRun run(gradient.colors(), count, int(((horizontal ? bottom - top : right - left)) / count),
              step);
  while (p <= end) {
    // The last step may reach beyond the area; only its inside is filled.
    const int extent = int(std::min<long long>(step, end - p));
    if (extent > 0) {
      const QRect line = horizontal ? QRect(left, int(p), right - left, extent)
                                    : QRect(int(p), top, extent, bottom - top);
      canvas.fillRect(line, toQColor(run.color()));
    }
    p += step;
    run.advance(p);
  }
}

void fillLines(QPainter& canvas, const QRect& rect, const TGradient& gradient) {
  const bool horizontal = gradient.lineDirection() == diHorizonal;
  const int width = horizontal ? 8 : rect.width();
  const int height = horizontal ? rect.height() : 8;
  if (width <= 0 || height <= 0) return;
  QImage strip(width, height, QImage::Format_RGB32);
  strip.fill(Qt::black);
  {
    QPainter stripCanvas(&strip);
    paintLines(stripCanvas, 0, 0, width, height, gradient);
  }
  TileBitmap(canvas, strip, rect);
}

void fillConcentric(QPainter& canvas, const QRect& rect, const TGradient& gradient) {
  const long long left = rect.left(), top = rect.top();
  const long long right = left + rect.width(), bottom = top + rect.height();
  const int step = usableStep(gradient.lineSize());
  const int count = usableCount(gradient.colorCount());
  const long long w = right - left, h = bottom - top;
  const int band = int((w >= h ? w / count : h / count) / 2);
  BandRun run(gradient.colors(), count, band, step);
  const TGradientStyle style = gradient.gradientStyle();
  const bool custom = style == gsCustomRect && gradient.onDrawRect();
  if (style == gsEllipse || custom) canvas.setPen(Qt::NoPen);
  long long x = left, y = top;
  while (x < right / 2 && y < bottom / 2) {
    const QColor color = toQColor(run.color());
    canvas.setBrush(color);
    const QRect box(QPoint(int(x), int(y)), QPoint(int(right) - 1, int(bottom) - 1));
    if (style == gsEllipse)
      canvas.drawEllipse(QRect(int(x), int(y), int(right - 2 * x), int(bottom - 2 * y)));
    else if (custom)
      gradient.onDrawRect()(nullptr, canvas, box);
    else
      canvas.fillRect(box, color);
    x += step;
    y += step;
    run.advance(y);
  }
}

}  // namespace

void GradientFill(QPainter& canvas, const QRect& rect, const TGradient& gradient) {
  const int right = rect.left() + rect.width(), bottom = rect.top() + rect.height();
  if (right == 0 || bottom == 0) return;
  if (gradient.gradientStyle() == gsLine)
    fillLines(canvas, rect, gradient);
  else
    fillConcentric(canvas, rect, gradient);
}

void TileBitmap(QPainter& canvas, const QImage& picture, const QRect& rect) {
  if (picture.width() == 0 || picture.height() == 0) return;
  const int right = rect.left() + rect.width(), bottom = rect.top() + rect.height();
  int x = rect.left(), y = rect.top();
  while (y < bottom && x < right) {
    const int th = std::min(bottom - y, picture.height());
    const int tw = std::min(right - x, picture.width());
    canvas.drawImage(QPoint(x, y), picture, QRect(0, 0, tw, th));
    x += tw;
    if (x >= right) {
      x = rect.left();
      y += th;
    }
  }
}

// --- Text effects ----------------------------------------------------------------

namespace {

// Text with its top-left corner at (x, y), as it stands ("&" is no marker).
void textOut(QPainter& canvas, int x, int y, const QString& text) {
  canvas.drawText(QPoint(x, y + canvas.fontMetrics().ascent()), text);
}

// White with the glyphs of text in black, drawn without antialiasing so that
// the mask has no third shade. Its size is the text's extent in font.
QImage textMask(QFont font, const QString& text) {
  const QSize size = textExtent(font, text);
  if (size.isEmpty()) return {};
  QImage mask(size, QImage::Format_RGB32);
  mask.fill(Qt::white);
  font.setStyleStrategy(QFont::NoAntialias);
  QPainter canvas(&mask);
  canvas.setFont(font);
  canvas.setPen(Qt::black);
  textOut(canvas, 0, 0, text);
  canvas.end();
  return mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
}

// canvas = ((canvas XOR picture) AND mask) XOR picture over box: where the
// mask is black the picture's pixel, where it is white the canvas's own. A
// monochrome mask counts white as all bits set and black as all bits clear.
// The raster operations work on the canvas's pixels in place, which gives
// what composing a copy and copying it back gives, also on a widget, whose
// pixels (Qt's back buffer, shown after the paint) cannot be read.
void combineThroughMask(QPainter& canvas, const QRect& box, const QImage& mask,
                        const std::function<void()>& drawPicture) {
  if (box.isEmpty()) return;
  const QImage andMask = mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)
                             .convertToFormat(QImage::Format_RGB32);
  canvas.save();
  canvas.setClipRect(box, Qt::IntersectClip);
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
  canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  drawPicture();
  canvas.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  canvas.drawImage(box.topLeft(), andMask);
  canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  drawPicture();
  canvas.restore();
}

void fillText(QPainter& canvas, int x, int y, const QString& text, const QImage& picture,
              bool fit) {
  const QImage mask = textMask(canvas.font(), text);
  if (mask.isNull()) return;
  const QRect box(QPoint(x, y), mask.size());
  combineThroughMask(canvas, box, mask, [&] {
    if (fit)
      canvas.drawImage(box, picture);
    else
      canvas.drawImage(box.topLeft(), picture);
  });
}

}  // namespace

void DrawShadowText(QPainter& canvas, int x, int y, const QString& text, TColor shadowColor, int dx,
                    int dy) {
  const QPen textPen = canvas.pen();
  canvas.setBrush(Qt::NoBrush);
  canvas.setPen(toQColor(shadowColor));
  textOut(canvas, x + dx, y + dy, text);
  canvas.setPen(textPen);
  textOut(canvas, x, y, text);
}

void DrawOutlinedText(QPainter& canvas, int x, int y, const QString& text, TColor outlineColor) {
  const QPen textPen = canvas.pen();
  canvas.setPen(toQColor(outlineColor));
  canvas.setBrush(Qt::NoBrush);
  textOut(canvas, x + 1, y + 1, text);
  textOut(canvas, x - 1, y + 1, text);
  textOut(canvas, x - 1, y - 1, text);
  textOut(canvas, x + 1, y - 1, text);
  canvas.setPen(textPen);
  textOut(canvas, x, y, text);
}

void Draw3DText(QPainter& canvas, const QString& text, int x, int y, TColor upperLeft,
                TColor lowerRight) {
  const QPen textPen = canvas.pen();
  canvas.setBrush(Qt::NoBrush);
  canvas.setPen(toQColor(lowerRight));
  textOut(canvas, x + 1, y + 1, text);
  canvas.setPen(toQColor(upperLeft));
  textOut(canvas, x - 1, y - 1, text);
  canvas.setPen(textPen);
  textOut(canvas, x, y, text);
}

void DrawTextFilledFit(QPainter& canvas, int x, int y, const QString& text, const QImage& picture) {
  fillText(canvas, x, y, text, picture, true);
}

void DrawTextFilled(QPainter& canvas, int x, int y, const QString& text, const QImage& picture) {
  fillText(canvas, x, y, text, picture, false);
}

void DrawMasked(QPainter& canvas, int x, int y, const QImage& mask, const QImage& picture) {
  if (picture.isNull()) return;
  const QRect box(QPoint(x, y), picture.size());
  combineThroughMask(canvas, box, mask, [&] { canvas.drawImage(box.topLeft(), picture); });
}

// --- TDfGradient ---------------------------------------------------------------

TDfGradient::TDfGradient(QWidget* parent)
    : TGraphicControl(parent), gradient_(new TGradient(this)) {
  // The control's own defaults, set before anyone listens.
  gradient_->setLineSize(2);
  gradient_->setColor1(clBlack);
  gradient_->setColor2(clWhite);
  gradient_->setColor3(clBlack);
  gradient_->setColor4(clWhite);
  gradient_->setColor5(clBlack);
  gradient_->setColorCount(4);
  gradient_->setGradientStyle(gsLine);
  gradient_->setLineDirection(diHorizonal);
  connect(gradient_, &TGradient::changed, this, &TDfGradient::GradientChanged);
  // The picture covers the whole area; nothing beneath needs painting.
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(144, 144);
}

void TDfGradient::setGradient(const TGradient* source) {
  if (source && source != gradient_) gradient_->AssignValues(*source);
}

void TDfGradient::setColor(TColor value) {
  if (!storeIfChanged(color_, value)) return;
  update();
  RebuildBitmap();
}

void TDfGradient::GradientChanged() {
  RebuildBitmap();
  update();
}

void TDfGradient::RebuildBitmap() {
  if (width() <= 0 || height() <= 0) {
    picture_ = QImage();
    return;
  }
  picture_ = QImage(width(), height(), QImage::Format_RGB32);
  picture_.fill(toQColor(color_));
  QPainter canvas(&picture_);
  GradientFill(canvas, QRect(0, 0, width(), height()), *gradient_);
}

void TDfGradient::paintEvent(QPaintEvent* event) {
  if (picture_.width() != width() || picture_.height() != height()) RebuildBitmap();
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect clip = event->rect();
  painter.drawImage(clip, picture_, clip);
}

}  // namespace paxamon
