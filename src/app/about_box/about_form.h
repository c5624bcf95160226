// TAboutForm: the about box, also the start-up splash. Each showing builds the
// version text from the program's version and its file's last-modified time.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QWidget>

class QLabel;

class TAboutForm : public QWidget {
  Q_OBJECT

 public:
  explicit TAboutForm(QWidget* parent = nullptr);

  // The last version text built, without "Version " (the main window's caption uses it).
  QString versionText() const { return versionText_; }

 signals:
  // "OK" (or the title bar's close): the box is hidden, the main window comes back.
  void mainWindowWanted();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OKButtonClick();

  QLabel* versionLabel_;
  QString versionText_;
};

// "1.0.0.1   <date> at <time>": the four-part version, three blanks, the file's
// date in the short date format and its time in the long time format.
QString VersionText(const QString& version, const QDateTime& modified, const QLocale& locale);
