#pragma once
// The picture formats the program reads, registered with TPicture by file
// extension: bmp (our own reader), ico, wmf and emf (through the platform),
// gif (giflib) and jpg/jpeg (libjpeg).
#include <cstdint>
#include <filesystem>
#include <vector>

namespace fw {

// Registers every format; calling it again changes nothing.
void RegisterPictureFormats();

// The whole file, refusing files larger than any picture we show.
std::vector<uint8_t> ReadPictureFile(const std::filesystem::path& file);

}  // namespace fw
