#pragma once
// The models keep text as 8-bit Windows-1252 bytes; Qt shows Unicode. These convert at the
// edge of the view layer. File paths are not text of this kind: they go through
// QFile::encodeName/decodeName so they name the same file on disk.
#include <QString>

#include <string>

namespace corvalet::gui {

[[nodiscard]] QString fromBytes(const std::string& bytes);
// Characters without a Windows-1252 byte become "?".
[[nodiscard]] std::string toBytes(const QString& text);

[[nodiscard]] QString fromPath(const std::string& path);
[[nodiscard]] std::string toPath(const QString& path);

} // namespace corvalet::gui
