#include "report/chart_picture_file.h"

#include <cctype>

namespace morvane {

std::optional<PictureKind> pictureKindOf(std::string_view fileName) {
  const auto tail = fileName.substr(fileName.size() < 3 ? 0 : fileName.size() - 3);
  std::string type;
  for (const char c : tail) type += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (type == "BMP") return PictureKind::Bitmap;
  if (type == "WMF") return PictureKind::WindowsMetafile;
  if (type == "EMF") return PictureKind::EnhancedMetafile;
  return std::nullopt;
}

bool isTradeoffMapGeneration(int generation) { return generation % kTradeoffMapInterval == 0; }

std::string tradeoffMapFileName(int generation) {
  return "GAMap for Gen " + std::to_string(generation) + ".bmp";
}

}  // namespace morvane
