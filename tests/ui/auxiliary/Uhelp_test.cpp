#include "ui/auxiliary/Uhelp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>

#include "ui/components/OButton.h"
#include "ui/platform/colors.h"
#include "ui/platform/windowtimer.h"

namespace paxamon {
namespace {

// A stand-in main window, shown and active, its outer frame at (100, 50)
// and 433 pixels wide.
struct MainWindow : QWidget {
  MainWindow() {
    show();
    activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(this));
    moveFrame(QPoint(100, 50), 433);
  }
  void moveFrame(QPoint topLeft, int outerWidth) {
    const QRect frame = frameGeometry(), client = geometry();
    setGeometry(QRect(client.topLeft() + topLeft - frame.topLeft(),
                      QSize(outerWidth - (frame.width() - client.width()), 300)));
    QApplication::processEvents();
    EXPECT_EQ(frameGeometry().topLeft(), topLeft);
    EXPECT_EQ(frameGeometry().width(), outerWidth);
  }
};

struct ActivationCounter : QObject {
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) ++count;
    return false;
  }
};

TEST(InstructionOverview, DocksAtTheMainWindowEachTimeItIsShown) {
  EXPECT_EQ(TForm3::placement(QRect(100, 50, 433, 300)), QPoint(533, 71));

  MainWindow main;
  TForm3 form(&main);
  EXPECT_FALSE(form.isVisible());
  form.Toggle();
  ASSERT_TRUE(form.isVisible());
  EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(533, 71));
  EXPECT_EQ(form.size(), QSize(183, 388));

  // Moving the main window leaves the overview; showing it again re-docks.
  main.moveFrame(QPoint(200, 80), 433);
  EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(533, 71));
  form.Toggle();
  EXPECT_FALSE(form.isVisible());
  form.Toggle();
  EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(633, 101));
}

TEST(InstructionOverview, CloseButtonAndCloseBoxOnlyHide) {
  MainWindow main;
  TForm3 form(&main);
  form.Toggle();
  QTest::mouseClick(form.OfficeButton1, Qt::LeftButton, {}, QPoint(40, 10));
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(main.isVisible());
  form.Toggle();
  EXPECT_TRUE(form.close());
  EXPECT_FALSE(form.isVisible());
  form.Toggle();
  EXPECT_TRUE(form.isVisible());
}

TEST(InstructionOverview, HandsActivationBackToTheMainWindow) {
  MainWindow main;
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));

  // The timer runs from creation: the main window becomes active once.
  TForm3 form(&main);
  EXPECT_TRUE(form.Timer1->isTicking());
  EXPECT_TRUE(QTest::qWaitFor([&] { return main.isActiveWindow(); }, 1000));
  EXPECT_FALSE(form.Timer1->isTicking());

  // Every activation of the overview is undone by one tick.
  form.Toggle();
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return main.isActiveWindow() && !form.Timer1->isTicking(); }, 1000));
  ActivationCounter activations;
  form.installEventFilter(&activations);
  form.activateWindow();
  EXPECT_TRUE(QTest::qWaitFor([&] { return activations.count == 1; }, 1000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return main.isActiveWindow(); }, 1000));
  EXPECT_FALSE(form.Timer1->isTicking());
  EXPECT_TRUE(form.isVisible());
}

TEST(InstructionOverview, Gallery) {
  // The window as designed; saved into $PAXAMON_GALLERY when set.
  QWidget main;
  TForm3 form(&main);
  const QImage image = form.grab().toImage();
  EXPECT_EQ(image.size(), QSize(183, 388));
  EXPECT_EQ(QColor(image.pixel(30, 250)), toQColor(clInfoBk));
  EXPECT_EQ(QColor(image.pixel(150, 20)), toQColor(clAqua));
  EXPECT_EQ(QColor(image.pixel(100, 360)), toQColor(clBtnShadow));
  const QString folder = qEnvironmentVariable("PAXAMON_GALLERY");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  image.save(QDir(folder).filePath("overview.png"));
  image.scaled(image.size() * 3).save(QDir(folder).filePath("overview-3x.png"));
}

}  // namespace
}  // namespace paxamon
