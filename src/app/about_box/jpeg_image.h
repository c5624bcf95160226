// JPEG pictures decoded with libjpeg (the about box's picture).
#pragma once

#include <QByteArray>
#include <QImage>

// The decoded picture, or a null image when the data is not a readable JPEG.
QImage DecodeJpeg(const QByteArray& data);
