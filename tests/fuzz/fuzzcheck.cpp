#include "fuzzcheck.h"

#include <QStringList>

namespace FuzzInput {

QStringList texts(const uint8_t *data, size_t size, int count)
{
    QStringList result;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QByteArray &part : bytes.split('\0'))
        if (result.size() < count)
            result << QString::fromUtf8(part);
    while (result.size() < count)
        result << QString();
    return result;
}

bool isWellFormedResult(const QString &text, int minDecimals, int maxDecimals)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    if (i < text.size() && text[i] == u'0')
        return false;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    if (i >= text.size() || text[i] != u'.')
        return false;
    const qsizetype decimals = text.size() - i - 1;
    if (decimals < minDecimals || decimals > maxDecimals)
        return false;
    for (++i; i < text.size(); ++i)
        if (!(text[i] >= u'0' && text[i] <= u'9'))
            return false;
    return text != QStringLiteral("-.0") && text != QStringLiteral("-.00");
}

} // namespace FuzzInput
