#include "tools/skin-gallery/GallerySkin.h"

#include <cwctype>

#include "app/Resources.h"
#include "framework/Exceptions.h"
#include "framework/Streams.h"

namespace gallery {

namespace {

bool IsIniFile(const std::filesystem::path& path) {
  std::wstring ext = path.extension().wstring();
  for (auto& c : ext) c = static_cast<wchar_t>(std::towlower(c));
  return ext == L".ini";
}

}  // namespace

void ReadEmbeddedSkin(sk::TskCompressedStoredSkin& skin) {
  const std::vector<uint8_t> bytes = quillet::LoadBinaryResource(L"SKIN0");
  fw::TMemoryStream stream(bytes);
  skin.ReadSkinEnvelope(stream);
}

void ReadSkinFile(const std::filesystem::path& path, sk::TskCompressedStoredSkin& skin) {
  std::error_code ec;
  const bool folder = std::filesystem::is_directory(path, ec);
  const std::filesystem::path file = folder ? path / L"skin.ini" : path;
  if (!std::filesystem::is_regular_file(file, ec)) throw fw::EFOpenError(L"There is no file " + file.wstring() + L".");
  if (folder || IsIniFile(file)) {
    skin.ImportSkinFolder(file);
    // The import leaves the skin empty rather than fail on a description
    // that lacks a required section; an empty skin would load as nothing.
    if (skin.IsEmpty()) {
      throw fw::EReadError(file.wstring() +
                           L" is not a skin description: it needs the sections [VERSION], [PICTURES], "
                           L"[FORMINFO], [SKINOBJECTS] and [SKINCONTROLS].");
    }
    return;
  }
  skin.ImportCompressedSkinFile(file);
  if (skin.IsEmpty()) throw fw::EReadError(file.wstring() + L" is of a newer skin format or holds no skin.");
}

}  // namespace gallery
