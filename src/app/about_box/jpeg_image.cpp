#include "about_box/jpeg_image.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to the decoder instead of letting the library end the program.
// Only the two functions below call setjmp, and their frames hold plain data only.
struct Decoder {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  std::jmp_buf jump;
};

void OnError(j_common_ptr info) { std::longjmp(static_cast<Decoder*>(info->client_data)->jump, 1); }

void OnMessage(j_common_ptr) {}  // warnings about damaged data are not the planner's business

bool Start(Decoder& decoder, const QByteArray& data) {
  if (setjmp(decoder.jump)) return false;
  jpeg_mem_src(&decoder.info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&decoder.info, TRUE);
  decoder.info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&decoder.info);
  return true;
}

bool ReadRows(Decoder& decoder, unsigned char* bits, qsizetype bytesPerLine) {
  if (setjmp(decoder.jump)) return false;
  jpeg_decompress_struct& info = decoder.info;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = bits + info.output_scanline * bytesPerLine;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  Decoder decoder;
  decoder.info.err = jpeg_std_error(&decoder.errors);
  decoder.errors.error_exit = OnError;
  decoder.errors.output_message = OnMessage;
  jpeg_create_decompress(&decoder.info);
  decoder.info.client_data = &decoder;
  QImage image;
  if (Start(decoder, data)) {
    image = QImage(static_cast<int>(decoder.info.output_width),
                   static_cast<int>(decoder.info.output_height), QImage::Format_RGB888);
    if (!ReadRows(decoder, image.bits(), image.bytesPerLine())) image = QImage();
  }
  jpeg_destroy_decompress(&decoder.info);
  return image;
}
