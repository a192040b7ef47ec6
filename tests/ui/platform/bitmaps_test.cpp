#include "ui/platform/bitmaps.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QResource>
#include <QTemporaryDir>

namespace paxamon {
namespace {

// A 3 x 2 picture: red, white, blue over white, white, black.
const char* const kPicture =
    "/* XPM */\n"
    "static const char* const pic[] = {\n"
    "\"3 2 4 1\",\n"
    "\"r c #FF0000\",\n"
    "\"w c #FFFFFF\",\n"
    "\"b c #0000FF\",\n"
    "\"k c #000000\",\n"
    "\"rwb\",\n"
    "\"wwk\"};\n";

// Compiles a resource file that holds the picture as ":/bitmaps/TESTPIC"
// and a broken one as ":/bitmaps/BROKEN" and registers it. The resource
// compiler of the Qt installation does the work, as it does for the build.
class BitmapResource : public testing::Test {
 protected:
  void SetUp() override {
    const QString rcc = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + "/rcc";
    if (!QFile::exists(rcc)) GTEST_SKIP() << "no resource compiler at " << rcc.toStdString();
    ASSERT_TRUE(dir_.isValid());
    write("pic.xpm", kPicture);
    write("broken.xpm", "not a picture");
    write("test.qrc",
          "<RCC><qresource prefix=\"/bitmaps\">"
          "<file alias=\"TESTPIC\">pic.xpm</file>"
          "<file alias=\"BROKEN\">broken.xpm</file>"
          "</qresource></RCC>");
    rccFile_ = dir_.filePath("test.rcc");
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.start(rcc, {"--binary", "test.qrc", "-o", rccFile_});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    ASSERT_TRUE(QResource::registerResource(rccFile_));
  }
  void TearDown() override {
    if (!rccFile_.isEmpty()) QResource::unregisterResource(rccFile_);
  }
  void write(const QString& name, const char* text) {
    QFile file(dir_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  QTemporaryDir dir_;
  QString rccFile_;
};

TEST_F(BitmapResource, LoadsByNameWithoutRegardToCase) {
  for (const char* name : {"TESTPIC", "testpic", "TestPic"}) {
    const QImage picture = loadBitmapResource(name);
    ASSERT_FALSE(picture.isNull()) << name;
    EXPECT_EQ(picture.size(), QSize(3, 2));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(picture.pixel(2, 1), qRgb(0, 0, 0));
  }
}

TEST_F(BitmapResource, MissingOrUnreadableResourcesGiveNullPictures) {
  EXPECT_TRUE(loadBitmapResource("NOSUCH").isNull());
  EXPECT_TRUE(loadBitmapResource("").isNull());
  EXPECT_TRUE(loadBitmapResource("BROKEN").isNull());
  // A name is not a path.
  EXPECT_TRUE(loadBitmapResource("../bitmaps/TESTPIC").isNull());
  EXPECT_TRUE(loadBitmapResource("/TESTPIC").isNull());
}

}  // namespace
}  // namespace paxamon
