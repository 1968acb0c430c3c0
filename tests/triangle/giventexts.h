#pragma once

// A triangle solver's field texts: the given ones filled in by index, the
// rest empty.
#include <QStringList>

#include <initializer_list>
#include <utility>

template <int Fields>
QStringList givenTexts(std::initializer_list<std::pair<int, QString>> values)
{
    QStringList texts(Fields);
    for (const auto &[index, text] : values)
        texts[index] = text;
    return texts;
}
