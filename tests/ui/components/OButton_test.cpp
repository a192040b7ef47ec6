#include "ui/components/OButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalSpy>

#include "ui/platform/bitmaps.h"

namespace paxamon {
namespace {

// Colours as read from a picture, alpha dropped.
const QRgb kParent = 0xFF0000;  // what shows outside the button
const QRgb kFace = 0xFFFFC8;    // $C8FFFF
const QRgb kSilver = 0xC0C0C0, kGray = 0x808080, kWhite = 0xFFFFFF;
const QRgb kOff = 0x000080, kOn = 0x008080, kDown = 0x00FFFF;

QRgb at(const QImage& image, int x, int y) {
  return image.pixel(x, y) & RGB_MASK;
}

// A picture in one colour with white, the transparent colour, at (1, 1).
QImage ball(QRgb colour, QSize size = {11, 11}) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(colour);
  picture.setPixel(1, 1, qRgb(255, 255, 255));
  return picture;
}

// The overview's close button on a red parent, with one-colour balls.
struct Fixture {
  QWidget parent;
  TOfficeButton* button = new TOfficeButton(&parent);
  Fixture() {
    parent.resize(82, 22);
    parent.setAutoFillBackground(true);
    parent.setPalette(QPalette(QColor(kParent)));
    button->setGeometry(0, 0, 82, 22);
    button->setCaption(QString::fromUtf8("Schließen"));
    button->setOffGlyph(ball(kOff));
    button->setOnGlyph(ball(kOn));
    button->setDownGlyph(ball(kDown));
  }
  QImage shot() { return parent.grab().toImage(); }
  void enter() {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &event);
  }
  void mouse(QEvent::Type type, QPoint pos, Qt::MouseButton which = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : which;
    QMouseEvent event(type, pos, button->mapToGlobal(pos),
                      type == QEvent::MouseMove ? Qt::NoButton : which, held, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
  }
};

// The bounding box of the caption's dark pixels right of the picture.
QRect captionBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 20; x < image.width() - 3; ++x)
      if (QColor(image.pixel(x, y)).value() < 100) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(OfficeButton, LoadsItsThreeBallsFromTheBitmapResources) {
  TOfficeButton b;
  for (const QImage* picture : {&b.OffGlyph(), &b.OnGlyph(), &b.DownGlyph()}) {
    ASSERT_EQ(picture->size(), QSize(11, 11));
    EXPECT_EQ(at(*picture, 0, 0), kWhite);
  }
  EXPECT_EQ(at(b.OffGlyph(), 5, 6), kOff);
  EXPECT_EQ(at(b.OnGlyph(), 7, 6), kOn);
  EXPECT_EQ(at(b.DownGlyph(), 4, 4), kDown);
  // Looked up by name without regard to case, never by path.
  EXPECT_EQ(loadBitmapResource("off"), b.OffGlyph());
  EXPECT_EQ(b.OffGlyph().format(), QImage::Format_RGB32);
  for (const char* name : {"NOSUCH", "", "../bitmaps/OFF", "/OFF"})
    EXPECT_TRUE(loadBitmapResource(name).isNull()) << name;
  b.setBorderWidth(7);
  EXPECT_EQ(b.BorderWidth(), 3);
}

