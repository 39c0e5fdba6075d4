#pragma once
// The skin archive: what a skin's zlib stream inflates to. Version, three
// flagged picture slots (two more, discarded, in version 2), the active
// pictures, then the description text to the end.
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/Streams.h"

namespace sk {

// A skin archive that cannot be read: a newer version, a bad count.
class ESkinArchiveError : public fw::EStreamError {
  using EStreamError::EStreamError;
};

struct TskSkinArchive {
  int32_t Version = 3;
  fw::TBitmap Picture;          // empty when the slot is empty
  fw::TBitmap InactivePicture;
  fw::TBitmap Mask;
  std::vector<fw::TBitmap> ActivePictures;
  std::string Text;             // the skin.ini text, lines ended by CR LF
};

// Reads an archive from the stream's position to its end. A version of 4
// or more raises ESkinArchiveError; a short picture or count raises the
// stream or bitmap error.
TskSkinArchive ReadSkinArchive(fw::TStream& stream);
// Writes an archive of version 3 (the archive's Version is not used).
void WriteSkinArchive(const TskSkinArchive& archive, fw::TStream& stream);

}  // namespace sk
