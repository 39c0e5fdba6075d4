#pragma once
// Windowless tool buttons drawn from a button record of the skin: normal,
// hot, pressed and disabled looks, frame animation and morphing between
// the normal and hot looks, glyph strips, image-list images and a caption,
// auto-repeat and grouped down states. The menu speed button adds a
// drop-down part that opens a skinned popup menu or an images menu.
#include <functional>
#include <memory>
#include <string>

#include "framework/ExtCtrls.h"
#include "framework/ImgList.h"
#include "skin/controls/skSkinCustomControl.h"
#include "skin/controls/skSpeedButtonLogic.h"
#include "skin/data/skSkinDataControls.h"
#include "skin/pixels/skUtilsPenGlyphs.h"

namespace sk {

class TskSkinPopupMenu;
class TskSkinImagesMenu;

enum TskButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

// Sender, canvas, content rectangle, down, mouse in, and whether the
// default content is still to be drawn.
// The plain looks without a skin: a navy frame round a blue-grey fill.
constexpr fw::TColor kDefaultFrame = 0x800000;     // RGB(0, 0, 128)
constexpr fw::TColor kDefaultDownFill = 11899781;  // RGB(133, 147, 181)
constexpr fw::TColor kDefaultHotFill = 13811126;   // RGB(182, 189, 210)

void FillFramedRect(fw::TCanvas& canvas, const fw::TRect& r, fw::TColor fill, fw::TColor frame, bool framed = true);
// `source` of `picture` copied to (x, y) of `target`, clipped to both: a
// skin's rectangle may reach past its picture.
void CopyPictureRect(fw::TBitmap& target, int x, int y, const fw::TBitmap& picture, const fw::TRect& source);
void PutPicture(fw::TBitmap& target, int x, int y, fw::TBitmap& part);

using TskButtonPaintEvent = std::function<void(fw::TComponent* sender, fw::TCanvas& canvas, const fw::TRect& r,
                                               bool down, bool mouseIn, bool& drawDefault)>;

class TskSkinSpeedButton : public TskGraphicSkinCustomControl {
 public:
  explicit TskSkinSpeedButton(fw::TComponent* owner);
  ~TskSkinSpeedButton() override;

  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value);
  bool UseSkinFontColor() const { return useSkinFontColor_; }
  void SetUseSkinFontColor(bool value);
  fw::TImageList* ImageList() const { return imageList_; }
  void SetImageList(fw::TImageList* value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  bool RepeatMode() const { return setup_.repeatMode; }
  void SetRepeatMode(bool value) { setup_.repeatMode = value; }
  unsigned RepeatInterval() const { return repeatInterval_; }
  // Values below 1 ms are ignored.
  void SetRepeatInterval(int value) {
    if (value > 0) repeatInterval_ = static_cast<unsigned>(value);
  }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool AllowAllUp() const { return setup_.allowAllUp; }
  void SetAllowAllUp(bool value) { setup_.allowAllUp = value; }
  bool Down() const { return state_.down; }
  void SetDown(bool value);
  int GroupIndex() const { return setup_.groupIndex; }
  void SetGroupIndex(int value) { setup_.groupIndex = value; }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  int WidthWithCaption() const { return widthWithCaption_; }
  void SetWidthWithCaption(int value) { widthWithCaption_ = value; }
  int WidthWithoutCaption() const { return widthWithoutCaption_; }
  void SetWidthWithoutCaption(int value) { widthWithoutCaption_ = value; }
  const fw::TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const fw::TBitmap& value);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  TskButtonLayout Layout() const { return layout_; }
  void SetLayout(TskButtonLayout value);

  bool MouseIn() const { return state_.mouseIn; }
  double MorphFactor() const { return morphFactor_; }
  int CurrentFrame() const { return frame_; }
  // The repeat, morph and animation timers run (for tests and tools).
  bool Repeating() const { return Running(repeatTimer_.get()); }
  bool Morphing() const { return Running(morphTimer_.get()); }
  bool Animating() const { return Running(animateTimer_.get()); }

