#include "ui/components/bi_btns.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "ui/platform/drawing.h"
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

// Three 12 x 12 frames on a green background: a red, a silver and a blue
// square in the middle (up, disabled, pressed).
QImage threeFrames() {
  QImage strip(36, 12, QImage::Format_RGB32);
  strip.fill(qRgb(0, 255, 0));
  QPainter p(&strip);
  p.fillRect(3, 3, 6, 6, qRgb(200, 0, 0));
  p.fillRect(15, 3, 6, 6, qRgb(192, 192, 192));
  p.fillRect(27, 3, 6, 6, qRgb(0, 0, 255));
  return strip;
}

TEST(GradientButton, GradientRowsRoundingAndLowColor) {
  TBI_GradientButton b;
  asMainWindow(b, "");
  b.setLightColor(clWhite);
  b.setShadowColor(rgbColor(128, 128, 128));
  b.setFlat(true);  // no bevel over the rows
  const QImage rows = shot(b);
  for (auto [y, level] : {std::pair{0, 255}, {1, 250}, {5, 230}, {10, 204}, {12, 194}, {24, 133}})
    expectLevel(rows, {{36, y}}, level);
  EXPECT_EQ(rgbAt(rows, 36, 5), "230,230,230");
  // Each channel runs its own way; halves go to even.
  b.setVertical(false);
  b.resize(4, 3);
  b.setLightColor(rgbColor(0, 10, 7));
  b.setShadowColor(rgbColor(10, 0, 7));
  const QImage across = shot(b);
  const char* columns[] = {"0,10,7", "2,8,7", "5,5,7", "8,2,7"};
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(rgbAt(across, x, 1), columns[x]) << x;

  overrideDisplayColorDepth(8);
  TBI_GradientButton low;
  overrideDisplayColorDepth(0);
  low.setVertical(true);
  low.setLightColor(clWhite);
  EXPECT_EQ(rgbAt(shot(low), 12, 5), "212,208,200");  // plain button face
  low.setPaint256(true);
  const QImage painted = shot(low);  // with a 2-pixel pen
  EXPECT_GT(qRed(painted.pixel(12, 2)), qRed(painted.pixel(12, 20)));
}

TEST(GradientButton, BevelsAndGroupDown) {
  QWidget parent;
  TBI_GradientButton b(&parent), a(&parent), c(&parent), other(&parent), none(&parent);
  a.setGroupIndex(1), c.setGroupIndex(1), other.setGroupIndex(2);
  a.setDown(true), other.setDown(true), none.setDown(true);  // GroupIndex 0: ignored
  b.resize(20, 10);
  b.setLightColor(rgbColor(0, 0, 200));
  b.setShadowColor(rgbColor(0, 0, 200));
  const QImage up = shot(b);
  expectLevel(up, {{19, 5}, {5, 9}, {19, 0}, {0, 9}}, 64);
  expectLevel(up, {{0, 5}, {5, 0}, {0, 0}}, 255);
  expectLevel(up, {{18, 5}, {5, 8}}, 128);
  expectLevel(up, {{1, 1}}, 0);
  b.setGroupIndex(1);
  b.setDown(true);
  const QImage down = shot(b);
  expectLevel(down, {{0, 5}, {5, 0}, {0, 0}}, 64);
  expectLevel(down, {{19, 5}, {5, 9}, {19, 0}, {0, 9}}, 255);
  expectLevel(down, {{1, 5}, {5, 1}}, 128);
  expectLevel(down, {{18, 8}}, 0);
  EXPECT_TRUE(!a.down() && !c.down() && other.down() && !none.down());  // released in the group
  b.setGroupIndex(0);
  EXPECT_FALSE(b.down());

  // Flat: no bevel until the mouse enters; then BevelWidth frames.
  b.setFlat(true);
  b.setBevelWidth(2);
  b.setVertical(true);
  b.setLightColor(rgbColor(250, 0, 0));
  b.setShadowColor(rgbColor(0, 0, 250));
  expectLevel(shot(b), {{19, 0}}, 250);
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
  QApplication::sendEvent(&b, &enter);
  expectLevel(shot(b), {{19, 0}, {18, 1}, {1, 8}}, 0);
  expectLevel(shot(b), {{0, 0}, {1, 5}}, 250);
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(3, 3));
  expectLevel(shot(b), {{19, 0}}, 250);  // sunken
}

