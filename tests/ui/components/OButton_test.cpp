#include "ui/components/OButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalSpy>

namespace paxamon {
namespace {

const QRgb kParent = qRgb(255, 0, 0) & RGB_MASK;    // what shows outside the button
const QRgb kFace = qRgb(255, 255, 200) & RGB_MASK;  // $C8FFFF
const QRgb kSilver = qRgb(192, 192, 192) & RGB_MASK;
const QRgb kGray = qRgb(128, 128, 128) & RGB_MASK;
const QRgb kWhite = qRgb(255, 255, 255) & RGB_MASK;
const QRgb kOff = qRgb(0, 0, 128) & RGB_MASK;
const QRgb kOn = qRgb(0, 128, 128) & RGB_MASK;
const QRgb kDown = qRgb(0, 255, 255) & RGB_MASK;

QRgb at(const QImage& image, int x, int y) {
  return image.pixel(x, y) & RGB_MASK;
}

// A picture in one colour with white, the transparent colour, at (1, 1).
QImage ball(QRgb colour, QSize size = {11, 11}) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(colour);
  picture.setPixel(1, 1, kWhite);
  return picture;
}

void mouse(QWidget& w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  if (type == QEvent::MouseMove) button = Qt::NoButton;
  QMouseEvent event(type, pos, w.mapToGlobal(pos), button, held, Qt::NoModifier);
  QApplication::sendEvent(&w, &event);
}
void enter(QWidget& w) {
  QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&w, &event);
}

// The overview's close button on a red parent.
struct Fixture {
  QWidget parent;
  TOfficeButton* button = new TOfficeButton(&parent);
  explicit Fixture(bool ownPictures = true, QColor background = QColor(kParent)) {
    parent.resize(82, 22);
    parent.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, background);
    parent.setPalette(palette);
    button->setGeometry(0, 0, 82, 22);
    button->setCaption(QString::fromUtf8("Schließen"));
    if (!ownPictures) return;
    button->setOffGlyph(ball(kOff));
    button->setOnGlyph(ball(kOn));
    button->setDownGlyph(ball(kDown));
  }
  QImage shot() { return parent.grab().toImage(); }
};

// The bounding box of the caption's dark pixels right of the picture.
QRect captionBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 20; x < image.width() - 3; ++x)
      if (QColor(image.pixel(x, y)).value() < 100) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(OfficeButton, LoadsItsThreeBallsFromTheResources) {
  TOfficeButton b;
  for (const QImage* picture : {&b.OffGlyph(), &b.OnGlyph(), &b.DownGlyph()}) {
    ASSERT_EQ(picture->size(), QSize(11, 11));
    EXPECT_EQ(at(*picture, 0, 0), kWhite);
    EXPECT_NE(at(*picture, 5, 5), kWhite);
  }
  EXPECT_EQ(at(b.OffGlyph(), 5, 6), kOff);
  EXPECT_EQ(at(b.OnGlyph(), 7, 6), kOn);
  EXPECT_EQ(at(b.DownGlyph(), 4, 4), kDown);
  b.setBorderWidth(7);
  EXPECT_EQ(b.BorderWidth(), 3);
}

