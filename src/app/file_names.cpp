// SPDX-License-Identifier: MIT
#include "app/file_names.h"

#include <QStringDecoder>

#include "project/disk_file.h"

namespace app {

std::filesystem::path pathFromQString(const QString& name)
{
#if defined(_WIN32)
    // A Windows path is UTF-16 in wchar_t: taken over as it is, with no conversion that could
    // refuse a lone surrogate.
    return std::filesystem::path(name.toStdWString());
#else
    const QByteArray bytes = name.toUtf8();
    return std::filesystem::path(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
#endif
}

QString qStringFromPath(const std::filesystem::path& path)
{
#if defined(_WIN32)
    return QString::fromStdWString(path.native());
#else
    const std::string& bytes = path.native();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
#endif
}

std::string utf8PathText(const QString& name) { return project::utf8Of(pathFromQString(name)); }

QString qStringFromPathText(std::string_view utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QByteArrayView bytes(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QString text = decoder.decode(bytes);
    if (!decoder.hasError()) {
        return text;
    }
    return QString::fromLocal8Bit(bytes);
}

}  // namespace app
