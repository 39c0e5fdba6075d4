#pragma once
// Byte streams: the abstract stream, a growable memory stream and a file
// stream. Short reads through ReadBuffer are errors, never silent garbage.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fw {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to `count` bytes; returns how many were read.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  // The next `count` bytes where the stream keeps them, moving past them: a
  // reader can take them without a copy. Valid until the stream changes;
  // nullptr (and nothing read) when the stream keeps no bytes in memory or
  // has fewer left.
  virtual const uint8_t* ReadInPlace(int64_t count) { return nullptr; }

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  int64_t Size();
  int64_t Remaining() { return Size() - Position(); }

  // Exactly `count` bytes or EReadError / EWriteError.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies `count` bytes from `source` (all of it from its start when 0).
  int64_t CopyFrom(TStream& source, int64_t count);

  template <class T>
  T ReadValue() {
    T value{};
    ReadBuffer(&value, sizeof value);
    return value;
  }
  template <class T>
  void WriteValue(const T& value) {
    WriteBuffer(&value, sizeof value);
  }
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  const uint8_t* ReadInPlace(int64_t count) override;

  const std::vector<uint8_t>& Bytes() const { return data_; }
  std::vector<uint8_t>& Bytes() { return data_; }
  void Clear();
  void SetSize(int64_t size);
  void LoadFromFile(const std::filesystem::path& fileName);
  void SaveToFile(const std::filesystem::path& fileName) const;

 private:
  std::vector<uint8_t> data_;
  int64_t position_ = 0;
};

// A read-only stream over bytes it does not own (they must outlive it):
// reads what sits in memory already without copying it into a stream.
// Writing fails (WriteBuffer raises EWriteError).
class TMemoryReader : public TStream {
 public:
  TMemoryReader(const void* data, int64_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override { return 0; }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  const uint8_t* ReadInPlace(int64_t count) override;

 private:
  const uint8_t* data_;
  int64_t size_;
  int64_t position_ = 0;
};

enum class TFileMode { fmOpenRead, fmCreate, fmOpenReadWrite };

class TFileStream : public TStream {
 public:
  TFileStream(const std::filesystem::path& fileName, TFileMode mode);
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

 private:
  std::fstream file_;
};

// Whole-file helpers; EFOpenError when the file cannot be opened.
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& fileName);
void WriteFileBytes(const std::filesystem::path& fileName, const void* data, size_t size);

}  // namespace fw
