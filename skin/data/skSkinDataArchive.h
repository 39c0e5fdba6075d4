#pragma once
// The skin archive: what a skin's zlib stream inflates to. Version, three
// flagged picture slots (two more, discarded, in version 2), the active
// pictures, then the description text to the end.
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/Streams.h"
#include "skin/data/skSkinStoredSkin.h"

namespace sk {

// Pixels that all pictures of one archive may hold together. A skin needs
// far less (ours has under a megapixel); the bound keeps a small hostile
// file from claiming gigabytes.
constexpr int64_t kMaxSkinPixels = int64_t{64} * 1024 * 1024;

// A skin archive that cannot be read: a bad slot or count, too many pixels.
class ESkinArchiveError : public fw::EStreamError {
  using EStreamError::EStreamError;
};

struct TskSkinArchive {
  int32_t Version = 3;
  fw::TBitmap Picture;  // empty when the slot is empty
  fw::TBitmap InactivePicture;
  fw::TBitmap Mask;
  std::vector<fw::TBitmap> ActivePictures;
  std::string Text;  // the skin.ini text, lines ended by CR LF
};

// Reads an archive from the stream's position to its end. Of an archive
// newer than kSkinArchiveVersion only Version is read: the caller decides.
// A short picture or count raises the stream or bitmap error; pictures
// beyond kMaxSkinPixels in all raise ESkinArchiveError before they are
// allocated.
TskSkinArchive ReadSkinArchive(fw::TStream& stream);
// Writes an archive of version 3 (the archive's Version is not used);
// pictures beyond kMaxSkinPixels raise ESkinArchiveError.
void WriteSkinArchive(const TskSkinArchive& archive, fw::TStream& stream);

}  // namespace sk
