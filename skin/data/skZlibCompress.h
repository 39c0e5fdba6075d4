#pragma once
// zlib streams over fw::TStream: a compression stream that deflates what is
// written to it, a decompression stream that inflates what is read from it,
// and whole-stream helpers. Both work through 4,096-byte buffers.
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Streams.h"

namespace sk {

class ECompressionError : public fw::Exception {
  using Exception::Exception;
};
class EDecompressionError : public fw::Exception {
  using Exception::Exception;
};

constexpr int kZlibBufferSize = 4096;

// Write-only: everything written is deflated into `dest`. Finish ends the
// zlib stream; a stream destroyed unfinished leaves `dest` incomplete.
class TskCompressionStream : public fw::TStream {
 public:
  TskCompressionStream(fw::TStream& dest, int level = 9);
  ~TskCompressionStream() override;
  int64_t Read(void* buffer, int64_t count) override;  // "Invalid stream operation"
  int64_t Write(const void* buffer, int64_t count) override;
  // Only the current position (bytes written so far) may be asked.
  int64_t Seek(int64_t offset, fw::TSeekOrigin origin) override;
  void Finish();

 private:
  void Drain(int flush);
  fw::TStream& dest_;
  struct State;
  std::unique_ptr<State> state_;
  std::vector<uint8_t> out_;
  int64_t written_ = 0;
  bool finished_ = false;
};

// Read-only: reads inflate the zlib stream that `source` holds from its
// current position. Corrupt data, and data that ends before the zlib stream
// does, raise EDecompressionError("compression error").
class TskDecompressionStream : public fw::TStream {
 public:
  explicit TskDecompressionStream(fw::TStream& source);
  ~TskDecompressionStream() override;
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;  // "Invalid stream operation"
  // Only the current position (bytes produced so far) may be asked.
  int64_t Seek(int64_t offset, fw::TSeekOrigin origin) override;

 private:
  fw::TStream& source_;
  struct State;
  std::unique_ptr<State> state_;
  std::vector<uint8_t> in_;
  int64_t produced_ = 0;
  bool ended_ = false;
};

// Deflates all of `source` (from its start) into `dest` at `level`.
void ZCompressStream(fw::TStream& source, fw::TStream& dest, int level = 9);
// Inflates `source` (from its start) onto the end of `dest`, 4,096 bytes at
// a time. More than `maxOutput` bytes is refused (EDecompressionError): a
// few kilobytes of deflate data can otherwise claim gigabytes.
void ZDecompressStream(fw::TStream& source, fw::TStream& dest, int64_t maxOutput);

// Bytes inflated in one piece.
class TskInflatedBytes {
 public:
  const uint8_t* Data() const { return data_.get(); }
  int64_t Size() const { return size_; }

 private:
  friend TskInflatedBytes ZDecompressBuffer(const uint8_t* data, int64_t size, int64_t maxOutput);
  // malloc'd: growing the block neither zero-fills it nor, mostly, moves it.
  struct Free {
    void operator()(uint8_t* p) const;
  };
  std::unique_ptr<uint8_t, Free> data_;
  int64_t size_ = 0;
};

// Inflates a whole zlib stream held in memory straight into one block, as
// ZDecompressStream does (the same limit and errors) without the round trips
// through small buffers.
TskInflatedBytes ZDecompressBuffer(const uint8_t* data, int64_t size, int64_t maxOutput);

}  // namespace sk
