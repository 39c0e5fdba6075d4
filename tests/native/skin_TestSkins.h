#pragma once
// Hand-built skin bytes for the skin tests, written field by field so the
// tests do not rely on the writers they check.
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/skSkinStoredSkin.h"

namespace skintest {

using Bytes = std::vector<uint8_t>;

inline void Put8(Bytes& b, uint8_t v) { b.push_back(v); }
inline void Put16(Bytes& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void Append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }
inline void Append(Bytes& b, const std::string& text) { b.insert(b.end(), text.begin(), text.end()); }

// A bottom-up BMP whose pixel (x, y) has palette index / grey level
// (x + 2y + seed) masked to the depth; 24-bit pixels are (seed, x, y) as B, G, R.
inline Bytes MakeBmp(int width, int height, int bits, int seed = 0) {
  const int colors = bits <= 8 ? 1 << bits : 0;
  const int rowBytes = ((width * bits + 31) / 32) * 4;
  const uint32_t offset = 14 + 40 + 4 * colors;
  const uint32_t size = offset + rowBytes * height;
  Bytes b;
  Put8(b, 'B');
  Put8(b, 'M');
  Put32(b, size);
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  Put16(b, 1);
  Put16(b, static_cast<uint16_t>(bits));
  Put32(b, 0);
  Put32(b, static_cast<uint32_t>(rowBytes * height));
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, static_cast<uint32_t>(colors));
  Put32(b, 0);
  for (int i = 0; i < colors; ++i) {
    Put8(b, static_cast<uint8_t>(i * 7));
    Put8(b, static_cast<uint8_t>(i * 3));
    Put8(b, static_cast<uint8_t>(255 - i));
    Put8(b, 0);
  }
  for (int row = 0; row < height; ++row) {
    const int y = height - 1 - row;
    Bytes line(static_cast<size_t>(rowBytes), 0);
    for (int x = 0; x < width; ++x) {
      const int v = (x + 2 * y + seed) & ((1 << (bits > 8 ? 8 : bits)) - 1);
      switch (bits) {
        case 1: line[x / 8] |= static_cast<uint8_t>(v << (7 - x % 8)); break;
        case 4: line[x / 2] |= static_cast<uint8_t>(x % 2 ? v : v << 4); break;
        case 8: line[x] = static_cast<uint8_t>(v); break;
        case 24:
          line[x * 3] = static_cast<uint8_t>(seed);
          line[x * 3 + 1] = static_cast<uint8_t>(x);
          line[x * 3 + 2] = static_cast<uint8_t>(y);
          break;
      }
    }
    Append(b, line);
  }
  return b;
}

// An 8-bit run-length encoded BMP of `value`, encoded as image editors do:
// runs of at most 255 pixels, an end-of-line after every row, end of picture.
inline Bytes MakeRle8(int width, int height, uint8_t value = 0) {
  Bytes runs;
  for (int y = 0; y < height; ++y) {
    for (int left = width; left > 0; left -= 255) {
      Put8(runs, static_cast<uint8_t>(left < 255 ? left : 255));
      Put8(runs, value);
    }
    Put8(runs, 0);
    Put8(runs, 0);
  }
  Put8(runs, 0);
  Put8(runs, 1);
  const uint32_t offset = 14 + 40 + 4 * 256;
  Bytes b;
  Put8(b, 'B');
  Put8(b, 'M');
  Put32(b, offset + static_cast<uint32_t>(runs.size()));
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(width));
  Put32(b, static_cast<uint32_t>(height));
  Put16(b, 1);
  Put16(b, 8);
  Put32(b, 1);  // BI_RLE8
  Put32(b, static_cast<uint32_t>(runs.size()));
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, 256);
  Put32(b, 0);
  for (int i = 0; i < 256; ++i) Put32(b, static_cast<uint32_t>(i * 0x010101));
  Append(b, runs);
  return b;
}

// An archive holding only these pictures: the main picture, then the rest
// as active pictures (no inactive picture, no mask), and no text.
inline Bytes ArchiveOfPictures(const std::vector<Bytes>& pictures) {
  Bytes b;
  Put32(b, 3);
  Put8(b, 0);
  Append(b, pictures.at(0));
  Put8(b, 1);
  Put8(b, 1);
  Put32(b, static_cast<uint32_t>(pictures.size() - 1));
  for (size_t i = 1; i < pictures.size(); ++i) Append(b, pictures[i]);
  return b;
}

inline Bytes Zlib(const Bytes& data, int level = 9) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level);
  out.resize(size);
  return out;
}

inline Bytes Envelope(int32_t version, const Bytes& zlibData) {
  Bytes b;
  Put32(b, static_cast<uint32_t>(version));
  Put32(b, static_cast<uint32_t>(zlibData.size()));
  Append(b, zlibData);
  return b;
}

// An archive with a main picture, no inactive picture, a mask and the given
// active pictures, then `text`.
inline Bytes MakeArchive(const std::vector<Bytes>& active, const std::string& text, int32_t version = 3) {
  Bytes b;
  Put32(b, static_cast<uint32_t>(version));
  Put8(b, 0);
  Append(b, MakeBmp(40, 30, 24, 1));
  Put8(b, 1);
  Put8(b, 0);
  Append(b, MakeBmp(40, 30, 8, 2));
  if (version == 2) {
    Put8(b, 0);
    Append(b, MakeBmp(3, 3, 24, 9));
    Put8(b, 1);
  }
  Put32(b, static_cast<uint32_t>(active.size()));
  for (const auto& picture : active) Append(b, picture);
  Append(b, text);
  return b;
}

// A description exercising the global sections, a few objects and controls.
inline std::string SampleDescription() {
  return "[VERSION]\r\nskinname=Test\r\nskinauthor=Me\r\nver=7\r\n"
         "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"
         "[FORMINFO]\r\nlefttoppoint=5,25\r\nrighttoppoint=35,25\r\nleftbottompoint=5,27\r\n"
         "rightbottompoint=35,27\r\nclientrect=4,24,36,28\r\nbuttonsrect=20,2,38,12\r\n"
         "[POPUPWINDOW]\r\nwindowpictureindex=1\r\n"
         "[HINTWINDOW]\r\nfontname=Tahoma\r\n"
         "[SKINCOLORS]\r\ncbtnface=12345\r\n"
         "[SKINOBJECTS]\r\ncount=3\r\n0=closebutton:stdbutton\r\n1=caption:caption\r\n2=nocolon\r\n"
         "[closebutton]\r\nhint=Close\r\ncommand=cmclose\r\nskinrect=30,2,38,10\r\nactivepictureindex=0\r\n"
         "[caption]\r\nskinrect=2,2,20,12\r\nfontheight=11\r\n"
         "[SKINCONTROLS]\r\ncount=2\r\n0=panel:panel\r\n1=button:button\r\n"
         "[panel]\r\npictureindex=0\r\nskinrect=0,0,10,10\r\nfontheight=12\r\n"
         "[button]\r\npictureindex=1\r\nskinrect=0,0,8,8\r\n";
}

// A stored skin holding `archive` compressed as the import would.
inline void Store(sk::TskCompressedStoredSkin& skin, const Bytes& archive) {
  const Bytes z = Zlib(archive);
  skin.CompressedData().Clear();
  skin.CompressedData().WriteBuffer(z.data(), static_cast<int64_t>(z.size()));
}

}  // namespace skintest
