#pragma once
// A skinned window drawn without Windows, for skin authors: the frame, the
// caption buttons and the client background of a window of any size, with
// the window region as transparency, written as a PNG file. Built from the
// same plans the skinned form paints with.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "framework/Graphics.h"
#include "skin/data/skSkinData.h"

namespace skintool {

struct FrameImage {
  fw::TBitmap pixels;          // 24-bit, width x height
  std::vector<uint8_t> alpha;  // one byte per pixel: 255 inside the window region, 0 outside
};

struct RenderOptions {
  int width = 0, height = 0;
  bool inactive = false;
  bool rolledUp = false;  // the height becomes the frame's own
};

// The main window's look with every caption button offered. No caption
// text: text needs the platform's fonts.
FrameImage RenderFrame(const sk::TskSkinData& skin, const RenderOptions& options);

// An 8-bit RGBA PNG of the image.
void WritePng(const FrameImage& image, const std::filesystem::path& file);

}  // namespace skintool
