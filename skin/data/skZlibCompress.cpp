#include "skin/data/skZlibCompress.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "skin/data/skAdler32.h"

namespace sk {
namespace {
const wchar_t* const kInvalidStreamOp = L"Invalid stream operation";
const wchar_t* const kTooLarge = L"compression error: the skin is too large";
}  // namespace

struct TskCompressionStream::State {
  z_stream z{};
};
struct TskDecompressionStream::State {
  z_stream z{};
};

TskCompressionStream::TskCompressionStream(fw::TStream& dest, int level)
    : dest_(dest), state_(std::make_unique<State>()), out_(kZlibBufferSize) {
  if (deflateInit(&state_->z, level) != Z_OK) throw ECompressionError(L"error");
  state_->z.next_out = out_.data();
  state_->z.avail_out = kZlibBufferSize;
}

TskCompressionStream::~TskCompressionStream() { deflateEnd(&state_->z); }

int64_t TskCompressionStream::Read(void*, int64_t) { throw ECompressionError(kInvalidStreamOp); }

int64_t TskCompressionStream::Seek(int64_t offset, fw::TSeekOrigin origin) {
  if (offset == 0 && origin == fw::TSeekOrigin::soCurrent) return written_;
  throw ECompressionError(kInvalidStreamOp);
}

// Compresses what is pending, writing every full output buffer to dest.
void TskCompressionStream::Drain(int flush) {
  z_stream& z = state_->z;
  for (;;) {
    const int rc = deflate(&z, flush);
    if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) throw ECompressionError(L"error");
    const bool full = z.avail_out == 0;
    if (full || (flush == Z_FINISH && z.avail_out < static_cast<uInt>(kZlibBufferSize))) {
      dest_.WriteBuffer(out_.data(), kZlibBufferSize - z.avail_out);
      z.next_out = out_.data();
      z.avail_out = kZlibBufferSize;
    }
    if (flush == Z_FINISH) {
      if (rc == Z_STREAM_END) return;
    } else if (z.avail_in == 0 && !full) {
      return;
    }
  }
}

int64_t TskCompressionStream::Write(const void* buffer, int64_t count) {
  if (finished_) throw ECompressionError(kInvalidStreamOp);
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  int64_t left = count;
  while (left > 0) {
    const auto n = static_cast<uInt>(std::min<int64_t>(left, 1 << 30));
    state_->z.next_in = const_cast<Bytef*>(bytes);
    state_->z.avail_in = n;
    Drain(Z_NO_FLUSH);
    bytes += n;
    left -= n;
  }
  written_ += count;
  return count;
}

void TskCompressionStream::Finish() {
  if (finished_) return;
  state_->z.next_in = nullptr;
  state_->z.avail_in = 0;
  Drain(Z_FINISH);
  finished_ = true;
}

TskDecompressionStream::TskDecompressionStream(fw::TStream& source)
    : source_(source), state_(std::make_unique<State>()), in_(kZlibBufferSize) {
  if (inflateInit(&state_->z) != Z_OK) throw EDecompressionError(L"compression error");
}

TskDecompressionStream::~TskDecompressionStream() { inflateEnd(&state_->z); }

int64_t TskDecompressionStream::Write(const void*, int64_t) { throw EDecompressionError(kInvalidStreamOp); }

int64_t TskDecompressionStream::Seek(int64_t offset, fw::TSeekOrigin origin) {
  if (offset == 0 && origin == fw::TSeekOrigin::soCurrent) return produced_;
  throw EDecompressionError(kInvalidStreamOp);
}

int64_t TskDecompressionStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || ended_) return 0;
  z_stream& z = state_->z;
  z.next_out = static_cast<Bytef*>(buffer);
  z.avail_out = static_cast<uInt>(std::min<int64_t>(count, 1 << 30));
  const uInt wanted = z.avail_out;
  while (z.avail_out > 0) {
    if (z.avail_in == 0) {
      const int64_t got = source_.Read(in_.data(), kZlibBufferSize);
      // The data ended inside the zlib stream: a cut-off skin must not pass
      // for a complete one.
      if (got <= 0) throw EDecompressionError(L"compression error");
      z.next_in = in_.data();
      z.avail_in = static_cast<uInt>(got);
    }
    const int rc = inflate(&z, Z_NO_FLUSH);
    if (rc == Z_STREAM_END) {
      ended_ = true;
      break;
    }
    if (rc != Z_OK && rc != Z_BUF_ERROR) throw EDecompressionError(L"compression error");
  }
  const int64_t n = wanted - z.avail_out;
  produced_ += n;
  return n;
}

