#pragma once
// Actions: a command kept in one place with its caption and states. Menu
// items linked to an action mirror its properties and run it when they are
// clicked; whoever is about to show such an item asks the action to update
// itself first (OnUpdate), so that its states are current.
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Menus.h"

namespace fw {

class TAction : public TComponent {
 public:
  explicit TAction(TComponent* owner) : TComponent(owner) {}
  ~TAction() override;

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption) { Set(caption_, caption); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { Set(enabled_, enabled); }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { Set(checked_, checked); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { Set(visible_, visible); }
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint) { Set(hint_, hint); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { Set(imageIndex_, index); }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut) { Set(shortCut_, shortCut); }

  // Runs OnExecute; false when there is none.
  virtual bool Execute();
  // Runs OnUpdate, whose handler sets the states; false when there is none.
  virtual bool Update();
  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

  int ClientCount() const { return static_cast<int>(clients_.size()); }

 private:
  friend class TMenuItem;
  // Every linked item takes the action's properties again.
  void Changed();
  template <class T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }

  std::wstring caption_;
  std::wstring hint_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
  int imageIndex_ = -1;
  TShortCut shortCut_ = scNone;
  std::vector<TMenuItem*> clients_;
};

}  // namespace fw
