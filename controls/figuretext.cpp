#include "figuretext.h"

#include <QCoreApplication>

namespace Zyntra {

QString figureText(QStringView english)
{
    // One context for every figure window, so that a word is translated once.
    return QCoreApplication::translate("Figures", english.toUtf8().constData());
}

} // namespace Zyntra
