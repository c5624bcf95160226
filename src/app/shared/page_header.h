// The line atop every printed page: the scenario's name, the date and time of
// printing and "page n of m", in the top margin. The name is the one the main
// window's title shows; the program keeps it here as the title changes.
#pragma once

#include <QDateTime>
#include <QPagedPaintDevice>
#include <QString>
#include <functional>
#include <utility>

class QPainter;

void setPrintedScenarioName(const QString& name);

struct PageHeader {
  QString scenario;
  QDateTime printed;
  int pages = 1;
};

// "Untitled    9 Dec 2026 19:40    Page 1 of 2", the date and time in the system's short format.
QString pageHeaderText(const PageHeader& header, int page);
// Writes the header of `page` in the top margin of the page the painter is on.
void paintPageHeader(QPainter& painter, QPagedPaintDevice& device, const PageHeader& header, int page);

// A printer or PDF writer that tells pageDone of every page it finishes, the
// last one included when finish() is called.
template <class Device>
class HeadedPages : public Device {
 public:
  template <class... Args>
  explicit HeadedPages(Args&&... args) : Device(std::forward<Args>(args)...) {}
  bool newPage() override {
    if (pageDone) pageDone(page_);
    ++page_;
    return Device::newPage();
  }
  void finish() {
    if (pageDone) pageDone(page_);
  }
  int pages() const { return page_; }
  std::function<void(int)> pageDone;

 private:
  int page_ = 1;
};
