// Draws one picture of an icon as a PNG at build time: an XPM at its own
// size, or an SVG at any size. Fails on a picture that cannot be read or
// comes out empty, so a broken icon stops the build.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

namespace {

bool hasVisiblePixels(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) return true;
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_icon INPUT.{xpm,svg} SIZE OUTPUT.png\n");
    return 2;
  }
  const QString input = QString::fromLocal8Bit(argv[1]);
  const int size = std::atoi(argv[2]);
  if (size < 1 || size > 1024) {
    std::fprintf(stderr, "render_icon: bad size %s\n", argv[2]);
    return 2;
  }

  QImage image;
  if (input.endsWith(QLatin1String(".svg"))) {
    QSvgRenderer svg(input);
    if (!svg.isValid()) {
      std::fprintf(stderr, "render_icon: %s is not a valid SVG\n", argv[1]);
      return 1;
    }
    image = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
  } else {
    // The pixel picture keeps its pixels: no scaling.
    image.load(input);
    if (image.isNull() || image.width() != size || image.height() != size) {
      std::fprintf(stderr, "render_icon: %s is not a %d x %d picture\n", argv[1], size, size);
      return 1;
    }
  }
  if (!hasVisiblePixels(image)) {
    std::fprintf(stderr, "render_icon: %s comes out empty\n", argv[1]);
    return 1;
  }
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
