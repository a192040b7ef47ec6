#include "ui/components/bi_btns.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>
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

int gray(const QImage& image, int x, int y) {
  return qRed(image.pixel(x, y));
}

std::string rgbAt(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return std::to_string(qRed(p)) + "," + std::to_string(qGreen(p)) + "," + std::to_string(qBlue(p));
}

// Saves into $PAXAMON_GALLERY (when set), enlarged so single pixels show.
void keep(const QImage& image, const QString& name) {
  const QString folder = qEnvironmentVariable("PAXAMON_GALLERY");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  image.scaled(image.size() * 4).save(QDir(folder).filePath(name + ".png"));
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

int darkPixels(const QImage& image) {
  int count = 0;
  for (int y = 2; y < image.height() - 2; ++y)
    for (int x = 2; x < image.width() - 2; ++x)
      count += qRed(image.pixel(x, y)) < 100;
  return count;
}

TEST(GradientButton, GradientRowsAndRounding) {
  TBI_GradientButton b;
  asMainWindow(b, "");
  b.setLightColor(clWhite);
  b.setShadowColor(rgbColor(128, 128, 128));
  b.setFlat(true);  // no bevel over the rows
  const QImage rows = shot(b);
  const int expected[][2] = {{0, 255}, {1, 250}, {5, 230}, {10, 204}, {12, 194}, {24, 133}};
  for (auto [y, level] : expected) {
    const std::string l = std::to_string(level);
    EXPECT_EQ(rgbAt(rows, 36, y), l + "," + l + "," + l) << "row " << y;
  }
  // Each channel runs its own way; halves go to even.
  b.setVertical(false);
  b.resize(4, 3);
  b.setLightColor(rgbColor(0, 10, 7));
  b.setShadowColor(rgbColor(10, 0, 7));
  const QImage across = shot(b);
  const char* columns[] = {"0,10,7", "2,8,7", "5,5,7", "8,2,7"};
  for (int x = 0; x < 4; ++x)
    EXPECT_EQ(rgbAt(across, x, 1), columns[x]) << "column " << x;
}

TEST(GradientButton, LowColorDisplay) {
  overrideDisplayColorDepth(8);
  TBI_GradientButton b;
  overrideDisplayColorDepth(0);
  ASSERT_TRUE(b.lowColor());
  b.setVertical(true);
  b.setLightColor(clWhite);
  b.setShadowColor(clBlack);
  EXPECT_EQ(rgbAt(shot(b), 12, 5), "212,208,200");  // plain button face
  b.setPaint256(true);
  const QImage painted = shot(b);  // drawn with a 2-pixel pen
  EXPECT_GT(gray(painted, 12, 2), gray(painted, 12, 12));
  EXPECT_GT(gray(painted, 12, 12), gray(painted, 12, 22));
  EXPECT_FALSE(TBI_GradientButton().lowColor());
}

TEST(GradientButton, Bevels) {
  TBI_GradientButton b;
  b.resize(20, 10);
  b.setLightColor(rgbColor(0, 0, 200));
  b.setShadowColor(rgbColor(0, 0, 200));
  QImage up = shot(b);
  for (auto [x, y] : {std::pair{19, 5}, {5, 9}, {19, 0}, {0, 9}})
    EXPECT_EQ(gray(up, x, y), 64);
  for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {0, 0}})
    EXPECT_EQ(gray(up, x, y), 255);
  for (auto [x, y] : {std::pair{18, 5}, {5, 8}})
    EXPECT_EQ(gray(up, x, y), 128);
  EXPECT_EQ(rgbAt(up, 1, 1), "0,0,200");
  b.setGroupIndex(1);
  b.setDown(true);
  const QImage down = shot(b);
  for (auto [x, y] : {std::pair{0, 5}, {5, 0}, {0, 0}})
    EXPECT_EQ(gray(down, x, y), 64);
  for (auto [x, y] : {std::pair{19, 5}, {5, 9}, {19, 0}, {0, 9}})
    EXPECT_EQ(gray(down, x, y), 255);
  for (auto [x, y] : {std::pair{1, 5}, {5, 1}})
    EXPECT_EQ(gray(down, x, y), 128);
  EXPECT_EQ(rgbAt(down, 18, 8), "0,0,200");

  // Flat: no bevel until the mouse enters; then BevelWidth frames.
  b.setDown(false);
  b.setFlat(true);
  b.setBevelWidth(2);
  b.setVertical(true);
  b.setLightColor(rgbColor(250, 0, 0));
  b.setShadowColor(rgbColor(0, 0, 250));
  EXPECT_EQ(rgbAt(shot(b), 19, 0), "250,0,0");
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
  QApplication::sendEvent(&b, &enter);
  const QImage hover = shot(b);
  EXPECT_EQ(rgbAt(hover, 19, 0), "0,0,250");
  EXPECT_EQ(rgbAt(hover, 18, 1), "0,0,250");
  EXPECT_EQ(rgbAt(hover, 1, 5), "250,0,0");
  EXPECT_EQ(rgbAt(hover, 1, 8), "0,0,250");
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(b.state(), TBI_basebutton::bsPressed);
  EXPECT_EQ(rgbAt(shot(b), 19, 0), "250,0,0");  // sunken
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(3, 3));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&b, &leave);
  EXPECT_FALSE(b.showBevel());
}

