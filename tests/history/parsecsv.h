#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// RFC 4180: quoted fields, doubled quotes, CRLF line ends.
inline QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == u'"' && quoted && next == u'"')
            field += text[++i];
        else if (text[i] == u'"')
            quoted = !quoted;
        else if (!quoted && (text[i] == u',' || (text[i] == u'\r' && next == u'\n')))
            rows.last() << std::exchange(field, {});
        else if (!quoted && text[i] == u'\n')
            rows << QStringList();
        else
            field += text[i];
    }
    rows.removeLast();
    return rows;
}
