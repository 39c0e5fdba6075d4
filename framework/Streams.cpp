#include "framework/Streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "framework/Exceptions.h"
#include "framework/Utf.h"

namespace fw {

int64_t TStream::Size() {
  const int64_t here = Position();
  const int64_t end = Seek(0, TSeekOrigin::soEnd);
  Seek(here, TSeekOrigin::soBeginning);
  return end;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count < 0 || Read(buffer, count) != count) throw EReadError(L"Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count < 0 || Write(buffer, count) != count) throw EWriteError(L"Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<uint8_t> chunk(static_cast<size_t>(std::min<int64_t>(count, 1 << 16)));
  int64_t left = count;
  while (left > 0) {
    const int64_t n = std::min<int64_t>(left, static_cast<int64_t>(chunk.size()));
    source.ReadBuffer(chunk.data(), n);
    WriteBuffer(chunk.data(), n);
    left -= n;
  }
  return count;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || position_ >= static_cast<int64_t>(data_.size())) return 0;
  const int64_t n = std::min<int64_t>(count, static_cast<int64_t>(data_.size()) - position_);
  std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t end = position_ + count;
  if (end > static_cast<int64_t>(data_.size())) data_.resize(static_cast<size_t>(end));
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

const uint8_t* TMemoryStream::ReadInPlace(int64_t count) {
  if (count < 0 || position_ > static_cast<int64_t>(data_.size()) ||
      count > static_cast<int64_t>(data_.size()) - position_) {
    return nullptr;
  }
  const uint8_t* bytes = data_.data() + position_;
  position_ += count;
  return bytes;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = position_;
  if (origin == TSeekOrigin::soEnd) base = static_cast<int64_t>(data_.size());
  position_ = std::max<int64_t>(0, base + offset);
  return position_;
}

int64_t TMemoryReader::Read(void* buffer, int64_t count) {
  if (count <= 0 || position_ >= size_) return 0;
  const int64_t n = std::min(count, size_ - position_);
  std::memcpy(buffer, data_ + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

const uint8_t* TMemoryReader::ReadInPlace(int64_t count) {
  if (count < 0 || count > size_ - position_) return nullptr;
  const uint8_t* bytes = data_ + position_;
  position_ += count;
  return bytes;
}

int64_t TMemoryReader::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = position_;
  if (origin == TSeekOrigin::soEnd) base = size_;
  position_ = std::max<int64_t>(0, base + offset);
  return position_;
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::SetSize(int64_t size) {
  data_.resize(static_cast<size_t>(std::max<int64_t>(0, size)));
  position_ = std::min<int64_t>(position_, static_cast<int64_t>(data_.size()));
}

void TMemoryStream::LoadFromFile(const std::filesystem::path& fileName) {
  data_ = ReadFileBytes(fileName);
  position_ = 0;
}

void TMemoryStream::SaveToFile(const std::filesystem::path& fileName) const {
  WriteFileBytes(fileName, data_.data(), data_.size());
}

TFileStream::TFileStream(const std::filesystem::path& fileName, TFileMode mode) {
  const bool creating = mode == TFileMode::fmCreate;
  const auto refuse = [&](const std::string& reason) {
    throw EFOpenError((creating ? L"Cannot create file \"" : L"Cannot open file \"") + fileName.wstring() + L"\"" +
                      (reason.empty() ? std::wstring() : L". " + Utf8ToWide(reason)));
  };
  // Only regular files: a directory opens as a stream on some platforms and
  // then reads as endless, so every reader would try to allocate its "size".
  std::error_code ec;
  const auto status = std::filesystem::status(fileName, ec);
  if (std::filesystem::is_directory(status)) refuse(std::make_error_code(std::errc::is_a_directory).message());
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) refuse("Not a regular file");
  std::ios::openmode flags = std::ios::binary;
  switch (mode) {
    case TFileMode::fmOpenRead: flags |= std::ios::in; break;
    case TFileMode::fmCreate: flags |= std::ios::in | std::ios::out | std::ios::trunc; break;
    case TFileMode::fmOpenReadWrite: flags |= std::ios::in | std::ios::out; break;
  }
  errno = 0;
  file_.open(fileName, flags);
  if (!file_) refuse(errno ? std::generic_category().message(errno) : std::string());
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  file_.read(static_cast<char*>(buffer), count);
  const int64_t n = file_.gcount();
  file_.clear();
  return n;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  file_.write(static_cast<const char*>(buffer), count);
  if (!file_) {
    file_.clear();
    return 0;
  }
  return count;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const auto dir = origin == TSeekOrigin::soBeginning ? std::ios::beg
                   : origin == TSeekOrigin::soCurrent ? std::ios::cur
                                                      : std::ios::end;
  file_.seekg(offset, dir);
  file_.seekp(file_.tellg());
  file_.clear();
  return static_cast<int64_t>(file_.tellg());
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  file.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  return bytes;
}

void WriteFileBytes(const std::filesystem::path& fileName, const void* data, size_t size) {
  TFileStream file(fileName, TFileMode::fmCreate);
  file.WriteBuffer(data, static_cast<int64_t>(size));
}

}  // namespace fw
