#include "frmsplash.h"

#include "controls/picture.h"
#include "controls/twips.h"
#include "entry/numericentry.h"
#include "mdimain.h"
#include "usersettings.h"

#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include <fontconfig/fontconfig.h>

namespace Zyntra {

namespace {

Picture *addImage(QWidget *parent, const char *name, Twips at, const char *resource, const char *spoken)
{
    auto *image = new Picture(QString::fromLatin1(resource), parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setAccessibleName(QString::fromLatin1(spoken));
    image->setGeometry(at.toPixels());
    return image;
}

// Once, at start: whether the desktop writes 2,5 for 2.5. Only the
// separator is asked; no number passes through the locale.
void readDecimalSeparator()
{
    setDecimalComma(QLocale::system().decimalPoint() == QStringLiteral(","));
}

} // namespace

std::jthread readFontConfigurationAhead()
{
    // Qt's own first call finds the configuration read (fontconfig keeps
    // one for the process, set atomically), or reads it alike if it comes first.
    return std::jthread([] { FcInit(); });
}

std::unique_ptr<QWidget> startProgram(std::jthread fontsRead)
{
    std::unique_ptr<QWidget> first;
    if (UserSettings::showSplash()) {
        first = std::make_unique<frmSplash>();
    } else {
        readDecimalSeparator();
        first = std::make_unique<MDIMain>(nullptr);
    }
    // Its first text waits for the configuration rather than reading it twice at once.
    if (fontsRead.joinable())
        fontsRead.join();
    first->show();
    return first;
}

frmSplash::frmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString::fromLatin1(Maker::Product));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setGeometry(Twips{3465, 3000, 8340, 3615}.toPixels());

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(Twips{120, 0, 8055, 3495}.toPixels());
    frame->setFrameShape(QFrame::Box);
    addImage(frame, "Image2", {120, 360, 2265, 1800}, ":/pictures/backdrop.svg", "Grey hatched panel behind the logo");
    addImage(frame, "Image1", {240, 480, 1980, 1560}, ":/pictures/logo.svg", Maker::Logo);
    addImage(frame, "Image3", {3720, 960, 4200, 555}, ":/pictures/maker.svg", Maker::Name);
    m_label1 = new QLabel(frame);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(Twips{3840, 1680, 3735, 375}.toPixels());
    QFont bold = m_label1->font();
    bold.setBold(true);
    bold.setPointSizeF(9.75);
    m_label1->setFont(bold);
    m_label2 = new QLabel(frame);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(Twips{4920, 3240, 3015, 255}.toPixels());

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(DelayMilliseconds);
    // A coarse timer may fire up to a twentieth early; the splash stays its full time.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    readDecimalSeparator();
    Form_Load();
}

frmSplash::~frmSplash() = default;

void frmSplash::Form_Load()
{
    m_label1->setText(QString::fromLatin1(Maker::Product));
    m_label2->setText(QString::fromLatin1(Maker::WebAddress));
    m_timer->start();
}

void frmSplash::Timer1_Timer()
{
    m_timer->stop();
    m_main = std::make_unique<MDIMain>(this);
    m_main->show();
}

} // namespace Zyntra
