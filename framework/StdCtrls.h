#pragma once
// The standard controls: multi-line edit, label and push button.
#include "framework/Controls.h"

namespace fw {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A multi-line edit control. Its text is the platform's: lines joined by CR LF.
class TMemo : public TWinControl {
 public:
  explicit TMemo(TComponent* owner);

  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // Lines of the layout's "Lines" property; joined by CR LF into the text.
  void SetLines(const std::vector<std::wstring>& lines);

  void SelectAll();
  void CopyToClipboard();
  int SelStart() const;
  int SelLength() const;
  void Clear() { SetText(L""); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void AfterCreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
  bool readOnly_ = false;
};

// A push button; a click comes back from the parent as a command.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  bool default_ = false;
};

// A text drawn on the parent's surface, sized to its text when AutoSize.
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  void Loaded() override;

 protected:
  void Paint() override;
  void TextChanged() override {
    AdjustBounds();
    Invalidate();
  }
  void FontChanged() override {
    AdjustBounds();
    Invalidate();
  }

 private:
  void AdjustBounds();
  UINT DrawFormat() const;

  bool autoSize_ = true;
  bool transparent_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

}  // namespace fw
