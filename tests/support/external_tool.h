// Running the machine's own readers (pdftotext, wmf2svg, identify, ...) on
// files a test wrote, so the files are judged by real programs.
#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <optional>

namespace morvane::testing {

inline bool installed(const QString& program) {
  return !QStandardPaths::findExecutable(program).isEmpty();
}

// The program's standard output; nothing when it cannot run or fails.
inline std::optional<QString> runTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0)
    return std::nullopt;
  return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString fileText(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace morvane::testing
