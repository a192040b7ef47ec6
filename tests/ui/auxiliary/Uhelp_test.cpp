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
    moveFrame(QPoint(100, 50));
  }
  void moveFrame(QPoint topLeft) {
    const QRect frame = frameGeometry(), client = geometry();
    setGeometry(QRect(client.topLeft() + topLeft - frame.topLeft(),
                      QSize(433 - (frame.width() - client.width()), 300)));
    QApplication::processEvents();
    EXPECT_EQ(frameGeometry().topLeft(), topLeft);
    EXPECT_EQ(frameGeometry().width(), 433);
  }
};

TEST(InstructionOverview, TogglesAndDocksAtTheMainWindowEachTimeItIsShown) {
  EXPECT_EQ(TForm3::placement(QRect(100, 50, 433, 300)), QPoint(533, 71));
  MainWindow main;
  TForm3 form(&main);
  EXPECT_FALSE(form.isVisible());
  form.Toggle();
  ASSERT_TRUE(form.isVisible());
  EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(533, 71));
  EXPECT_EQ(form.size(), QSize(183, 388));

  // Moving the main window leaves the overview; showing it again re-docks.
  main.moveFrame(QPoint(200, 80));
  EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(533, 71));
  form.Toggle();
  EXPECT_FALSE(form.isVisible());
  form.Toggle();
  EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(633, 101));

  // The close button and the close box only hide it.
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
  const auto mainActiveAgain = [&] {
    return QTest::qWaitFor([&] { return main.isActiveWindow(); }, 1000);
  };

  // The timer runs from creation: the main window becomes active once.
  TForm3 form(&main);
  EXPECT_TRUE(form.Timer1->isTicking());
  EXPECT_TRUE(mainActiveAgain());
  EXPECT_FALSE(form.Timer1->isTicking());

  // Every activation of the overview is undone by one tick.
  form.Toggle();
  EXPECT_TRUE(mainActiveAgain());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !form.Timer1->isTicking(); }, 1000));
  struct ActivationCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      count += event->type() == QEvent::WindowActivate;
      return false;
    }
  } activations;
  form.installEventFilter(&activations);
  form.activateWindow();
  EXPECT_TRUE(QTest::qWaitFor([&] { return activations.count == 1; }, 1000));
  EXPECT_TRUE(mainActiveAgain());
  EXPECT_FALSE(form.Timer1->isTicking());
  EXPECT_TRUE(form.isVisible());
}

TEST(InstructionOverview, LooksAsDesigned) {
  QWidget main;
  TForm3 form(&main);
  const QImage image = form.grab().toImage();
  EXPECT_EQ(QColor(image.pixel(30, 250)), toQColor(clInfoBk));
  EXPECT_EQ(QColor(image.pixel(150, 20)), toQColor(clAqua));
  EXPECT_EQ(QColor(image.pixel(100, 360)), toQColor(clBtnShadow));
}

}  // namespace
}  // namespace paxamon
