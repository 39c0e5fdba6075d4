#pragma once
// The arithmetic of skinned hints, apart from windows and device contexts:
// the text's line breaks, the window size from the measured text and the
// skin's [HINTWINDOW] record, the frame rebuilt at that size, the place
// against the work area, where title, image and text go, the fade-in steps
// and how far below the cursor a hint starts.
#include <cstdint>
#include <span>
#include <string>

#include "framework/Graphics.h"
#include "skin/data/skSkinDataRecords.h"
#include "skin/pixels/skUtilsImages.h"

namespace sk {

// Every occurrence of `separator` becomes a line feed and a carriage return;
// an empty separator replaces nothing.
std::wstring ReplaceLineSeparators(const std::wstring& text, const std::wstring& separator);

// The skin frame of a hint window: the record and the size of its window
// picture. Without a usable skin a hint has no frame.
struct TskHintFrame {
  const TskDataSkinHintWindow* record = nullptr;
  TPoint pictureSize;
};

// What a hint shows, as measured in its fonts (the title in bold).
struct TskHintContent {
  TPoint text;  // extent of the body text
  bool titleVariant = false;
  bool hasTitle = false;
  TPoint title;  // extent of the title
  bool hasImage = false;
  TPoint image;  // size of the image
};

// The window size the content needs (before the frame's corners are
// considered).
TPoint HintWindowSize(const TskHintContent& content, const TskHintFrame* frame);

// The frame at a window size: the size grows until the corner parts fit,
// and the corner model maps the record's onto it.
struct TskHintGeometry {
  TPoint size;
  TskCornerModel corners;  // the record's
  TskCornerModel mapped;   // at `size`
};
TskHintGeometry ResizeHintFrame(const TskHintFrame& frame, TPoint size);

// Where a hint window of `size` goes when its top-left corner is wanted at
// `topLeft`: past the limit's right it opens to the left of that point,
// past its bottom above it, each 2 pixels away.
TRect PlaceHintWindow(TPoint topLeft, TPoint size, const TRect& limit);

// Where the parts of a hint go inside `area`: the resized client rectangle
// of a skinned hint, (2, 2, width - 2, height - 2) without a skin.
struct TskHintLayout {
  TRect title;  // empty without a title
  TPoint image;
  TRect text;
};
// Skinned plain hint: the text at its own size, centred in the area.
TRect CentredHintText(const TRect& area, TPoint text);
TskHintLayout LayoutSkinnedTitleHint(const TRect& area, const TskHintContent& content);
TskHintLayout LayoutUnskinnedTitleHint(const TRect& area, const TskHintContent& content);

// The fade-in: alpha grows by 20 a step, the last step capped.
constexpr int HintFadeStep = 20;
constexpr int HintFadeStepMs = 3;  // a step only once more than this has passed
int NextHintFadeAlpha(int current, int target);

// A cursor's monochrome mask as GetDIBits gives it: bottom-up rows of
// `rowBytes` each, `width` x `height` pixels (twice as high as wide when it
// holds an XOR part below the AND part).
struct TskCursorMask {
  std::span<const uint8_t> bits;
  int width = 0;
  int height = 0;
  int rowBytes = 0;
};
// How far below the hot spot a hint goes: the row of the lowest drawn pixel
// of the AND part (or of the XOR part when the AND part draws nothing) less
// the hot spot's y. Pad bits beyond the width are not pixels and never count.
int CursorHeightFromMask(const TskCursorMask& mask, int hotSpotY);

}  // namespace sk
