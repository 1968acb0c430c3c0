#pragma once

#include <QString>

namespace Zyntra {

// A text a figure window shows or speaks, in the language the program
// speaks: the German catalogue's word where there is one, else the text as
// declared. Letters and numbers have no entry and stay as they are. A
// sentence the arithmetic put together in English ("Side a must be greater
// than zero.") is put together again from the catalogue's sentence
// ("%1 must be %2.") and its parts, each in the same language; notes joined
// by "; ", a list and the sides of "Diagonal = 5" part by part.
QString figureText(QStringView english);

// A value in words, as a screen reader hears it ("25 pi", "3 root 2 over 2",
// "5 feet 3 and a half inches"), in the language the program speaks: word
// by word, as the catalogue says each; numbers stay as they are.
QString spokenValue(const QString &english);

} // namespace Zyntra
