#pragma once
// Panels, pictures and timers.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "framework/Controls.h"
#include "framework/StdCtrls.h"

namespace fw {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A container with a bevelled edge and a centred caption.
class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* owner);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& rect) const override;

 private:
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
  int bevelWidth_ = 1;
  TAlignment alignment_ = TAlignment::taCenter;
};

// Something a picture can hold and draw.
class TGraphic {
 public:
  virtual ~TGraphic() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const { return Width() <= 0 || Height() <= 0; }
  virtual void Draw(TCanvas& canvas, const TRect& rect) const = 0;
};

class TBitmapGraphic : public TGraphic {
 public:
  explicit TBitmapGraphic(TBitmap bitmap) : bitmap_(std::move(bitmap)) {}
  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  void Draw(TCanvas& canvas, const TRect& rect) const override { canvas.StretchDraw(rect, bitmap_); }
  const TBitmap& Bitmap() const { return bitmap_; }

 private:
  TBitmap bitmap_;
};

// A picture loaded by the extension of its file name.
class TPicture {
 public:
  using Loader = std::function<std::unique_ptr<TGraphic>(const std::filesystem::path& file)>;
  // Extensions compare without regard to case, without the dot.
  static void RegisterFileFormat(const std::wstring& extension, Loader loader);

  const TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> graphic);
  void SetBitmap(TBitmap bitmap) { SetGraphic(std::make_unique<TBitmapGraphic>(std::move(bitmap))); }
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }
  // Throws EInvalidGraphic "Unknown picture file extension (.ext)" for an
  // extension no format is registered for; the picture is then unchanged.
  void LoadFromFile(const std::filesystem::path& file);
  void Clear() { SetGraphic(nullptr); }
  std::function<void()> OnChange;

 private:
  static std::map<std::wstring, Loader>& Formats();
  std::unique_ptr<TGraphic> graphic_;
};

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  TPicture& Picture() { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);

 protected:
  void Paint() override;
  TRect DestRect() const;

 private:
  TPicture picture_;
  bool stretch_ = false;
  bool center_ = false;
};

// A message timer of the user-interface thread, on the shared message
// window. OnTimer may disable or free its own timer.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned value);
  TNotifyEvent OnTimer;

 private:
  void Update();
  void Tick();
  UINT_PTR id_ = 0;  // 0 while not running
  bool enabled_ = true;
  unsigned interval_ = 1000;
};

}  // namespace fw
