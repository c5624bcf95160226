#include "optimiser/history_file.h"

#include <cmath>
#include <fstream>

namespace morvane {

int HistoryGaugePercent(std::size_t k, std::size_t count) {
  if (count <= 1) return 100;
  return static_cast<int>(
      std::lround(100.0 * static_cast<double>(k) / static_cast<double>(count - 1)));
}

bool SaveHistory(const std::string& path, const std::vector<std::string>& lines, UserInterface& ui,
                 const std::function<void(int)>& gauge) {
  gauge(0);
  std::ofstream file(path, std::ios::trunc);
  for (std::size_t k = 0; file && k < lines.size(); ++k) {
    file << lines[k] << '\n';
    if (k % 20 == 0) gauge(HistoryGaugePercent(k, lines.size()));
  }
  file.close();
  if (!file) {
    ui.message(MessageKind::Error, kHistoryErrorMessage);
    return false;
  }
  gauge(100);
  ui.message(MessageKind::Information, "File saved as <" + path + ">");
  return true;
}

}  // namespace morvane
