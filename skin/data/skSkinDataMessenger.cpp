#include "skin/data/skSkinDataMessenger.h"

#include <windows.h>

#include "framework/Forms.h"
#include "skin/data/skSkinData.h"

namespace sk {
namespace {

class WindowsSkinMessenger : public TskSkinFormMessenger {
 public:
  bool IsForm(const fw::TComponent* component) const override {
    return dynamic_cast<const fw::TForm*>(component) != nullptr;
  }
  int FormCount() const override { return fw::Screen().FormCount(); }
  fw::TComponent* Forms(int index) const override { return fw::Screen().Forms().at(index); }
  void SendSkinMessage(fw::TComponent* form, unsigned message, TskSkinData* sender) override {
    auto* target = dynamic_cast<fw::TForm*>(form);
    if (!target) return;
    SendMessageW(target->Handle(), message, reinterpret_cast<WPARAM>(sender), kSkinMessageLParam);
  }
};

}  // namespace

void InstallWindowsSkinMessenger() {
  static WindowsSkinMessenger messenger;
  if (SkinFormMessenger() != &messenger) SetSkinFormMessenger(&messenger);
}

}  // namespace sk
