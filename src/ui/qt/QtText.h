#pragma once
// The one place text crosses into Qt: the core's bytes (Windows-1252) are
// read as Latin-1, which keeps every byte, and written back the same way.
#include <QString>
#include <string>
#include <string_view>

namespace parlevox {

inline QString ToQString(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace parlevox