TEST(GradientButton, GlyphFramesAndGraying) {
  TBI_GradientButton b;
  QImage two(24, 12, QImage::Format_RGB32);
  two.fill(Qt::yellow);
  b.AssignGlyph(two);
  EXPECT_TRUE(b.numGlyphs() == 2 && b.frameWidth() == 12);
  EXPECT_EQ(b.glyphTransparentColor(), clYellow);
  b.AssignGlyph(QImage(30, 12, QImage::Format_RGB32));
  EXPECT_TRUE(b.numGlyphs() == 2 && b.frameWidth() == 15);  // not a multiple: count kept
  TBI_GradientButton fresh;
  QImage mono(30, 12, QImage::Format_Mono);
  mono.fill(0);
  fresh.AssignGlyph(mono);
  EXPECT_TRUE(fresh.numGlyphs() == 0 && fresh.frameWidth() == 30);
  EXPECT_EQ(fresh.glyphTransparentColor(), clWhite);

  // Glyph at (14, 9) on a 40 x 30 button without caption; its middle at 19, 14.
  b.resize(40, 30);
  b.setLightColor(rgbColor(230, 230, 230));
  b.setShadowColor(rgbColor(100, 100, 100));
  b.setGlyph(threeFrames());
  EXPECT_EQ(rgbAt(shot(b), 19, 14), "200,0,0");
  EXPECT_NE(rgbAt(shot(b), 14, 9), "0,255,0");  // left out
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(rgbAt(shot(b), 19, 14), "0,0,255");
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(3, 3));
  b.setButtonEnabled(false);
  EXPECT_EQ(rgbAt(shot(b), 19, 14), "192,192,192");
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(3, 3));  // ignored
  EXPECT_EQ(b.state(), TBI_basebutton::bsUp);
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(3, 3));
  b.setButtonEnabled(true);
  b.setFlat(true);  // mouse outside: grayed (200 -> shadow)
  EXPECT_EQ(rgbAt(shot(b), 19, 14), "100,100,100");
  b.setGroupIndex(3);
  b.setDown(true);
  EXPECT_EQ(rgbAt(shot(b), 19, 14), "200,0,0");
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
  b.setButtonEnabled(false);  // silver, then gray shifted by 2, 2
  const QImage disabled = shot(b);
  EXPECT_EQ(textStart(disabled), -1);
  QSet<QRgb> colors;
  for (int y = 3; y < 22; ++y)
    for (int x = 3; x < 70; ++x)
      colors << disabled.pixel(x, y);
  EXPECT_TRUE(colors.contains(qRgb(192, 192, 192)) && colors.contains(qRgb(128, 128, 128)));

  int clicks = 0;
  QObject::connect(&b, &TBI_basebutton::clicked, [&] { ++clicks; });
  QTest::mouseClick(&b, Qt::LeftButton);  // disabled: no click
  b.setButtonEnabled(true);
  QTest::mouseClick(&b, Qt::LeftButton);
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(90, 5));  // released outside
  EXPECT_EQ(clicks, 1);
}

TEST(GradientButton, DropDownMarkAndMenu) {
  TBI_GradientButton b;
  asMainWindow(b, "");
  auto menu = std::make_unique<QMenu>();
  b.setDropDownMenu(menu.get());
  const QPoint mark(73 / 2 + 4, 25 / 2 - textExtent(b.font(), "").height() / 2 + 1);
  EXPECT_EQ(rgbAt(shot(b), mark.x(), mark.y()), "0,0,0");
  // A press shows the button up again and opens the menu below it.
  b.setFlat(true);
  menu->addAction("Eintrag");
  QPoint shownAt;
  bool upWhileOpen = false;
  QTimer::singleShot(50, [&] {
    shownAt = menu->pos();
    upWhileOpen = b.state() == TBI_basebutton::bsUp && menu->isVisible();
    menu->close();
  });
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(upWhileOpen);
  EXPECT_LE((shownAt - b.mapToGlobal(QPoint(0, 25))).manhattanLength(), 4);  // style's margin
  EXPECT_FALSE(b.showBevel());
  b.setFlat(false);
  menu.reset();
  EXPECT_EQ(b.dropDownMenu(), nullptr);
  EXPECT_NE(rgbAt(shot(b), mark.x(), mark.y()), "0,0,0");
}

TEST(GradientButton, AcceleratorWinsOverMenuTitle) {
  QWidget window;
  auto* bar = new QMenuBar(&window);
  QMenu* ablauf = bar->addMenu("&Ablauf");
  ablauf->addAction("&Ausführen");
  auto* edit = new QLineEdit(&window);
  auto* run = new TBI_GradientButton(&window);
  asMainWindow(*run, " &Ausführen");
  int clicks = 0, presses = 0;
  QObject::connect(run, &TBI_basebutton::clicked, [&] { ++clicks; });
  QObject::connect(run, &TBI_basebutton::mouseDown, [&] { ++presses; });
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);
  EXPECT_TRUE(clicks == 1 && presses == 1);
  EXPECT_FALSE(ablauf->isVisible());

  run->setButtonEnabled(false);  // a disabled button leaves the key to the menu
  QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(ablauf->isVisible());
  ablauf->close();
  run->setButtonEnabled(true);
  EXPECT_FALSE(run->DialogChar(QChar('d')));
}

}  // namespace
}  // namespace paxamon
