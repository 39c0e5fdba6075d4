#include "tools/skin-gallery/MdiForm.h"

#include "framework/ExtCtrls.h"
#include "framework/StdCtrls.h"

using namespace fw;

namespace gallery {

TMdiForm::TMdiForm(TComponent* owner) : TForm(owner) {
  SetCaption(L"Skin Gallery MDI");
  SetFormStyle(TFormStyle::fsMDIForm);
  SetBounds(80, 120, 0, 0);
  SetClientWidth(640);
  SetClientHeight(420);

  // Aligned above the client window, which takes the rest.
  auto* bar = TComponent::Create<TPanel>(this);
  bar->SetHeight(37);
  bar->SetAlign(TAlign::alTop);
  bar->SetBevelOuter(TBevelCut::bvNone);
  bar->SetParent(this);
  const auto addButton = [&](const std::wstring& caption, const std::wstring& hint, const TNotifyEvent& onClick) {
    auto* button = TComponent::Create<TButton>(this);
    button->SetBounds(6 + 88 * bar->ControlCount(), 6, 80, 25);
    button->SetCaption(caption);
    button->SetHint(hint);
    button->SetShowHint(true);
    button->OnClick = onClick;
    button->SetParent(bar);
  };
  addButton(L"Tile", L"Place the children side by side", [this](TComponent*) { Tile(TTileMode::tbVertical); });
  addButton(L"Cascade", L"Stack the children, each caption in sight", [this](TComponent*) { Cascade(); });

  for (int number = 1; number <= 3; ++number) AddChild(number);
}

void TMdiForm::AddChild(int number) {
  auto* child = TComponent::Create<TForm>(this);
  child->SetCaption(L"MDI Child " + std::to_wstring(number));
  child->SetFormStyle(TFormStyle::fsMDIChild);
  child->SetBounds(12 + 28 * (number - 1), 12 + 28 * (number - 1), 300, 180);
  auto* text = TComponent::Create<TLabel>(child);
  text->SetCaption(L"Child window " + std::to_wstring(number) + L" of the MDI parent.");
  text->SetBounds(12, 12, 260, 16);
  text->SetParent(child);
  children_.push_back(child);
}

void TMdiForm::Open() {
  Show();
  if (opened_) return;
  opened_ = true;
  // The children need the parent's client window, which comes with its own.
  for (TForm* child : children_) child->Show();
}

}  // namespace gallery
