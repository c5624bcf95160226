// The scenario files opened or saved last, most recent first, kept in the
// program's settings (organisation and application "Morvane") from one
// session to the next.
#pragma once

#include <QStringList>

class RecentFiles {
 public:
  static constexpr int kMostFiles = 5;

  QStringList files() const;
  // `path` goes to the top; the oldest beyond the fifth drops out.
  void add(const QString& path);
  void remove(const QString& path);

 private:
  void store(const QStringList& files);
};