  void Click() override;
  void RefreshSkinRecord() override;
  void ApplySkinChange() override;
  void FitSizeToSkin(int& width, int& height) override;
  void WndProc(fw::TMessage& message) override;

  TskButtonPaintEvent OnPaint;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;
  void Paint() override;

  // The record copied at the last refresh, or none.
  const TskDataSkinButtonControl* ButtonRecord() const;
  // Content (glyph, image, caption) into r.
  virtual void DrawContent(fw::TCanvas& canvas, const fw::TRect& r, bool active, bool down, fw::TColor color);
  // The background of a look at the button's size.
  void DrawLookImage(fw::TBitmap& bitmap, const fw::TRect& source) const;
  // Background and content of a look with a record.
  virtual void DrawSkinLook(fw::TBitmap& bitmap, const fw::TRect& source, bool active, bool down);
  virtual void DrawDefaultLook(fw::TBitmap& bitmap, TskSpeedLook look);
  virtual void DrawTransparentLook(fw::TCanvas& canvas);
  // Where the content goes without a background.
  virtual fw::TRect TransparentContentRect() const;
  fw::TFontInfo ContentFont(bool record) const;
  fw::TColor SkinFontColor(bool active, bool down) const;
  TskSpeedLook CurrentLook() const;
  bool MorphApplies() const;
  bool Grouped() const { return setup_.groupIndex != 0; }
  int DrawGlyphAndCaption(fw::TCanvas& canvas, const fw::TRect& r, bool pressed, const std::wstring& caption,
                          const fw::TBitmap* strip, int frames, int frame, fw::TImageList* images, int index);

  virtual void HandlePress(int x, int y);
  virtual void HandleRelease(int x, int y);
  virtual void HandleEnter();
  virtual void HandleLeave();
  void StartMorph();
  void StartAnimation(bool forward);
  void StopAnimation();
  void StopMorph(double factor);
  void StartRepeat();
  void StopRepeat();
  // Puts the group partners up after this button went down.
  void ReleasePartners();

  TskSpeedButtonState state_;
  TskSpeedButtonSetup setup_;
  double morphFactor_ = 0;
  int frame_ = 0;
  bool animatingForward_ = true;

  // Copied from the record at each refresh.
  std::string fontName_ = "Arial";
  int fontHeight_ = 14;
  fw::TFontStyles fontStyle_ = 0;
  fw::TColor fontColor_ = 0, activeFontColor_ = 0, downFontColor_ = 0, disabledFontColor_ = 0;
  TskButtonLooks looks_;
  bool morphing_ = false;
  TskMorphKind morphKind_ = mkDefault;
  fw::TRect animateSkinRect_;
  int frameCount_ = 0;
  int animateInterval_ = 25;
  fw::TRect menuMarkerRect_, menuMarkerActiveRect_, menuMarkerDownRect_, menuMarkerFlatRect_;
  fw::TColor menuMarkerTransparentColor_ = 0;

 private:
  static bool Running(const fw::TTimer* timer) { return timer && timer->Enabled(); }
  void MorphTick();
  void AnimateTick();
  void RepeatTick();
  fw::TTimer& TimerOf(std::unique_ptr<fw::TTimer>& timer, unsigned interval, void (TskSkinSpeedButton::*tick)());

  bool useSkinSize_ = true;
  bool useSkinFontColor_ = true;
  fw::TImageList* imageList_ = nullptr;
  int imageIndex_ = 0;
  unsigned repeatInterval_ = 100;
  int repeatTicks_ = 0;
  bool transparent_ = false;
  bool flat_ = false;
  bool showCaption_ = true;
  int widthWithCaption_ = 0;
  int widthWithoutCaption_ = 0;
  fw::TBitmap glyph_;
  int numGlyphs_ = 1;
  int margin_ = -1;
  int spacing_ = 1;
  TskButtonLayout layout_ = blGlyphLeft;
  // Made on demand; a finished timer is disabled in its own tick and kept
  // (freed with the button), never freed under its own tick.
  std::unique_ptr<fw::TTimer> morphTimer_, animateTimer_, repeatTimer_;
};

