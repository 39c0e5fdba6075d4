#include "tools/skin-gallery/MenusPage.h"

#include <cstdlib>

#include "framework/Canvas.h"

using namespace fw;

namespace gallery {

namespace {

constexpr TColor kKey = 0xFF00FF;  // the image strip's transparent colour

}  // namespace

TMenusPage::TMenusPage(TComponent* owner, TForm* form, sk::TskSkinData* skinData) : TComponent(owner) {
  strip_ = TComponent::Create<TPanel>(form);
  strip_->SetHeight(34);
  strip_->SetAlign(TAlign::alBottom);
  strip_->SetAlignment(TAlignment::taLeftJustify);
  strip_->SetBevelOuter(TBevelCut::bvLowered);
  strip_->SetCaption(L"Right-click here for a skinned menu");
  strip_->SetHint(L"Skinned popup menus");
  strip_->SetShowHint(true);
  strip_->SetParent(form);

  imagesButton_ = TComponent::Create<TButton>(form);
  imagesButton_->SetBounds(432, 5, 120, 24);
  imagesButton_->SetCaption(L"Images menu");
  imagesButton_->SetHint(L"A grid of images to choose from");
  imagesButton_->SetShowHint(true);
  imagesButton_->SetParent(strip_);

  host_ = TComponent::Create<sk::TskSkinMenuHost>(form);
  host_->SetSkinData(skinData);
  BuildImages();
  BuildPopupMenu();
  BuildImagesMenu();

  // The strip's own right click: the skinned menu instead of the form's.
  stripHook_.Install(strip_->Hooks(), [this](TMessage& m, const WindowHookChain::Next& next) {
    if (m.msg != WM_CONTEXTMENU) {
      next(m);
      return;
    }
    POINT at{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
    if (m.lParam == -1) GetCursorPos(&at);
    popup_->Popup(at.x, at.y);
    m.result = 0;
  });
}

void TMenusPage::BuildImages() {
  images_ = TComponent::Create<TImageList>(this);
  TBitmap strip(16 * 4, 16);
  {
    TBitmapCanvas canvas(strip);
    canvas.Brush().color = kKey;
    canvas.FillRect({0, 0, 64, 16});
    const TColor colours[] = {0x2060C0, 0x30A030, 0xC07020, 0x3030C0};
    for (int i = 0; i < 4; ++i) {
      canvas.Brush().color = colours[i];
      canvas.Pen().color = 0x202020;
      if (i % 2 == 0) {
        canvas.Rectangle({i * 16 + 2, 2, i * 16 + 14, 14});
      } else {
        canvas.Ellipse({i * 16 + 2, 2, i * 16 + 14, 14});
      }
    }
  }
  images_->AddMasked(strip, kKey);
}

TMenuItem* TMenusPage::Add(TMenuItem* parent, const std::wstring& caption, int image) {
  auto* item = TComponent::Create<TMenuItem>(this);
  item->SetCaption(caption);
  item->SetImageIndex(image);
  if (caption != L"-") {
    const std::wstring shown = StripHotkey(caption);
    item->OnClick = [this, shown](TComponent*) { Ran(shown); };
  }
  parent->Add(item);
  return item;
}

void TMenusPage::BuildPopupMenu() {
  popup_ = TComponent::Create<sk::TskSkinPopupMenu>(host_->Form());
  popup_->SetImages(images_);
  TMenuItem* root = popup_->Items();
  Add(root, L"&Copy", 0)->SetShortCut(TextToShortCut(L"Ctrl+C"));
  Add(root, L"&Paste", 1)->SetShortCut(TextToShortCut(L"Ctrl+V"));
  Add(root, L"-");
  TMenuItem* look = Add(root, L"&Look", 2);
  Add(look, L"&Plain");
  Add(look, L"&Framed");
  TMenuItem* more = Add(look, L"&More");
  Add(more, L"&First");
  Add(more, L"&Second");
  Add(root, L"-");
  TMenuItem* header = Add(root, L"-Marks-");
  header->SetEnabled(false);
  Add(root, L"C&hecked")->SetChecked(true);
  TMenuItem* radio = Add(root, L"&Radio");
  radio->SetRadioItem(true);
  radio->SetChecked(true);
  Add(root, L"&Disabled")->SetEnabled(false);
  Add(root, L"Fish && Chips");
  TMenuItem* items = Add(root, L"&Items");
  items->OnClick = nullptr;  // opening it is nothing Undo could take back
  BuildItemsMenu(items);
}

void TMenusPage::BuildItemsMenu(TMenuItem* parent) {
  // Brought up to date each time the level opens: it names what it takes back.
  undo_ = TComponent::Create<TAction>(this);
  undo_->OnUpdate = [this](TComponent*) {
    undo_->SetEnabled(!lastRan_.empty());
    undo_->SetCaption(lastRan_.empty() ? L"&Undo" : L"&Undo " + lastRan_);
  };
  undo_->OnExecute = [this](TComponent*) {
    strip_->SetCaption(L"Undid: " + lastRan_);
    lastRan_.clear();
  };
  TMenuItem* undo = Add(parent, L"&Undo");
  undo->OnClick = nullptr;
  undo->SetAction(undo_);
  Add(parent, L"-");

  // Drawn by its owner: a strip of colours before its caption.
  TMenuItem* colours = Add(parent, L"&Colours");
  colours->OnDrawItem = [](TComponent* sender, TCanvas& canvas, const TRect& r, bool selected) {
    const TColor blocks[] = {0x3030C0, 0x30A030, 0xC07020};
    const int top = r.top + (r.Height() - 12) / 2;
    for (int i = 0; i < 3; ++i) {
      canvas.Brush().style = TBrushStyle::bsSolid;
      canvas.Brush().color = blocks[i];
      canvas.FillRect(Bounds(r.left + 2 + i * 10, top, 10, 12));
    }
    if (selected) {
      canvas.Brush().color = canvas.Font().Color();
      canvas.FrameRect({r.left + 1, top - 1, r.left + 33, top + 13});
    }
    canvas.Brush().style = TBrushStyle::bsClear;
    TRect text{r.left + 38, r.top, r.right, r.bottom};
    canvas.DrawTextW(StripHotkey(static_cast<TMenuItem*>(sender)->Caption()), text,
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  };

  // Its own picture, not one of the image list's: a diamond on the key colour.
  TBitmap diamond(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) diamond.SetPixel(x, y, std::abs(x - 7) + std::abs(y - 7) <= 6 ? 0x2090E0 : kKey);
  }
  Add(parent, L"&Picture")->SetBitmap(diamond);
  Add(parent, L"-");

  // The details and the lines around them: while they are hidden the two
  // lines would meet, and only one shows.
  showDetails_ = Add(parent, L"Show &details");
  const TNotifyEvent ran = showDetails_->OnClick;
  showDetails_->OnClick = [this, ran](TComponent* sender) {
    showDetails_->SetChecked(!showDetails_->Checked());
    for (TMenuItem* item : details_) item->SetVisible(showDetails_->Checked());
    ran(sender);
  };
  Add(parent, L"-");
  for (const wchar_t* caption : {L"Detail &one", L"Detail t&wo"}) {
    details_.push_back(Add(parent, caption));
    details_.back()->SetVisible(false);
  }
  Add(parent, L"-");
  Add(parent, L"&Notes");
}

void TMenusPage::BuildImagesMenu() {
  imagesMenu_ = TComponent::Create<sk::TskSkinImagesMenu>(this);
  imagesMenu_->SetImages(images_);
  imagesMenu_->SetSkinData(host_->SkinData());
  imagesMenu_->SetColumnsCount(2);
  auto& items = imagesMenu_->ImagesItems();
  items.push_back({L"Shapes", L"", -1, false, true, nullptr});
  for (int i = 0; i < 4; ++i) items.push_back({L"", L"Shape " + std::to_wstring(i + 1), i, false, false, nullptr});
  items.push_back({L"None", L"No shape", -1, true, false, nullptr});
  imagesMenu_->OnItemClick = [this](TComponent*) { Ran(L"Image " + std::to_wstring(imagesMenu_->ItemIndex())); };
  imagesButton_->OnClick = [this](TComponent*) {
    // The window's skinned hints show the cells' hints too.
    imagesMenu_->SetSkinHint(sk::TskSkinHint::InCharge());
    const TPoint origin = imagesButton_->ClientToScreen({0, 0});
    imagesMenu_->Popup(Bounds(origin.x, origin.y, imagesButton_->Width(), imagesButton_->Height()));
  };
}

void TMenusPage::Ran(const std::wstring& what) {
  lastRan_ = what;
  strip_->SetCaption(L"Ran: " + what);
}

}  // namespace gallery
