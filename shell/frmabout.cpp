#include "frmabout.h"

#include "controls/figuretext.h"
#include "controls/picture.h"
#include "controls/systemcolours.h"
#include "controls/twips.h"
#include "frmsplash.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace Zyntra {

namespace {

QLabel *addLabel(QWidget *parent, const char *name, Twips at, const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at.toPixels());
    label->setWordWrap(true);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setAutoFillBackground(true);
    paintFace();
    setFixedSize(Twips{0, 0, 6300, 3930}.toPixels().size());

    auto *logo = new Picture(QStringLiteral(":/pictures/logo.svg"), this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(Twips{0, 240, 2145, 1620}.toPixels());
    m_label1 = addLabel(this, "Label1", {3240, 0, 1995, 375});
    QFont bold = m_label1->font();
    bold.setBold(true);
    bold.setPointSizeF(12);
    m_label1->setFont(bold);
    m_label2 = addLabel(this, "Label2", {3240, 480, 1995, 255});
    m_label5 = addLabel(this, "Label5", {3240, 720, 1995, 255});
    addLabel(this, "Label3", {3240, 1080, 1995, 255}, QStringLiteral("© 2002 Zyntra Works"));
    m_label4 = addLabel(this, "Label4", {60, 2880, 4335, 1035});

    auto *ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(Twips{4740, 3240, 1275, 495}.toPixels());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    Form_Load();
}

void frmAbout::sayTexts()
{
    setWindowTitle(tr("About Zyntra"));
    if (auto *logo = findChild<Picture *>(QStringLiteral("Image1")))
        logo->setAccessibleName(figureText(QString::fromLatin1(Maker::Logo)));
    if (auto *ok = findChild<QPushButton *>(QStringLiteral("cmdOK")))
        ok->setText(tr("OK"));
}

void frmAbout::Form_Load()
{
    sayTexts();
    m_label4->setText(tr("Warning: this program is protected by copyright law. Copying or "
                         "distributing it, or any part of it, without permission is forbidden."));
    m_label5->setText(QString::fromLatin1(Maker::WebAddress));
    m_label1->setText(QString::fromLatin1(Maker::Product));
    m_label2->setText(QString::fromLatin1(Maker::Name));
}

void frmAbout::paintFace()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, SystemColour::activeBorder());
    setPalette(palette);
}

void frmAbout::changeEvent(QEvent *event)
{
    // Its own face set, the round ends: the next change finds it in place.
    if (event->type() == QEvent::PaletteChange && palette().color(QPalette::Window) != SystemColour::activeBorder())
        paintFace();
    if (event->type() == QEvent::LanguageChange)
        Form_Load();
    QDialog::changeEvent(event);
}

void frmAbout::cmdOK_Click()
{
    close();
}

} // namespace Zyntra
