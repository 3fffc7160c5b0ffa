#include "gui/TextCodec.h"

#include <QFile>

namespace corvalet::gui {

namespace {

// Bytes 0x80..0x9F of Windows-1252; 0 marks the five bytes it leaves unassigned, which are
// taken as the Latin-1 control characters of the same number.
constexpr char16_t high1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QString fromBytes(const std::string& bytes)
{
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 && u <= 0x9F && high1252[u - 0x80] != 0)
            text.append(QChar(high1252[u - 0x80]));
        else
            text.append(QChar(char16_t(u)));
    }
    return text;
}

std::string toBytes(const QString& text)
{
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.push_back(char(u));
            continue;
        }
        char out = '?';
        for (int i = 0; i < 32; ++i) {
            if (high1252[i] == u || (high1252[i] == 0 && u == char16_t(0x80 + i))) {
                out = char(0x80 + i);
                break;
            }
        }
        bytes.push_back(out);
    }
    return bytes;
}

QString fromPath(const std::string& path)
{
    return QFile::decodeName(QByteArray(path.data(), qsizetype(path.size())));
}

std::string toPath(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    return std::string(encoded.constData(), std::size_t(encoded.size()));
}

} // namespace corvalet::gui