TEST(OfficeButton, PaintsItsFourStates) {
  Fixture f;
  const auto expect = [](const QImage& image, std::initializer_list<QPoint> points, QRgb color) {
    for (QPoint p : points)
      EXPECT_EQ(at(image, p.x(), p.y()), color) << p.x() << "," << p.y();
  };
  // Away: one silver pixel round the edge, the parent in the corners, the
  // OFF picture at (7, 5) with its white pixel in the button's colour.
  QImage image = f.shot();
  expect(image, {{0, 11}, {81, 11}, {41, 0}, {41, 21}}, kSilver);
  expect(image, {{1, 11}, {41, 1}, {8, 6}, {18, 15}}, kFace);
  expect(image, {{0, 0}, {81, 0}, {0, 21}, {81, 21}}, kParent);
  expect(image, {{7, 5}, {17, 15}}, kOff);
  const QRect caption = captionBox(image);
  EXPECT_NEAR(caption.center().x(), 82 / 2 + 7, 2);  // 7 pixels right of centre
  EXPECT_NEAR(caption.center().y(), 11, 3);

  // Hot: two gray pixels round the edge, white rows 2 and 3 from x = 10 to
  // 71, the ON picture, nothing shifted.
  f.enter();
  image = f.shot();
  expect(image, {{0, 11}, {1, 11}, {80, 11}, {81, 11}, {41, 0}, {41, 1}, {41, 20}, {41, 21}},
         kGray);
  expect(image, {{2, 11}, {41, 4}, {9, 3}, {72, 3}}, kFace);
  expect(image, {{81, 21}}, kParent);
  expect(image, {{10, 2}, {10, 3}, {71, 2}, {71, 3}}, kWhite);
  expect(image, {{7, 5}}, kOn);
  EXPECT_EQ(captionBox(image), caption);

  // Pressed: the hot border, DOWN, picture and caption one pixel down right.
  f.mouse(QEvent::MouseButtonPress, {40, 10});
  image = f.shot();
  expect(image, {{0, 11}}, kGray);
  expect(image, {{41, 2}}, kWhite);
  expect(image, {{7, 5}, {9, 7}}, kFace);
  expect(image, {{8, 6}}, kDown);
  EXPECT_EQ(captionBox(image), caption.translated(1, 1));

  // Dragged away: silver, OFF, no shift; coming back restores the press.
  f.mouse(QEvent::MouseMove, {120, 10});
  image = f.shot();
  expect(image, {{0, 11}}, kSilver);
  expect(image, {{7, 5}}, kOff);
  EXPECT_EQ(captionBox(image), caption);
  f.mouse(QEvent::MouseMove, {40, 10});
  expect(f.shot(), {{8, 6}}, kDown);

  // BorderColor is only stored; it shows at the next repaint.
  f.button->setBorderColor(clBlue);
  expect(f.shot(), {{0, 11}}, 0x0000FF);
}

TEST(OfficeButton, ClicksAndPresses) {
  Fixture f;
  QSignalSpy clicks(f.button, &TOfficeButton::clicked);
  QSignalSpy doubles(f.button, &TOfficeButton::doubleClicked);
  // A right press without an enter: OFF and silver, but shifted; no click.
  f.mouse(QEvent::MouseButtonPress, {40, 10}, Qt::RightButton);
  const QImage image = f.shot();
  EXPECT_TRUE(at(image, 0, 11) == kSilver && at(image, 8, 6) == kOff);
  f.mouse(QEvent::MouseButtonRelease, {40, 10}, Qt::RightButton);
  EXPECT_EQ(f.button->pressOffset(), 0);

  f.enter();
  f.mouse(QEvent::MouseButtonPress, {40, 10});
  f.mouse(QEvent::MouseButtonRelease, {90, 10});  // released outside
  EXPECT_EQ(clicks.count(), 0);
  // A double click gives one click and one double click.
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
    f.mouse(type, {40, 10});
  EXPECT_TRUE(clicks.count() == 1 && doubles.count() == 1);
  EXPECT_FALSE(f.button->mousePressed());

  // A click that hides the button's window leaves it unhovered.
  f.parent.show();
  QObject::connect(f.button, &TOfficeButton::clicked, &f.parent, &QWidget::hide);
  f.mouse(QEvent::MouseButtonPress, {40, 10});
  f.mouse(QEvent::MouseButtonRelease, {40, 10});
  EXPECT_FALSE(f.parent.isVisible());
  EXPECT_FALSE(f.button->mouseInside() || f.button->mousePressed());
}

TEST(OfficeButton, PicturesAreCutToTheOffPicture) {
  Fixture f;
  f.button->setOnGlyph(ball(kOn, {30, 30}));
  f.enter();
  QImage image = f.shot();
  EXPECT_EQ(at(image, 17, 15), kOn);
  EXPECT_TRUE(at(image, 18, 15) == kFace && at(image, 17, 16) == kFace);
  // No OFF picture: no picture area; the caption stays where it was.
  const QRect caption = captionBox(image);
  f.button->setOffGlyph(QImage());
  image = f.shot();
  EXPECT_TRUE(at(image, 7, 5) == kFace && at(image, 12, 11) == kFace);
  EXPECT_EQ(captionBox(image), caption);
}

}  // namespace
}  // namespace paxamon