class TskSkinMenuSpeedButton : public TskSkinSpeedButton {
 public:
  explicit TskSkinMenuSpeedButton(fw::TComponent* owner);
  ~TskSkinMenuSpeedButton() override;

  TskSkinPopupMenu* SkinPopupMenu() const { return skinPopupMenu_; }
  void SetSkinPopupMenu(TskSkinPopupMenu* value);
  TskSkinImagesMenu* SkinImagesMenu() const { return skinImagesMenu_; }
  void SetSkinImagesMenu(TskSkinImagesMenu* value);
  bool UseImagesMenuImage() const { return useImagesMenuImage_; }
  void SetUseImagesMenuImage(bool value);
  bool UseImagesMenuCaption() const { return useImagesMenuCaption_; }
  void SetUseImagesMenuCaption(bool value);
  bool TrackButtonMode() const { return trackButtonMode_; }
  void SetTrackButtonMode(bool value);
  TskTrackPosition TrackPosition() const { return trackPosition_; }
  void SetTrackPosition(TskTrackPosition value);
  bool NewStyle() const { return newStyle_; }
  void SetNewStyle(bool value);
  bool MenuTracked() const { return menuTracked_; }

  // Draw an arrow of ArrowGlyphDirection instead of the menu marker.
  bool ArrowGlyphMode = false;
  int ArrowGlyphDirection = adDown;

  void RefreshSkinRecord() override;
  void WndProc(fw::TMessage& message) override;

  fw::TNotifyEvent OnShowTrackMenu;
  fw::TNotifyEvent OnHideTrackMenu;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;
  void DrawContent(fw::TCanvas& canvas, const fw::TRect& r, bool active, bool down, fw::TColor color) override;
  void DrawSkinLook(fw::TBitmap& bitmap, const fw::TRect& source, bool active, bool down) override;
  void DrawDefaultLook(fw::TBitmap& bitmap, TskSpeedLook look) override;
  void DrawTransparentLook(fw::TCanvas& canvas) override;
  void HandlePress(int x, int y) override;
  void HandleRelease(int x, int y) override;
  void HandleEnter() override;
  void HandleLeave() override;

 private:
  bool HitsMenuZone(int x, int y) const;
  // The skinned popup menu is open for this button.
  bool PopupMenuOpen() const;
  void ShowTrackMenu();
  void HideTrackMenu();
  // The split looks: a main part and a track part drawn from the record.
  void DrawSplitLook(fw::TBitmap& bitmap, const fw::TRect& source, bool active, bool down, bool stretched);
  void DrawMenuZone(fw::TCanvas& canvas, fw::TRect zone, bool active, bool down, fw::TColor color);
  // The button less its track part, and the track part.
  fw::TRect ContentRect() const;
  fw::TRect TrackRect() const;
  fw::TRect TransparentContentRect() const override;
  void DrawRecordPart(fw::TBitmap& target, const TskDataSkinButtonControl& record, const fw::TRect& source,
                      const fw::TRect& dest) const;
  // Drawn from the skin's resizable tool button records, with a track
  // record of its own where the skin has one.
  void DrawNewStyleLook(fw::TBitmap& bitmap);

  TskSkinPopupMenu* skinPopupMenu_ = nullptr;
  TskSkinImagesMenu* skinImagesMenu_ = nullptr;
  bool useImagesMenuImage_ = false;
  bool useImagesMenuCaption_ = false;
  bool trackButtonMode_ = false;
  TskTrackPosition trackPosition_ = TskTrackPosition::sktpRight;
  bool newStyle_ = false;
  bool menuTracked_ = false;
  fw::TRect trackButtonRect_;
  // Cleared when the button goes: an images menu may close after it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace sk
