#include "app/Unit2.h"

#include "app/Resources.h"

#include <vector>
#include "framework/Exceptions.h"
#include "framework/Utf.h"
#include "support/Banners.h"
#include "support/Communal.h"
#include "support/skSkinExCtrls.h"

namespace quillet {

using namespace support;

using namespace fw;

namespace {

// Hot key identifier of slot n at index n-1: the global atom of "0".."7".
std::array<uint32_t, 8> HotKeyIds{};

constexpr UINT kSlotKeyBase = 0x31;  // the main keyboard's "1"
constexpr WORD kPasteKey = 0x56;     // "V"

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  // The right Control goes out as a keyboard sends it: the generic key with
  // the extended flag, so the system updates the generic and the right key's
  // state together; the generic key alone counts as the left one.
  if (key == VK_RCONTROL) {
    input.ki.wVk = VK_CONTROL;
    input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  }
  return input;
}

bool KeyHeld(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

// Control+V as one batch with its key-ups, so that afterwards exactly the
// keys the user holds are down. A Control key the user holds is pressed
// again (which changes nothing) and left to the user to release: still
// holding it, the user may press the next digit for the next slot. With no
// Control held, the left one is pressed and released again.
void SendPasteKeystroke() {
  const bool leftHeld = KeyHeld(VK_LCONTROL);
  const bool rightHeld = KeyHeld(VK_RCONTROL);
  const WORD control = rightHeld && !leftHeld ? VK_RCONTROL : VK_CONTROL;
  std::vector<INPUT> inputs = {KeyInput(control, false), KeyInput(kPasteKey, false), KeyInput(kPasteKey, true)};
  if (!leftHeld && !rightHeld) inputs.push_back(KeyInput(control, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TskSkinLinkImage& Banner(const TfrmAd& form, const wchar_t* name) {
  auto* image = dynamic_cast<TskSkinLinkImage*>(form.FindComponent(name));
  if (!image) throw EInvalidOperation(std::wstring(L"The window has no banner ") + name);
  return *image;
}

}  // namespace

TfrmAd::TfrmAd(TComponent* owner) : TForm(owner) {}

TfrmAd::~TfrmAd() = default;

void TfrmAd::RegisterClass() { ClassRegistry::Instance().RegisterBase<TfrmAd>(L"TfrmAd", L"TForm"); }

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
  RegisterHotKeys();
}

void TfrmAd::RegisterHotKeys() {
  for (int i = 0; i < 8; ++i) HotKeyIds[i] = GlobalAddAtomW(std::to_wstring(i).c_str());
  // A combination another program holds simply never reaches this window.
  for (int i = 0; i < 8; ++i) RegisterHotKey(Handle(), static_cast<int>(HotKeyIds[i]), MOD_CONTROL, kSlotKeyBase + i);
}

void TfrmAd::WndProc(TMessage& message) {
  if (message.msg == WM_HOTKEY) {
    WMHotKey(message);
    return;
  }
  TForm::WndProc(message);
}

void TfrmAd::WMHotKey(TMessage& message) {
  for (int n = 1; n <= 8; ++n) {
    if (message.wParam == HotKeyIds[n - 1]) PasteSlot(*SlotMemo(n));
  }
  message.result = 0;
}

void TfrmAd::PasteSlot(TMemo& memo) {
  memo.SelectAll();
  memo.CopyToClipboard();
  SendPasteKeystroke();
}

void TfrmAd::FormShow(TComponent*) {
  // The window shows at once; the banners fill in as their downloads end.
  if (!banners_) {
    banners_ = std::make_unique<TBannerLoader>(productCode_, Banner(*this, L"img1"), Banner(*this, L"img2"),
                                               ProgramDirectory());
  }
  banners_->Show();
}

void TfrmAd::Button1Click(TComponent*) { SaveSlots(); }

void TfrmAd::btn2Click(TComponent*) { LoadSlots(); }

std::wstring TfrmAd::ConfigFileName() const { return ProgramDirectory() + L"config.ini"; }

void TfrmAd::LoadSlots() {
  for (int n = 1; n <= 8; ++n) {
    std::string text;
    AccessScrambledIni(ConfigFileName(), 0, "data", "mm" + std::to_string(n), "", text);
    SlotMemo(n)->SetText(StoredTextToWide(text));
  }
}

void TfrmAd::SaveSlots() {
  for (int n = 1; n <= 8; ++n) {
    std::string ignored;
    // Slot texts are stored as UTF-8 so every character survives any code page.
    AccessScrambledIni(ConfigFileName(), 1, "data", "mm" + std::to_string(n), WideToUtf8(SlotMemo(n)->Text()), ignored);
  }
}

}  // namespace quillet
