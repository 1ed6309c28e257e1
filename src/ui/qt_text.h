#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zelmora {

// Text crosses between the program's UTF-8 strings and Qt only here.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
  return text.toStdString();
}

}  // namespace zelmora
