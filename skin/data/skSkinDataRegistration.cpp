#include "skin/data/skSkinDataRegistration.h"

#include "framework/Exceptions.h"
#include "framework/Layout.h"
#include "skin/data/skSkinData.h"
#include "skin/data/skSkinStoredSkin.h"

namespace sk {
namespace {

using fw::ClassInfo;
using fw::LayoutContext;
using fw::LayoutValue;

// Binary values may sit in the text or outside it ("@name").
std::vector<uint8_t> BytesOf(const LayoutValue& v, LayoutContext& ctx) {
  if (v.kind != LayoutValue::Kind::Binary) {
    throw fw::ELayoutError(L"Layout line " + std::to_wstring(v.line) + L": binary data expected");
  }
  return v.text.empty() ? v.bytes : ctx.FindBinary(v.text, v.line);
}

void ReadListItem(TskSkinListItem& item, const fw::LayoutItem& properties, LayoutContext& ctx) {
  for (const auto& [name, value] : properties.properties) {
    if (name == L"FileName") {
      item.SetFileName(value.AsText());
    } else if (name == L"CompressedFileName") {
      item.SetCompressedFileName(value.AsText());
    } else if (name == L"Name") {
      item.SetName(value.AsText());
    } else if (name == L"Description") {
      item.SetDescription(value.AsText());
    } else if (name == L"Skin") {
      fw::TMemoryStream stream(BytesOf(value, ctx));
      item.ReadSkin(stream);
    } else {
      throw fw::ELayoutError(L"Layout line " + std::to_wstring(value.line) + L": a skin list item has no property " +
                             name);
    }
  }
}

}  // namespace

void RegisterSkinDataClasses() {
  fw::ClassRegistry& r = fw::ClassRegistry::Instance();
  r.Register(L"TComponent", L"", nullptr);

  r.Register<TskCompressedStoredSkin>(L"TskCompressedStoredSkin", L"TComponent")
      .Text<TskCompressedStoredSkin>(L"Description", &TskCompressedStoredSkin::SetDescription)
      .Text<TskCompressedStoredSkin>(L"FileName", &TskCompressedStoredSkin::SetFileName)
      .Text<TskCompressedStoredSkin>(L"CompressedFileName", &TskCompressedStoredSkin::SetCompressedFileName)
      .Property(L"CompressedData", [](fw::TComponent& c, const LayoutValue& v, LayoutContext& ctx) {
        fw::TMemoryStream stream(BytesOf(v, ctx));
        ClassInfo::Cast<TskCompressedStoredSkin>(c, v).ReadCompressedData(stream);
      });

  r.Register<TskCompressedSkinList>(L"TskCompressedSkinList", L"TComponent")
      .Property(L"Skins", [](fw::TComponent& c, const LayoutValue& v, LayoutContext& ctx) {
        if (v.kind != LayoutValue::Kind::Collection) {
          throw fw::ELayoutError(L"Layout line " + std::to_wstring(v.line) + L": a collection expected");
        }
        auto& list = ClassInfo::Cast<TskCompressedSkinList>(c, v);
        list.Skins().Clear();
        for (const auto& item : v.items) ReadListItem(list.Skins().Add(), item, ctx);
      });

  r.Register<TskResourceStrData>(L"TskResourceStrData", L"TComponent");

  r.Register<TskSkinData>(L"TskSkinData", L"TComponent")
      .Bool<TskSkinData>(L"SkinnableForm", &TskSkinData::SetSkinnableForm)
      .Bool<TskSkinData>(L"EnableSkinEffects", &TskSkinData::SetEnableSkinEffects)
      .Bool<TskSkinData>(L"ShowButtonGlowFrames", &TskSkinData::SetShowButtonGlowFrames)
      .Bool<TskSkinData>(L"ShowCaptionButtonGlowFrames", &TskSkinData::SetShowCaptionButtonGlowFrames)
      .Int<TskSkinData>(L"SkinIndex", &TskSkinData::SetSkinIndex)
      .Reference<TskSkinData, TskCompressedSkinList>(L"SkinList", &TskSkinData::SetSkinList)
      .Reference<TskSkinData, TskCompressedStoredSkin>(L"CompressedStoredSkin", &TskSkinData::SetCompressedStoredSkin)
      .Reference<TskSkinData, TskResourceStrData>(L"ResourceStrData", &TskSkinData::SetResourceStrData);
}

}  // namespace sk
