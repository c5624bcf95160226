#include "main_window/recent_files.h"

#include <QSettings>

namespace {

const char* const kKey = "recentFiles";

QSettings Settings() { return QSettings(QStringLiteral("Morvane"), QStringLiteral("Morvane")); }

}  // namespace

QStringList RecentFiles::files() const { return Settings().value(kKey).toStringList().mid(0, kMostFiles); }

void RecentFiles::add(const QString& path) {
  QStringList recent = files();
  recent.removeAll(path);
  recent.prepend(path);
  store(recent.mid(0, kMostFiles));
}

void RecentFiles::remove(const QString& path) {
  QStringList recent = files();
  recent.removeAll(path);
  store(recent);
}

void RecentFiles::store(const QStringList& files) { Settings().setValue(kKey, files); }