TEST(GradientButton, GroupDown) {
  QWidget parent;
  TBI_GradientButton a(&parent), b(&parent), c(&parent), other(&parent), none(&parent);
  for (auto* button : {&a, &b, &c})
    button->setGroupIndex(1);
  other.setGroupIndex(2);
  a.setDown(true);
  other.setDown(true);
  none.setDown(true);  // GroupIndex 0: ignored
  EXPECT_FALSE(none.down());
  b.setDown(true);
  EXPECT_FALSE(a.down());
  EXPECT_TRUE(b.down());
  EXPECT_TRUE(other.down());
  b.setGroupIndex(0);
  EXPECT_FALSE(b.down());
}

TEST(GradientButton, GlyphFramesAndGraying) {
  TBI_GradientButton b;
  QImage two(24, 12, QImage::Format_RGB32);
  two.fill(Qt::yellow);
  b.AssignGlyph(two);
  EXPECT_EQ(b.numGlyphs(), 2);
  EXPECT_EQ(b.frameWidth(), 12);
  EXPECT_EQ(b.glyphTransparentColor(), clYellow);
  b.AssignGlyph(QImage(30, 12, QImage::Format_RGB32));
  EXPECT_EQ(b.numGlyphs(), 2);  // not a multiple: frame count kept
  EXPECT_EQ(b.frameWidth(), 15);
  TBI_GradientButton fresh;
  QImage mono(30, 12, QImage::Format_Mono);
  mono.fill(0);
  fresh.AssignGlyph(mono);
  EXPECT_EQ(fresh.numGlyphs(), 0);
  EXPECT_EQ(fresh.frameWidth(), 30);
  EXPECT_EQ(fresh.glyphTransparentColor(), clWhite);
  fresh.AssignGlyph(QImage());
  EXPECT_EQ(fresh.frameWidth(), 0);

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

TEST(GradientButton, CaptionClickAndDropDownMark) {
  TBI_GradientButton b;
  asMainWindow(b, " Ausfuhren");
  QFont font = b.font();
  font.setStyleStrategy(QFont::NoAntialias);
  b.setFont(font);
  const QImage plain = shot(b);
  b.setCaption(" &Ausfuhren");
  const QImage marked = shot(b);
  // Measured with the "&", drawn without it but with an underline.
  const auto leftmost = [](const QImage& image) {
    for (int x = 2; x < image.width(); ++x)
      for (int y = 2; y < image.height() - 2; ++y)
        if (qRed(image.pixel(x, y)) < 100) return x;
    return -1;
  };
  EXPECT_LT(leftmost(marked), leftmost(plain));
  EXPECT_GT(darkPixels(marked), darkPixels(plain));
  b.setButtonEnabled(false);
  const QImage disabled = shot(b);
  bool silver = false, grayText = false;
  for (int y = 0; y < 25; ++y)
    for (int x = 2; x < 71; ++x) {
      silver |= disabled.pixel(x, y) == qRgb(192, 192, 192);
      grayText |= disabled.pixel(x, y) == qRgb(128, 128, 128) && y > 3 && y < 22;
    }
  EXPECT_TRUE(silver && grayText);

  int clicks = 0;
  QObject::connect(&b, &TBI_basebutton::clicked, [&] { ++clicks; });
  QTest::mouseClick(&b, Qt::LeftButton);  // disabled: no click
  b.setButtonEnabled(true);
  QTest::mouseClick(&b, Qt::LeftButton);
  QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(90, 5));  // released outside
  EXPECT_EQ(clicks, 1);

  b.setCaption("");
  auto menu = std::make_unique<QMenu>();
  b.setDropDownMenu(menu.get());
  const QSize text = textExtent(b.font(), "");
  const int mx = 73 / 2 + 1 + 2, ty = 25 / 2 - text.height() / 2;
  EXPECT_EQ(rgbAt(shot(b), mx + 1, ty + 1), "0,0,0");
  menu.reset();
  EXPECT_EQ(b.dropDownMenu(), nullptr);
  EXPECT_NE(rgbAt(shot(b), mx + 1, ty + 1), "0,0,0");
}

