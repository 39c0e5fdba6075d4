#include "skin/pixels/skUtilsText.h"

#include "framework/CodePage.h"
#include "skin/pixels/skUtilsLayout.h"

namespace sk {
namespace {

fw::TRect Measure(fw::TCanvas& canvas, const std::wstring& text) {
  fw::TRect r;
  DrawSkinText(canvas, text, r, DT_CALCRECT);
  return r;
}

}  // namespace

int DrawSkinText(fw::TCanvas& canvas, const std::wstring& text, fw::TRect& rect, UINT format) {
  return canvas.DrawTextW(text, rect, format);
}

int SkinTextWidth(fw::TCanvas& canvas, const std::wstring& text) { return Measure(canvas, text).Width(); }

int SkinTextHeight(fw::TCanvas& canvas, const std::wstring& text) { return Measure(canvas, text).Height(); }

void CorrectTextToWidth(fw::TCanvas& canvas, std::wstring& text, int maxWidth) {
  CorrectTextToWidth(text, maxWidth, [&](const std::wstring& t) { return SkinTextWidth(canvas, t); });
}

void DrawSingleLineText(fw::TCanvas& canvas, const std::string& text, const fw::TRect& rect) {
  if (text.empty()) return;
  std::wstring wide = fw::AnsiToWide(text);
  fw::TRect r = rect;
  DrawSkinText(canvas, wide, r, DT_SINGLELINE | DT_VCENTER);
}

}  // namespace sk
