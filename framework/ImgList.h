#pragma once
// A list of small images of one size, each with its own transparency, for
// menus, hints and buttons. The images are kept as 32-bit pixels with a
// straight alpha (0 transparent, 255 opaque; icons may carry values
// between); adding and the disabled look are plain code, drawing on a
// canvas and adding icons are the platform's (ImgListWin.cpp).
#include <vector>

#include "framework/Component.h"
#include "framework/Graphics.h"

namespace fw {

class TCanvas;
class TIcon;

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list: its images no longer fit.
  void SetWidth(int width);
  void SetHeight(int height);
  int Count() const { return static_cast<int>(images_.size()); }

  // Each adds as many images as fit side by side in the bitmap's width (a
  // strip) and returns the index of the first, or -1 when the bitmap is
  // narrower than one image. Rows below the bitmap stay transparent.
  //
  // With a mask, its non-black pixels mark the transparent ones.
  int Add(const TBitmap& image, const TBitmap* mask = nullptr);
  // Pixels of `transparent` (an RGB colour) are transparent; clDefault
  // takes the colour of the strip's bottom-left pixel.
  int AddMasked(const TBitmap& image, TColor transparent);
  // A 32-bit bitmap whose fourth byte is the alpha of each pixel.
  int AddAlpha(const TBitmap& image);
  int AddIcon(const TIcon& icon);
  void Delete(int index);
  void Clear();

  // One image: 32 bits, straight alpha.
  const TBitmap& Image(int index) const { return images_.at(index); }
  // The disabled look of an image: its shape (the pixels that are neither
  // transparent nor near white) in `shadow`, over the same shape one pixel
  // down and right in `highlight`, as if pressed into the surface.
  TBitmap DisabledImage(int index, TColor highlight, TColor shadow) const;

  // Draws an image with its transparency; disabled, in the system's
  // highlight and shadow colours. An index out of range draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

  TNotifyEvent OnChange;

 private:
  // The alpha of the strip's pixel (x, y).
  using AlphaRule = uint8_t (*)(const TBitmap& image, const TBitmap* mask, TColor key, int x, int y);
  int AddStrip(const TBitmap& image, const TBitmap* mask, TColor key, AlphaRule alpha);
  void Changed();

  int width_ = 16;
  int height_ = 16;
  std::vector<TBitmap> images_;
};

}  // namespace fw
