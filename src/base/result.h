#pragma once

#include <string>
#include <utility>
#include <variant>

namespace zelmora {

// An operating-system failure: errno-style code and a readable message.
struct Error {
  int code = 0;
  std::string message;
};

// Outcome of an operation that can fail for OS reasons.
class Status {
public:
  Status() = default;
  Status(Error error) : m_ok(false), m_error(std::move(error)) {}
  static Status Ok() { return {}; }
  bool ok() const { return m_ok; }
  explicit operator bool() const { return m_ok; }
  const Error& error() const { return m_error; }

private:
  bool m_ok = true;
  Error m_error;
};

// A value or an error.
template <typename T>
class Result {
public:
  Result(T value) : m_data(std::move(value)) {}
  Result(Error error) : m_data(std::move(error)) {}
  bool ok() const { return std::holds_alternative<T>(m_data); }
  explicit operator bool() const { return ok(); }
  const T& value() const { return std::get<T>(m_data); }
  T& value() { return std::get<T>(m_data); }
  const Error& error() const { return std::get<Error>(m_data); }

private:
  std::variant<T, Error> m_data;
};

// Error from the current errno, prefixed with what was being done.
Error ErrnoError(const std::string& what);

}  // namespace zelmora
