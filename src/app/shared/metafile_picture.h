// A widget pictured as a Windows or enhanced metafile: the widget and its
// children drawn in vector form through the metafile paint engine, at the
// widget's size in pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "report/chart_picture_file.h"

class QWidget;

// The file's bytes; `kind` is one of the two metafile kinds.
std::vector<std::uint8_t> metafilePicture(QWidget& widget, morvane::PictureKind kind);
