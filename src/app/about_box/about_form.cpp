#include "about_box/about_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "about_box/jpeg_image.h"

namespace {

QPixmap AboutPicture() {
  QFile file(":/about_picture.jpg");
  if (!file.open(QIODevice::ReadOnly)) return QPixmap();
  return QPixmap::fromImage(DecodeJpeg(file.readAll()));
}

QLabel* WhiteLabel(const QString& objectName, const QString& text, int pointSize, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(objectName);
  QFont font = label->font();
  font.setPointSize(pointSize);
  label->setFont(font);
  label->setStyleSheet("color: white;");
  return label;
}

}  // namespace

QString VersionText(const QString& version, const QDateTime& modified, const QLocale& locale) {
  return version + "   " + locale.toString(modified.date(), QLocale::ShortFormat) + " at " +
         locale.toString(modified.time(), QLocale::LongFormat);
}

TAboutForm::TAboutForm(QWidget* parent) : QWidget(parent) {
  Q_INIT_RESOURCE(morvane);
  setObjectName("TAboutForm");
  setWindowTitle("About Morvane");
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(0, 0, 128));  // navy
  setPalette(colours);

  auto* picture = new QLabel(this);
  picture->setObjectName("ProgramIcon");
  picture->setPixmap(AboutPicture());
  auto* title = WhiteLabel("ProductName", "Morvane", 24, this);
  auto* classVersion = WhiteLabel("ClassVersion", "Class Version", 12, this);
  versionLabel_ = WhiteLabel("Version", "Version", 10, this);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  connect(ok, &QPushButton::clicked, this, &TAboutForm::OKButtonClick);

  auto* texts = new QVBoxLayout;
  texts->addWidget(title);
  texts->addWidget(classVersion);
  texts->addWidget(versionLabel_);
  texts->addStretch();
  texts->addWidget(ok, 0, Qt::AlignRight);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(picture);
  layout->addLayout(texts);
}

void TAboutForm::showEvent(QShowEvent* event) {
  const QFileInfo program(QCoreApplication::applicationFilePath());
  versionText_ = VersionText(MORVANE_VERSION, program.lastModified(), QLocale::system());
  versionLabel_->setText("Version " + versionText_);
  QWidget::showEvent(event);
}

// The title bar's close is "OK": closing the box while the main window is
// hidden would end the program.
void TAboutForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  OKButtonClick();
}

// Enter (or Escape) answers the box, as OK would in a dialog.
void TAboutForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape)
    OKButtonClick();
  else
    QWidget::keyPressEvent(event);
}

void TAboutForm::OKButtonClick() {
  hide();
  emit mainWindowWanted();
}
