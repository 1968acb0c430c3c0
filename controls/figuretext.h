#pragma once

#include <QString>

namespace Zyntra {

// A text a figure window shows or speaks, in the language the program
// speaks: the German catalogue's word where there is one, else the text as
// declared. Letters and numbers have no entry and stay as they are.
QString figureText(QStringView english);

} // namespace Zyntra
