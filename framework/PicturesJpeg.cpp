#include "framework/PicturesJpeg.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "framework/PicturesLimits.h"
#include "framework/Utf.h"

namespace fw {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
  char message[JMSG_LENGTH_MAX];
};

// The library must not return into itself after an error: jump back out to
// the decoding call, which turns it into an exception.
void ErrorExit(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->escape, 1);
}

void EmitMessage(j_common_ptr info, int level) {
  // Level -1 is a corrupt-data warning (premature end of data among them).
  if (level < 0) ErrorExit(info);
}

struct Output {
  TBitmap* bitmap;
  std::vector<JSAMPLE>* row;
  const wchar_t* limitError;
  bool tooLarge;
};

// Kept free of objects with destructors: longjmp may leave it at any call.
bool Decode(jpeg_decompress_struct* cinfo, const uint8_t* data, size_t size, Output& out) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (setjmp(err->escape)) return false;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  jpeg_read_header(cinfo, TRUE);
  if (!PictureSizeAllowed(cinfo->image_width, cinfo->image_height)) {
    out.limitError = L"JPEG image size out of range";
    return false;
  }
  // The whole picture is held decoded: a header may not ask for more than a
  // banner picture's budget, however few bytes follow it.
  if (int64_t{cinfo->image_width} * cinfo->image_height > kMaxBannerImagePixels) {
    out.tooLarge = true;
    return false;
  }
  cinfo->out_color_space = JCS_RGB;
  jpeg_start_decompress(cinfo);
  if (cinfo->output_components != 3) {
    out.limitError = L"JPEG colour space not supported";
    return false;
  }
  const int width = static_cast<int>(cinfo->output_width);
  out.bitmap->SetSize(width, static_cast<int>(cinfo->output_height));
  out.row->resize(static_cast<size_t>(width) * 3);
  while (cinfo->output_scanline < cinfo->output_height) {
    const int y = static_cast<int>(cinfo->output_scanline);
    JSAMPROW rows[] = {out.row->data()};
    if (jpeg_read_scanlines(cinfo, rows, 1) != 1) {
      out.limitError = L"JPEG image ends early";
      return false;
    }
    uint8_t* dest = out.bitmap->ScanLine(y);
    const JSAMPLE* src = out.row->data();
    for (int x = 0; x < width; ++x) {
      dest[x * 3] = src[x * 3 + 2];
      dest[x * 3 + 1] = src[x * 3 + 1];
      dest[x * 3 + 2] = src[x * 3];
    }
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

}  // namespace

TBitmap DecodeJpeg(const uint8_t* data, size_t size) {
  if (size == 0) throw EJPEG(L"JPEG error: empty file");
  TBitmap bitmap;
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  std::vector<JSAMPLE> row;
  Output out{&bitmap, &row, nullptr, false};
  jpeg_decompress_struct cinfo{};
  ErrorManager err{};
  err.message[0] = 0;
  cinfo.err = jpeg_std_error(&err.base);
  err.base.error_exit = ErrorExit;
  err.base.emit_message = EmitMessage;
  bool ok = false;
  try {
    ok = Decode(&cinfo, data, size, out);
  } catch (...) {
    jpeg_destroy_decompress(&cinfo);
    throw;
  }
  jpeg_destroy_decompress(&cinfo);
  if (ok) return bitmap;
  if (out.tooLarge) throw EPictureTooLarge(L"JPEG image is too large to show");
  if (out.limitError) throw EJPEG(out.limitError);
  throw EJPEG(L"JPEG error: " + Utf8ToWide(err.message));
}

}  // namespace fw
