#pragma once
// Errors are exceptions carrying a user-readable message. They travel up to
// the application's handler, which shows the message and resumes the loop.
#include <stdexcept>
#include <string>

namespace fw {

class Exception : public std::exception {
 public:
  explicit Exception(std::wstring message);
  const std::wstring& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::wstring message_;
  std::string utf8_;
};

// Formats a message with one "%s" placeholder, as the stock messages do.
std::wstring FormatMessage1(std::wstring_view pattern, std::wstring_view arg);

// Reading or writing a stream past its end, or a malformed stream.
class EStreamError : public Exception {
  using Exception::Exception;
};
class EReadError : public EStreamError {
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
// Settings files that cannot be written.
class EIniFileException : public Exception {
  using Exception::Exception;
};
// A layout text that names something that does not exist or is malformed.
class ELayoutError : public Exception {
  using Exception::Exception;
};
class EConvertError : public Exception {
  using Exception::Exception;
};
class EInvalidOperation : public Exception {
  using Exception::Exception;
};
class EOutOfResources : public Exception {
  using Exception::Exception;
};
class EListError : public Exception {
  using Exception::Exception;
};
class EInvalidGraphic : public Exception {
  using Exception::Exception;
};
// An object taken as a class it is not of.
class EInvalidCast : public Exception {
 public:
  EInvalidCast() : Exception(L"Invalid class typecast") {}
  using Exception::Exception;
};

// `object` as a T; EInvalidCast when it is something else. Null stays null.
template <class T, class U>
T* CheckedCast(U* object) {
  if (!object) return nullptr;
  T* typed = dynamic_cast<T*>(object);
  if (!typed) throw EInvalidCast();
  return typed;
}

}  // namespace fw
