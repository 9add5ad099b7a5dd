#include "graphics/CoreText.h"

#include <QStringDecoder>

namespace orvelan {

QString fromCoreMessage(std::string_view message) {
    const QByteArrayView bytes(message.data(), static_cast<qsizetype>(message.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : decoded;
}

} // namespace orvelan
