// The about box: its picture decoded with libjpeg, and the version text.
#include "about_box/about_form.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTest>

#include "about_box/jpeg_image.h"

// Resources of a static library are registered by hand, outside any namespace.
static void RegisterResources() { Q_INIT_RESOURCE(morvane); }

namespace {

TEST(DecodeJpeg, DecodesThePictureAndRefusesDamagedData) {
  RegisterResources();
  QFile file(":/about_picture.jpg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray data = file.readAll();
  const QImage picture = DecodeJpeg(data);
  EXPECT_EQ(picture.size(), QSize(240, 180));
  const QColor corner(picture.pixel(2, 2));  // the dark blue background
  EXPECT_LT(corner.red(), 16);
  EXPECT_NEAR(corner.blue(), 0x50, 8);

  // A cut-off file decodes what it has; data that is no JPEG is refused, not fatal.
  EXPECT_EQ(DecodeJpeg(data.left(data.size() / 2)).size(), QSize(240, 180));
  EXPECT_TRUE(DecodeJpeg("not a picture").isNull());
  EXPECT_TRUE(DecodeJpeg(QByteArray()).isNull());
}

TEST(VersionText, JoinsVersionDateAndTime) {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const QDateTime modified(QDate(2026, 3, 4), QTime(17, 5, 9));
  const QString text = VersionText("1.0.0.1", modified, english);
  EXPECT_TRUE(text.startsWith("1.0.0.1   " + english.toString(modified.date(), QLocale::ShortFormat) +
                              " at 5:05:09"))
      << text.toStdString();
}

TEST(AboutForm, ShowsTitleVersionAndPicture) {
  TAboutForm about;
  about.show();
  EXPECT_EQ(about.windowTitle(), "About Morvane");
  EXPECT_EQ(about.findChild<QLabel*>("ProductName")->text(), "Morvane");
  EXPECT_EQ(about.findChild<QLabel*>("ClassVersion")->text(), "Class Version");
  EXPECT_TRUE(about.versionText().startsWith("1.0.0.1   "));
  EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), "Version " + about.versionText());
  EXPECT_FALSE(about.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
  QTest::keyClick(&about, Qt::Key_Return);  // Enter closes the box
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
