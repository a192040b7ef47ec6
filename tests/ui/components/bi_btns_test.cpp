#include "ui/components/bi_btns.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <string>

#include "ui/platform/fonts.h"

namespace paxamon {
namespace {

QImage shot(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  widget.render(&image);
  return image;
}

std::string rgbAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return std::to_string(qRed(p)) + "," + std::to_string(qGreen(p)) + "," + std::to_string(qBlue(p));
}

// Expects the red channel `level` at every point.
void expectLevel(const QImage& image, std::initializer_list<QPoint> points, int level) {
  for (QPoint p : points)
    EXPECT_EQ(qRed(image.pixel(p)), level) << p.x() << "," << p.y();
}

// A button set up as the main window's.
void asMainWindow(TBI_GradientButton& b, const QString& caption) {
  b.resize(73, 25);
  b.setCaption(caption);
  b.setFont(makeFont("MS Sans Serif", 11));
  b.setFontColor(clBlack);
  b.setPaint256(true);
  b.setVertical(true);
}

TEST(GradientButton, GradientRowsRoundHalvesToEven) {
  TBI_GradientButton b;
  asMainWindow(b, "");
  b.setLightColor(clWhite);
  b.setShadowColor(rgbColor(128, 128, 128));
  expectLevel(shot(b), {{36, 5}}, 230);
  expectLevel(shot(b), {{36, 12}}, 194);
  // Each channel runs its own way.
  b.setVertical(false);
  b.resize(4, 3);
  b.setBevelWidth(0);
  b.setLightColor(rgbColor(0, 10, 7));
  b.setShadowColor(rgbColor(10, 0, 7));
  const QImage across = shot(b);
  const char* columns[] = {"0,10,7", "2,8,7", "5,5,7", "8,2,7"};
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(rgbAt(across, x, 1), columns[x]) << x;
}

TEST(GradientButton, BevelRaisedOrSunkenWhilePressed) {
  TBI_GradientButton b;
  b.resize(20, 10);
  b.setLightColor(rgbColor(0, 0, 200));  // red 0 apart from the bevel
  b.setShadowColor(rgbColor(0, 0, 200));
  const QImage up = shot(b);
  expectLevel(up, {{19, 5}, {5, 9}, {19, 0}, {0, 9}}, 64);
  expectLevel(up, {{0, 5}, {5, 0}}, 255);
  expectLevel(up, {{18, 5}, {5, 8}}, 128);
  QTest::mousePress(&b, Qt::LeftButton);
  const QImage down = shot(b);
  expectLevel(down, {{0, 5}, {5, 0}}, 64);
  expectLevel(down, {{19, 5}, {5, 9}}, 255);
  expectLevel(down, {{1, 5}, {5, 1}}, 128);
}

TEST(GradientButton, CaptionAndClicks) {
  TBI_GradientButton b;
  asMainWindow(b, " Ausfuhren");
  QFont font = b.font();
  font.setStyleStrategy(QFont::NoAntialias);
  b.setFont(font);
  // Where the dark caption pixels of row 12 start.
  const auto textStart = [](const QImage& image) {
    for (int x = 2; x < 71; ++x)
      if (qRed(image.pixel(x, 12)) < 100) return x;
    return -1;
  };
  const QImage plain = shot(b);
  b.setCaption(" &Ausfuhren");
  const QImage marked = shot(b);
  // Measured with the "&" and so drawn further left, without it; the A
  // is underlined.
  EXPECT_LT(textStart(marked), textStart(plain));
  EXPECT_NE(marked.copy(0, 16, 73, 4), plain.copy(0, 16, 73, 4));
  b.setButtonEnabled(false);  // grayed: no black caption
  EXPECT_EQ(textStart(shot(b)), -1);

  int clicks = 0;
  QObject::connect(&b, &TBI_basebutton::clicked, [&] { ++clicks; });
  QTest::mouseClick(&b, Qt::LeftButton);  // disabled: no click
  b.setButtonEnabled(true);
  QTest::mouseClick(&b, Qt::LeftButton);
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(90, 5));  // released outside
  EXPECT_EQ(clicks, 1);
}

TEST(GradientButton, AcceleratorWinsOverMenuTitle) {
  QWidget window;
  auto* bar = new QMenuBar(&window);
  QMenu* ablauf = bar->addMenu("&Ablauf");
  ablauf->addAction("&Ausführen");
  auto* edit = new QLineEdit(&window);
  auto* run = new TBI_GradientButton(&window);
  asMainWindow(*run, " &Ausführen");
  int clicks = 0;
  QObject::connect(run, &TBI_basebutton::clicked, [&] { ++clicks; });
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(ablauf->isVisible());

  run->setButtonEnabled(false);  // a disabled button leaves the key to the menu
  QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(ablauf->isVisible());
  ablauf->close();

  // A click leaves the keyboard focus where it is. Assistive technology
  // presses the button once its request has been answered, not while
  // disabled, and learns the accelerator as its key.
  edit->setFocus();
  run->setButtonEnabled(true);
  QTest::mouseClick(run, Qt::LeftButton);
  EXPECT_TRUE(edit->hasFocus());
  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(run);
  const QString press = QAccessibleActionInterface::pressAction();
  EXPECT_EQ(button->actionInterface()->keyBindingsForAction(press), QStringList{"Alt+A"});
  button->actionInterface()->doAction(press);
  EXPECT_EQ(clicks, 2);
  QApplication::processEvents();
  EXPECT_EQ(clicks, 3);
  run->setButtonEnabled(false);
  EXPECT_TRUE(button->state().disabled);
  EXPECT_FALSE(button->actionInterface()->actionNames().contains(press));
  run->setFocus(Qt::TabFocusReason);
  QTest::keyClick(run, Qt::Key_Space);
  EXPECT_EQ(clicks, 3);
}

}  // namespace
}  // namespace paxamon