void ZCompressStream(fw::TStream& source, fw::TStream& dest, int level) {
  TskCompressionStream compressor(dest, level);
  source.SetPosition(0);
  std::vector<uint8_t> chunk(kZlibBufferSize);
  for (;;) {
    const int64_t n = source.Read(chunk.data(), kZlibBufferSize);
    if (n <= 0) break;
    compressor.WriteBuffer(chunk.data(), n);
  }
  compressor.Finish();
}

void ZDecompressStream(fw::TStream& source, fw::TStream& dest, int64_t maxOutput) {
  source.SetPosition(0);
  TskDecompressionStream inflater(source);
  std::vector<uint8_t> chunk(kZlibBufferSize);
  int64_t total = 0;
  for (;;) {
    const int64_t n = inflater.Read(chunk.data(), kZlibBufferSize);
    if (n <= 0) break;
    total += n;
    if (total > maxOutput) throw EDecompressionError(kTooLarge);
    dest.WriteBuffer(chunk.data(), n);
  }
}

void TskInflatedBytes::Free::operator()(uint8_t* p) const { std::free(p); }

namespace {

constexpr int64_t kZlibHeader = 2, kZlibTrailer = 4;

// The two bytes before the deflate data: deflate, a window zlib can use, no
// preset dictionary, and the check that makes them a multiple of 31.
bool ZlibHeaderValid(const uint8_t* data, int64_t size) {
  if (size < kZlibHeader) return false;
  const unsigned cmf = data[0], flg = data[1];
  return (cmf & 0x0F) == Z_DEFLATED && (cmf >> 4) <= 7 && (cmf << 8 | flg) % 31 == 0 && !(flg & 0x20);
}

}  // namespace

// The deflate data is inflated raw and its checksum worked out apart
// (Adler32): zlib's own check is a byte loop as slow as the inflate.
TskInflatedBytes ZDecompressBuffer(const uint8_t* data, int64_t size, int64_t maxOutput) {
  if (!ZlibHeaderValid(data, size)) throw EDecompressionError(L"compression error");
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw EDecompressionError(L"compression error");
  struct End {
    z_stream& z;
    ~End() { inflateEnd(&z); }
  } end{z};
  constexpr int64_t kStep = int64_t{1} << 30;  // what one zlib call takes and gives
  // One byte past the limit tells the limit is passed.
  const int64_t limit = std::min<int64_t>(maxOutput, INT64_MAX - 1) + 1;
  const uint8_t* const input = data + kZlibHeader;
  const int64_t inputSize = size - kZlibHeader;
  TskInflatedBytes out;
  int64_t capacity = 0, inputLeft = inputSize;
  for (;;) {
    if (out.size_ == capacity) {
      if (capacity == limit) throw EDecompressionError(kTooLarge);
      // Skins inflate to many times their packed size: start well above it.
      const int64_t want = capacity ? capacity * 2 : std::max<int64_t>(int64_t{1} << 16, size * 8);
      const int64_t next = std::min(limit, want);
      auto* grown = static_cast<uint8_t*>(std::realloc(out.data_.get(), static_cast<size_t>(next)));
      if (!grown) throw std::bad_alloc();
      out.data_.release();
      out.data_.reset(grown);
      capacity = next;
    }
    if (z.avail_in == 0 && inputLeft > 0) {
      const int64_t n = std::min(inputLeft, kStep);
      z.next_in = const_cast<Bytef*>(input + (inputSize - inputLeft));
      z.avail_in = static_cast<uInt>(n);
      inputLeft -= n;
    }
    z.next_out = out.data_.get() + out.size_;
    z.avail_out = static_cast<uInt>(std::min(capacity - out.size_, kStep));
    const uInt room = z.avail_out;
    const int rc = inflate(&z, Z_NO_FLUSH);
    out.size_ += room - z.avail_out;
    if (rc == Z_STREAM_END) break;
    // Z_BUF_ERROR with room left means the data ended inside the stream: a
    // cut-off skin must not pass for a complete one.
    if (rc != Z_OK) throw EDecompressionError(L"compression error");
  }
  if (out.size_ > maxOutput) throw EDecompressionError(kTooLarge);
  // The big-endian checksum follows the deflate data.
  const uint8_t* trailer = z.next_in;
  if ((data + size) - trailer < kZlibTrailer) throw EDecompressionError(L"compression error");
  const uint32_t stored = uint32_t{trailer[0]} << 24 | uint32_t{trailer[1]} << 16 | uint32_t{trailer[2]} << 8 | trailer[3];
  if (Adler32(1, out.Data(), static_cast<size_t>(out.size_)) != stored) throw EDecompressionError(L"compression error");
  return out;
}

}  // namespace sk
