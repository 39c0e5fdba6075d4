#pragma once
// The main window: eight slot memos, their storage and their hot keys.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

namespace support {
class TBannerLoader;
}  // namespace support

namespace quillet {

class TfrmAd : public fw::TForm {
 public:
  explicit TfrmAd(fw::TComponent* owner);
  ~TfrmAd() override;

  // Builds the window from its layout resource and runs FormCreate.
  void CreateFromLayout();
  static void RegisterClass();

  void FormCreate(fw::TComponent* sender);
  void FormShow(fw::TComponent* sender);
  void Button1Click(fw::TComponent* sender);
  void btn2Click(fw::TComponent* sender);

  void LoadSlots();
  void SaveSlots();

  // Ctrl+1..8: the slot's text goes to the clipboard through its memo and
  // the paste keystroke to the focused application.
  void WMHotKey(fw::TMessage& message);
  void PasteSlot(fw::TMemo& memo);
  void WndProc(fw::TMessage& message) override;

  fw::TMemo* SlotMemo(int slot) const;  // slot 1 to 8
  const std::wstring& ProductCode() const { return productCode_; }

 private:
  std::wstring ConfigFileName() const;
  void RegisterHotKeys();

  std::wstring productCode_;
  std::unique_ptr<support::TBannerLoader> banners_;  // made at the first show
};

}  // namespace quillet
