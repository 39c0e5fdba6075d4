#pragma once
// Skinned controls that draw from a record with a corner model: they copy
// its geometry, take the sizes it allows, and paint the skin picture at
// their size (or a plain look without a skin). The windowed one can also
// clip its window to the record's mask and paint its frame and client area
// apart, for containers whose children need the client background.
#include <string>

#include "framework/Canvas.h"
#include "skin/controls/skControlGeometry.h"
#include "skin/controls/skSkinControl.h"

namespace sk {

class TskDataSkinCustomControl;

// Font, default size and the record's geometry, shared by both custom bases.
class TskSkinLook {
 public:
  TskSkinLook();
  const fw::TFont& DefaultFont() const { return defaultFont_; }
  int DefaultWidth() const { return defaultWidth_; }
  int DefaultHeight() const { return defaultHeight_; }
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }

  int ResizeMode() const { return geometry_.resizeMode; }
  const TskSkinGeometry& Geometry() const { return geometry_; }
  // The corner model at the control's current size (control coordinates).
  const TskCornerModel& Resized() const { return resized_; }

 protected:
  // Copies the record's geometry; false for a record without one.
  bool CopyGeometry(const TskSkinData* skinData, int recordIndex);
  // The record index a control keeps after looking it up: -1 for a record
  // without geometry (its geometry is copied otherwise).
  int RecordWithGeometry(const TskSkinData* skinData, int recordIndex);
  // The record has a usable look: a picture to draw from and a resize mode.
  bool LookApplies(const TskSkinData* skinData, int recordIndex) const;
  // The corner model moved to a requested size the record adjusts.
  void FitResized(int recordIndex, int& width, int& height);
  // The record's picture, looked up now: a skin change may have replaced it.
  const fw::TBitmap* PictureOf(const TskSkinData* skinData) const;
  const fw::TBitmap* MaskPictureOf(const TskSkinData* skinData) const;
  // A font: the record's face when UseSkinFont, else DefaultFont; the
  // charset of the skin's resource strings when there are some.
  fw::TFontInfo FontFor(const TskSkinData* skinData, const std::string& name, int height, fw::TFontStyles style,
                        fw::TColor color) const;
  // Draws the skin picture at the size of `bitmap` as the resize mode says;
  // with skipBothWays mode 1 draws nothing (the frame is painted apart).
  void DrawSkinImage(const fw::TBitmap& picture, fw::TBitmap& bitmap, int width, int height, bool skipBothWays) const;

  fw::TFont defaultFont_;
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
  bool useSkinFont_ = true;
  TskSkinGeometry geometry_;
  int pictureIndex_ = -1;
  int maskPictureIndex_ = -1;
  TskCornerModel resized_;
};

class TskSkinCustomControl : public TskSkinControl, public TskSkinLook {
 public:
  explicit TskSkinCustomControl(fw::TComponent* owner);
  ~TskSkinCustomControl() override;

  void SetDefaultFont(const fw::TFont& value);
  void SetDefaultWidth(int value);
  void SetDefaultHeight(int value);

  void RefreshSkinRecord() override;
  void ApplySkinChange() override;
  void SetBounds(int left, int top, int width, int height) override;
  // Adjusts a requested size to the record (no record: unchanged) and keeps
  // the corner model moved to it.
  virtual void FitSizeToSkin(int& width, int& height);
  // Clips the window to the record's mask, or removes the clip.
  virtual void ApplyMaskRegion();
  // Where a rectangle of the skin lands at the control's current size.
  TRect MapSkinRect(const TRect& source) const;
  // Tells every direct child that the look behind it changed.
  void NotifyChildrenOfBackground();
  // A record with a usable look: a picture to draw from and a resize mode.
  bool SkinApplies() const;
  // Whether a region is set on the window now.
  bool HasWindowRegion() const { return regionApplied_; }

 protected:
  void Paint() override;
  void PaintDefaultImage(fw::TBitmap& bitmap) override;
  void PaintSkinImage(fw::TBitmap& bitmap) override;
  virtual void DefaultFontChanged() {}
  void AfterCreateWnd() override;
  // Frame strips from the skin and the client slice filled apart.
  void PaintFrameAndClient();
  // The client slice of the skin over `dest` of `bitmap`, clipped to `dest`.
  void FillClientSlice(fw::TBitmap& bitmap, const TRect& dest) const;

  // Selects the frame-strip paint (containers set it).
  bool forceBackground_ = false;

 private:
  void ApplyRegion(HRGN region);
  // Set when a region was handed to the window; the system owns it.
  bool regionApplied_ = false;
};

class TskGraphicSkinCustomControl : public TskGraphicSkinControl, public TskSkinLook {
 public:
  explicit TskGraphicSkinCustomControl(fw::TComponent* owner);

  void SetDefaultFont(const fw::TFont& value);
  void SetDefaultWidth(int value);
  void SetDefaultHeight(int value);

  void RefreshSkinRecord() override;
  void ApplySkinChange() override;
  void SetBounds(int left, int top, int width, int height) override;
  virtual void FitSizeToSkin(int& width, int& height);
  bool SkinApplies() const;

 protected:
  void Paint() override;
  void PaintDefaultImage(fw::TBitmap& bitmap) override;
  void PaintSkinImage(fw::TBitmap& bitmap) override;
  virtual void DefaultFontChanged() {}
};

}  // namespace sk
