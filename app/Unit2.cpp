#include "app/Unit2.h"

#include "app/Resources.h"
#include "framework/Exceptions.h"
#include "framework/Utf.h"
#include "support/Communal.h"

using namespace fw;

TfrmAd::TfrmAd(TComponent* owner) : TForm(owner) {}

void TfrmAd::RegisterClass() {
  ClassRegistry::Instance().Register(L"TfrmAd", L"TForm", nullptr);
}

void TfrmAd::CreateFromLayout() {
  LayoutSources sources;
  sources.methods = [this](const std::wstring& name) -> TNotifyEvent {
    if (name == L"FormCreate") return [this](TComponent* s) { FormCreate(s); };
    if (name == L"FormShow") return [this](TComponent* s) { FormShow(s); };
    if (name == L"Button1Click") return [this](TComponent* s) { Button1Click(s); };
    if (name == L"btn2Click") return [this](TComponent* s) { btn2Click(s); };
    return nullptr;
  };
  sources.binaries = [](const std::wstring& name) { return LoadBinaryResource(name); };
  LoadLayout(LoadTextResource(L"MAINFORM_LAYOUT"), sources);
}

TMemo* TfrmAd::SlotMemo(int slot) const {
  auto* memo = dynamic_cast<TMemo*>(FindComponent(L"mmo" + std::to_wstring(slot)));
  if (!memo) throw EInvalidOperation(L"The window has no memo for slot " + std::to_wstring(slot));
  return memo;
}

void TfrmAd::FormCreate(TComponent*) {
  productCode_ = L"qvtmz";
  if (auto* img2 = dynamic_cast<TControl*>(FindComponent(L"img2"))) img2->SetAlign(TAlign::alBottom);
  LoadSlots();
}

void TfrmAd::FormShow(TComponent*) {}

void TfrmAd::Button1Click(TComponent*) { SaveSlots(); }

void TfrmAd::btn2Click(TComponent*) { LoadSlots(); }

std::wstring TfrmAd::ConfigFileName() const { return ProgramDirectory() + L"config.ini"; }

void TfrmAd::LoadSlots() {
  for (int n = 1; n <= 8; ++n) {
    std::string text;
    AccessScrambledIni(ConfigFileName(), 0, "data", "mm" + std::to_string(n), "", text);
    SlotMemo(n)->SetText(Utf8ToWide(text));
  }
}

void TfrmAd::SaveSlots() {
  for (int n = 1; n <= 8; ++n) {
    std::string ignored;
    // Slot texts are stored as UTF-8 so every character survives any code page.
    AccessScrambledIni(ConfigFileName(), 1, "data", "mm" + std::to_string(n), WideToUtf8(SlotMemo(n)->Text()),
                       ignored);
  }
}
