#include "ui/components/OButton.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "ui/platform/bitmaps.h"

namespace paxamon {
namespace {

// Colours as read from a picture, alpha dropped.
const QRgb kParent = 0xFF0000;  // what shows outside the button
const QRgb kFace = 0xFFFFC8;    // $C8FFFF
const QRgb kSilver = 0xC0C0C0, kGray = 0x808080, kWhite = 0xFFFFFF;
const QRgb kOff = 0x000080, kOn = 0x008080, kDown = 0x00FFFF;

// Expects the colour at every point.
void expect(const QImage& image, std::initializer_list<QPoint> points, QRgb color) {
  for (QPoint p : points)
    EXPECT_EQ(image.pixel(p) & RGB_MASK, color) << p.x() << "," << p.y();
}

// The bounding box of the caption's dark pixels right of the picture.
QRect captionBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 20; x < image.width() - 3; ++x)
      if (QColor(image.pixel(x, y)).value() < 100) box |= QRect(x, y, 1, 1);
  return box;
}

// The overview's close button on a red parent, with its own balls: white
// (transparent) in the corners, and at OFF (5, 6), ON (7, 6) and DOWN
// (4, 4) these colours.
struct Fixture {
  QWidget parent;
  TOfficeButton* button = new TOfficeButton(&parent);
  Fixture() {
    parent.resize(82, 22);
    parent.setAutoFillBackground(true);
    parent.setPalette(QPalette(QColor(kParent)));
    button->setGeometry(0, 0, 82, 22);
    button->setCaption(QString::fromUtf8("Schließen"));
  }
  QImage shot() { return parent.grab().toImage(); }
  void enter() {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &event);
  }
  // The left button pressed, moved with or released at pos.
  void mouse(QEvent::Type type, QPoint pos) {
    QMouseEvent event(type, pos, button->mapToGlobal(pos),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
    QApplication::sendEvent(button, &event);
  }
};

TEST(OfficeButton, PaintsItsFourStates) {
  Fixture f;
  // Pictures are looked up by name without regard to case, never by path.
  EXPECT_EQ(loadBitmapResource("off"), f.button->OffGlyph());
  EXPECT_TRUE(loadBitmapResource("../bitmaps/OFF").isNull());
  // Away: one silver pixel round the edge, the parent in the corners, the
  // OFF picture at (7, 5) with its white in the button's colour, the
  // caption 7 pixels right of the centre.
  QImage image = f.shot();
  expect(image, {{0, 11}, {41, 21}}, kSilver);
  expect(image, {{1, 11}, {7, 5}}, kFace);
  expect(image, {{0, 0}, {81, 21}}, kParent);
  expect(image, {{12, 11}}, kOff);
  const QRect caption = captionBox(image);
  EXPECT_NEAR(caption.center().x(), 82 / 2 + 7, 2);
  // Hot: two gray pixels round the edge, white rows 2 and 3 from x = 10 to
  // 71, the ON picture, nothing shifted.
  f.enter();
  image = f.shot();
  expect(image, {{0, 11}, {1, 11}, {41, 20}}, kGray);
  expect(image, {{10, 2}, {71, 3}}, kWhite);
  expect(image, {{9, 3}, {72, 3}}, kFace);
  expect(image, {{14, 11}}, kOn);
  EXPECT_EQ(captionBox(image), caption);
  // Pressed: the hot border, DOWN, picture and caption one pixel down right.
  f.mouse(QEvent::MouseButtonPress, {40, 10});
  image = f.shot();
  expect(image, {{0, 11}}, kGray);
  expect(image, {{8, 6}}, kFace);
  expect(image, {{12, 10}}, kDown);
  EXPECT_EQ(captionBox(image), caption.translated(1, 1));
  // Dragged away: as away; coming back restores the press.
  f.mouse(QEvent::MouseMove, {120, 10});
  image = f.shot();
  expect(image, {{0, 11}}, kSilver);
  expect(image, {{12, 11}}, kOff);
  EXPECT_EQ(captionBox(image), caption);
  f.mouse(QEvent::MouseMove, {40, 10});
  expect(f.shot(), {{12, 10}}, kDown);
}

TEST(OfficeButton, ClicksInsideOnlyAndAClickThatHidesItLeavesItUnhovered) {
  Fixture f;
  QSignalSpy clicks(f.button, &TOfficeButton::clicked);
  f.enter();
  f.mouse(QEvent::MouseButtonPress, {40, 10});
  f.mouse(QEvent::MouseButtonRelease, {90, 10});  // released outside
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_FALSE(f.button->mousePressed());

  // A click that hides the button's window leaves it unhovered.
  f.parent.show();
  QObject::connect(f.button, &TOfficeButton::clicked, &f.parent, &QWidget::hide);
  f.mouse(QEvent::MouseButtonPress, {40, 10});
  f.mouse(QEvent::MouseButtonRelease, {40, 10});
  EXPECT_FALSE(f.parent.isVisible());
  EXPECT_FALSE(f.button->mouseInside() || f.button->mousePressed());
}

TEST(OfficeButton, TabBringsTheFocusAndADottedFrameSpaceClicks) {
  Fixture f;
  auto* edit = new QLineEdit(&f.parent);  // under the mouse pointer, at (0, 0)
  f.button->move(0, 30);
  f.parent.resize(82, 60);
  QSignalSpy clicks(f.button, &TOfficeButton::clicked);
  f.parent.show();
  f.parent.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.parent));
  edit->setFocus();
  const QImage away = f.button->grab().toImage();
  QTest::keyClick(edit, Qt::Key_Tab);
  ASSERT_TRUE(f.button->hasFocus());
  const QImage focused = f.button->grab().toImage();
  // Dots inside the border, the face unchanged between them.
  expect(focused, {{13, 3}, {15, 3}}, 0x000000);
  expect(focused, {{14, 3}}, kFace);
  expect(away, {{13, 3}, {15, 3}}, kFace);
  QTest::keyClick(f.button, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 1);

  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(f.button);
  EXPECT_EQ(button->role(), QAccessible::Button);
  EXPECT_EQ(button->text(QAccessible::Name), QString::fromUtf8("Schließen"));
  button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QApplication::processEvents();
  EXPECT_EQ(clicks.count(), 2);
}

}  // namespace
}  // namespace paxamon