TEST(GradientButton, AcceleratorWinsOverMenuTitle) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* bar = new QMenuBar(&window);
  QMenu* ablauf = bar->addMenu("&Ablauf");
  QMenu* datei = bar->addMenu("&Datei");
  ablauf->addAction("&Ausführen");
  datei->addAction("&Beenden");
  layout->setMenuBar(bar);
  auto* edit = new QLineEdit(&window);
  layout->addWidget(edit);
  auto* run = new TBI_GradientButton(&window);
  asMainWindow(*run, " &Ausführen");
  layout->addWidget(run);
  int clicks = 0, presses = 0;
  QObject::connect(run, &TBI_basebutton::clicked, [&] { ++clicks; });
  QObject::connect(
      run, &TBI_basebutton::mouseDown,
      [&](Qt::MouseButton button, auto, auto, int, int) { presses += button == Qt::LeftButton; });
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  edit->setFocus();

  QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(presses, 1);
  EXPECT_FALSE(ablauf->isVisible());
  EXPECT_TRUE(edit->text().isEmpty());

  run->setButtonEnabled(false);  // a disabled button leaves the key to the menu
  QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(ablauf->isVisible());
  ablauf->close();
  run->setButtonEnabled(true);
  EXPECT_FALSE(run->DialogChar(QChar('d')));
  EXPECT_TRUE(run->DialogChar(QChar('a')));
  EXPECT_EQ(clicks, 2);
}

TEST(GradientButton, Gallery) {
  const auto make = [](const QString& caption) {
    auto b = std::make_unique<TBI_GradientButton>();
    asMainWindow(*b, caption);
    return b;
  };
  auto normal = make(" &Ausführen");
  const QImage base = shot(*normal);
  keep(base, "button-normal");
  EXPECT_EQ(gray(base, 36, 0), 255);
  EXPECT_EQ(gray(base, 36, 24), 64);

  auto credits = make(" Das Kino &verlassen");
  credits->resize(110, 20);
  credits->setLightColor(clSilver);
  credits->setShadowColor(clGray);
  keep(shot(*credits), "button-credits");

  auto pressed = make(" &Ausführen");
  QTest::mousePress(pressed.get(), Qt::LeftButton, {}, QPoint(5, 5));
  const QImage pressedShot = shot(*pressed);
  keep(pressedShot, "button-pressed");
  EXPECT_EQ(gray(pressedShot, 0, 12), 64);
  QTest::mouseRelease(pressed.get(), Qt::LeftButton, {}, QPoint(5, 5));

  auto disabled = make(" &Beenden");
  disabled->setButtonEnabled(false);
  keep(shot(*disabled), "button-disabled");

  auto horizontal = make("Links");
  horizontal->setVertical(false);
  horizontal->setLightColor(clYellow);
  horizontal->setShadowColor(clMaroon);
  horizontal->setGlyph(threeFrames());
  keep(shot(*horizontal), "button-horizontal-glyph");

  const char* layouts[] = {"left", "right", "top", "bottom"};
  for (TButtonLayout l : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
    auto b = make("&Glyph");
    b->resize(73, 45);
    b->setLayout(l);
    b->setGlyph(threeFrames());
    auto menu = std::make_unique<QMenu>();
    b->setDropDownMenu(menu.get());
    const QImage image = shot(*b);
    EXPECT_NE(image, base);
    keep(image, QString("button-layout-%1").arg(layouts[l]));
  }

  auto flat = make("Flach");
  flat->setFlat(true);
  flat->setGlyph(threeFrames());
  keep(shot(*flat), "button-flat-outside");
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
  QApplication::sendEvent(flat.get(), &enter);
  keep(shot(*flat), "button-flat-hover");
}

}  // namespace
}  // namespace paxamon
