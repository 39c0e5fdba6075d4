#pragma once
// Where the gallery's skin comes from: the packed skin compiled into the
// program (the same as Quillet.exe's), or a skin a skin author names on the
// command line, packed or as a folder.
#include <filesystem>

#include "skin/data/skSkinStoredSkin.h"

namespace gallery {

// The embedded skin, SKIN0.
void ReadEmbeddedSkin(sk::TskCompressedStoredSkin& skin);

// A skin file: a skin folder's skin.ini (or the folder itself) is packed on
// the fly, anything else is read as a packed skin file. Raises an error
// that says what is wrong when the file cannot be read or holds no skin.
void ReadSkinFile(const std::filesystem::path& path, sk::TskCompressedStoredSkin& skin);

}  // namespace gallery
