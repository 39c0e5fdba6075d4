#pragma once
// An icon: the owner of an HICON, loaded from the program's resources, a
// file or a handle given over, and drawn on a canvas with its mask.
#include <windows.h>

#include <filesystem>

namespace fw {

class TBitmap;
class TCanvas;

// A new icon of a 32-bit image with straight alpha (an image list's image),
// or null for an empty image. The caller owns it.
HICON CreateAlphaIcon(const TBitmap& image);

class TIcon {
 public:
  TIcon() = default;
  // Takes ownership of `handle`.
  explicit TIcon(HICON handle) { SetHandle(handle); }
  ~TIcon() { SetHandle(nullptr); }
  TIcon(TIcon&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  TIcon& operator=(TIcon&& other) noexcept;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  // Width or height 0 asks for the system's icon size. EInvalidGraphic
  // names what could not be loaded.
  void LoadFromResourceName(HINSTANCE instance, const wchar_t* name, int width = 0, int height = 0);
  void LoadFromResourceID(HINSTANCE instance, int id, int width = 0, int height = 0) {
    LoadFromResourceName(instance, MAKEINTRESOURCEW(id), width, height);
  }
  void LoadFromFile(const std::filesystem::path& fileName, int width = 0, int height = 0);

  HICON Handle() const { return handle_; }
  // Takes ownership of `handle`; the previous icon is destroyed.
  void SetHandle(HICON handle);
  // Gives the handle up to a caller who destroys it.
  HICON ReleaseHandle();
  bool Empty() const { return handle_ == nullptr; }
  int Width() const { return Size().cx; }
  int Height() const { return Size().cy; }

  // At its own size, or stretched to width x height.
  void Draw(TCanvas& canvas, int x, int y) const { Draw(canvas, x, y, Width(), Height()); }
  void Draw(TCanvas& canvas, int x, int y, int width, int height) const;

 private:
  SIZE Size() const;
  HICON handle_ = nullptr;
};

}  // namespace fw