TEST(OfficeButton, PaintsItsFourStates) {
  Fixture f;
  // Away: one silver pixel round the edge, the parent in the corners, the
  // OFF picture at (7, 5) with its white pixel in the button's colour.
  QImage image = f.shot();
  for (QPoint p : {QPoint(0, 11), QPoint(81, 11), QPoint(41, 0), QPoint(41, 21)})
    EXPECT_EQ(at(image, p.x(), p.y()), kSilver) << p.x() << "," << p.y();
  for (QPoint p : {QPoint(1, 11), QPoint(41, 1), QPoint(8, 6), QPoint(18, 15)})
    EXPECT_EQ(at(image, p.x(), p.y()), kFace) << p.x() << "," << p.y();
  for (QPoint p : {QPoint(0, 0), QPoint(81, 0), QPoint(0, 21), QPoint(81, 21)})
    EXPECT_EQ(at(image, p.x(), p.y()), kParent) << p.x() << "," << p.y();
  EXPECT_EQ(at(image, 7, 5), kOff);
  EXPECT_EQ(at(image, 17, 15), kOff);
  const QRect caption = captionBox(image);
  EXPECT_NEAR(caption.center().x(), 82 / 2 + 7, 2);  // 7 pixels right of centre
  EXPECT_NEAR(caption.center().y(), 11, 3);

  // Hot: two gray pixels round the edge, white rows 2 and 3 from x = 10 to
  // 71, the ON picture, nothing shifted.
  enter(*f.button);
  image = f.shot();
  for (int x : {0, 1, 80, 81})
    EXPECT_EQ(at(image, x, 11), kGray) << x;
  for (int y : {0, 1, 20, 21})
    EXPECT_EQ(at(image, 41, y), kGray) << y;
  EXPECT_EQ(at(image, 2, 11), kFace);
  EXPECT_EQ(at(image, 81, 21), kParent);
  for (int x : {10, 71})
    EXPECT_TRUE(at(image, x, 2) == kWhite && at(image, x, 3) == kWhite);
  EXPECT_TRUE(at(image, 9, 3) != kWhite && at(image, 72, 3) != kWhite && at(image, 41, 4) == kFace);
  EXPECT_EQ(at(image, 7, 5), kOn);
  EXPECT_EQ(captionBox(image), caption);

  // Pressed: the hot border, DOWN, picture and caption one pixel down right.
  mouse(*f.button, QEvent::MouseButtonPress, {40, 10});
  image = f.shot();
  EXPECT_EQ(at(image, 0, 11), kGray);
  EXPECT_EQ(at(image, 41, 2), kWhite);
  EXPECT_EQ(at(image, 7, 5), kFace);
  EXPECT_EQ(at(image, 8, 6), kDown);
  EXPECT_EQ(at(image, 9, 7), kFace);
  EXPECT_EQ(captionBox(image), caption.translated(1, 1));

  // Dragged away: silver, OFF, no shift; coming back restores the press.
  mouse(*f.button, QEvent::MouseMove, {120, 10});
  image = f.shot();
  EXPECT_EQ(at(image, 0, 11), kSilver);
  EXPECT_EQ(at(image, 7, 5), kOff);
  EXPECT_EQ(captionBox(image), caption);
  mouse(*f.button, QEvent::MouseMove, {40, 10});
  EXPECT_EQ(at(f.shot(), 8, 6), kDown);

  // BorderColor is only stored; it shows at the next repaint.
  f.button->setBorderColor(clBlue);
  EXPECT_EQ(at(f.shot(), 0, 11), qRgb(0, 0, 255) & RGB_MASK);
}

TEST(OfficeButton, ClicksAndPresses) {
  Fixture f;
  QSignalSpy clicks(f.button, &TOfficeButton::clicked);
  QSignalSpy doubles(f.button, &TOfficeButton::doubleClicked);
  // A right press without an enter: OFF and silver, but shifted; no click.
  mouse(*f.button, QEvent::MouseButtonPress, {40, 10}, Qt::RightButton);
  const QImage image = f.shot();
  EXPECT_TRUE(at(image, 0, 11) == kSilver && at(image, 8, 6) == kOff);
  mouse(*f.button, QEvent::MouseButtonRelease, {40, 10}, Qt::RightButton);
  EXPECT_EQ(f.button->pressOffset(), 0);
  EXPECT_EQ(clicks.count(), 0);

  enter(*f.button);
  mouse(*f.button, QEvent::MouseButtonPress, {40, 10});
  mouse(*f.button, QEvent::MouseButtonRelease, {90, 10});  // released outside
  EXPECT_EQ(clicks.count(), 0);
  // A double click gives one click and one double click.
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
    mouse(*f.button, type, {40, 10});
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(doubles.count(), 1);
  EXPECT_FALSE(f.button->mousePressed());

  // A click that hides the button's window leaves it unhovered.
  f.parent.show();
  QObject::connect(f.button, &TOfficeButton::clicked, &f.parent, &QWidget::hide);
  mouse(*f.button, QEvent::MouseButtonPress, {40, 10});
  mouse(*f.button, QEvent::MouseButtonRelease, {40, 10});
  EXPECT_FALSE(f.parent.isVisible());
  EXPECT_FALSE(f.button->mouseInside() || f.button->mousePressed());
}

TEST(OfficeButton, PicturesAreCutToTheOffPicture) {
  Fixture f;
  f.button->setOnGlyph(ball(kOn, {30, 30}));
  enter(*f.button);
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

TEST(OfficeButton, Gallery) {
  // With the default pictures on the overview's pale yellow, in its four
  // states; saved into $PAXAMON_GALLERY when set, enlarged.
  const QString folder = qEnvironmentVariable("PAXAMON_GALLERY");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  const char* names[] = {"away", "hot", "pressed", "pressed-away"};
  for (int state = 0; state < 4; ++state) {
    Fixture f(false, toQColor(clInfoBk));
    if (state >= 1) enter(*f.button);
    if (state >= 2) mouse(*f.button, QEvent::MouseButtonPress, {40, 10});
    if (state == 3) mouse(*f.button, QEvent::MouseMove, {120, 10});
    f.shot()
        .scaled(82 * 4, 22 * 4)
        .save(QDir(folder).filePath(QString("officebutton-") + names[state] + ".png"));
  }
}

}  // namespace
}  // namespace paxamon
