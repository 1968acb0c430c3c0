#include "sheetwindow.h"

#include "controls/figurewindow.h"
#include "entry/numericentry.h"
#include "sheet/sheetpainter.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QVBoxLayout>

namespace Zyntra {

namespace {

// Pages are laid out in the screen's pixels: the drawing's line widths and
// label distances are given in them.
constexpr int ScreenDpi = 96;

const QString NothingYet =
    QStringLiteral("Nothing to show yet: type the given values of the figure and press CALCULATE.");
const QString NoFigure = QStringLiteral("Nothing to show yet: choose a figure from the Geometry menu.");

// The values a drawing is made from: each caption with its value, and for
// answers like "Side a" or "Angle B" also the letter alone.
SheetInput sheetInput(const CalculationSnapshot &shot, SheetFigureKind kind)
{
    SheetInput input{kind, shot.optionIndex, {}, {}};
    for (const CalculationLine &given : shot.given)
        if (const auto value = textToNumber(given.text))
            input.given << std::pair(given.caption, *value);
    SheetValues letters;
    for (const CalculationLine &answer : shot.answers) {
        const auto value = textToNumber(answer.text);
        if (!value)
            continue;
        input.answers << std::pair(answer.caption, *value);
        if (answer.caption.contains(u' '))
            letters << std::pair(answer.caption.section(u' ', -1), *value);
    }
    // Whole captions first: the drawing takes the first match.
    input.answers += letters;
    return input;
}

} // namespace

SheetPicture::SheetPicture(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picSheet"));
    setAccessibleName(QStringLiteral("Drawing of the figure"));
    setMinimumSize(480, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SheetPicture::setFigure(const std::optional<SheetFigure> &figure, const QString &message)
{
    m_figure = figure;
    m_message = message;
    setAccessibleDescription(figure ? figure->description : message);
    update();
}

void SheetPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    if (!m_figure) {
        painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    paintSheetFigure(painter, *m_figure, QRectF(rect()).adjusted(8, 8, -8, -8));
}

SheetWindow::SheetWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_title(new QLabel)
    , m_option(new QLabel)
    , m_picture(new SheetPicture)
    , m_text(new QLabel)
{
    setObjectName(QStringLiteral("frmSheet"));
    setWindowTitle(QStringLiteral("Calculation Sheet - Zyntra"));
    setAccessibleName(QStringLiteral("Calculation Sheet"));
    m_title->setObjectName(QStringLiteral("lblSheetTitle"));
    markAsHeading(m_title);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_option->setObjectName(QStringLiteral("lblSheetOption"));
    m_text->setObjectName(QStringLiteral("lblSheetText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setAccessibleName(QStringLiteral("Values and answers"));

    const auto addCommand = [this](const char *name, const QString &text, QKeySequence::StandardKey key,
                                   void (SheetWindow::*run)()) {
        auto *action = new QAction(text, this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        auto *button = new QPushButton(QString(text).remove(QStringLiteral("...")));
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(QStringLiteral("%1 (%2)").arg(QString(text).remove(u'&'),
                                                         action->shortcut().toString(QKeySequence::NativeText)));
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        return button;
    };
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(addCommand("cmdSheetCopy", QStringLiteral("&Copy"), QKeySequence::Copy, &SheetWindow::copy));
    buttons->addWidget(addCommand("cmdSheetSave", QStringLiteral("&Save..."), QKeySequence::Save, &SheetWindow::save));
    buttons->addWidget(
        addCommand("cmdSheetPrint", QStringLiteral("&Print..."), QKeySequence::Print, &SheetWindow::print));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_option);
    layout->addWidget(m_picture, 1);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    resize(640, 720);
    refresh();
}

void SheetWindow::follow(FigureWindow *window, SheetFigureKind kind)
{
    if (m_window)
        disconnect(m_window, nullptr, this, nullptr);
    m_window = window;
    m_kind = kind;
    if (window)
        connect(window, &FigureWindow::calculationChanged, this, &SheetWindow::refresh);
    refresh();
}

void SheetWindow::refresh()
{
    m_lines.clear();
    if (!m_window) {
        m_title->setText(QStringLiteral("Calculation Sheet"));
        m_option->clear();
        m_picture->setFigure(std::nullopt, NoFigure);
        m_text->clear();
        return;
    }
    const CalculationSnapshot shot = m_window->snapshot();
    m_title->setText(shot.figure);
    m_option->setText(shot.option.isEmpty() ? QString() : QStringLiteral("Given: ") + shot.option);
    if (shot.answers.isEmpty()) {
        m_picture->setFigure(std::nullopt, NothingYet);
        m_text->setText(NothingYet);
        return;
    }
    m_lines = shot.givenLines() + shot.answerLines();
    m_picture->setFigure(drawSheetFigure(sheetInput(shot, m_kind)), QString());
    m_text->setText(m_lines.join(u'\n'));
}

QString SheetWindow::sheetText() const
{
    return m_window && !m_lines.isEmpty() ? m_window->calculationText() : QString();
}

void SheetWindow::copy()
{
    // A selection in the text is the user's own choice of what to copy.
    if (m_text->hasSelectedText() && m_text->hasFocus())
        QGuiApplication::clipboard()->setText(m_text->selectedText());
    else if (!sheetText().isEmpty())
        QGuiApplication::clipboard()->setText(sheetText());
}

void SheetWindow::renderSheet(QPainter &painter, const QRectF &page) const
{
    painter.save();
    painter.fillRect(page, Qt::white);
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(16);
    font.setBold(true);
    painter.setFont(font);
    const qreal line = QFontMetricsF(font, painter.device()).lineSpacing();
    QRectF at(page.left(), page.top(), page.width(), line);
    painter.drawText(at, Qt::AlignLeft | Qt::AlignVCenter, m_title->text());
    font.setBold(false);
    font.setPointSizeF(11);
    painter.setFont(font);
    at.translate(0, line * 1.2);
    painter.drawText(at, Qt::AlignLeft | Qt::AlignVCenter, m_option->text());

    const QRectF drawing(page.left(), at.bottom() + line * 0.5, page.width(), page.height() * 0.5);
    if (const auto &figure = m_picture->figure()) {
        painter.setRenderHint(QPainter::Antialiasing);
        paintSheetFigure(painter, *figure, drawing);
    }

    // The text takes the rest of the page, in a size that lets it fit.
    const QRectF text(page.left(), drawing.bottom() + line, page.width(), page.bottom() - drawing.bottom() - line);
    const QString body = m_lines.isEmpty() ? NothingYet : m_lines.join(u'\n');
    for (qreal size = 11; size >= 5; size -= 0.5) {
        font.setPointSizeF(size);
        const QRectF needed = QFontMetricsF(font, painter.device()).boundingRect(text, Qt::TextWordWrap, body);
        if (needed.height() <= text.height())
            break;
    }
    painter.setFont(font);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, body);
    painter.restore();
}

bool SheetWindow::saveTo(const QString &path, QString *error)
{
    const QString kind = QFileInfo(path).suffix().toLower();
    if (kind != QLatin1String("pdf") && kind != QLatin1String("svg") && kind != QLatin1String("png")) {
        *error = QStringLiteral("Zyntra saves a sheet as .pdf, .svg or .png, not as \"%1\".").arg(kind);
        return false;
    }
    // Written aside and put in place only when whole, so that a failure
    // leaves any file already there as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    bool painted = true;
    if (kind == QLatin1String("pdf")) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        pdf.setTitle(m_title->text());
        pdf.setCreator(QStringLiteral("Zyntra"));
        pdf.setResolution(ScreenDpi);
        QPainter painter(&pdf);
        painted = painter.isActive();
        if (painted)
            renderSheet(painter, QRectF(QPointF(), pdf.pageLayout().paintRectPixels(pdf.resolution()).size()));
    } else if (kind == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(800, 600));
        svg.setViewBox(QRect(0, 0, 800, 600));
        svg.setTitle(m_title->text());
        svg.setDescription(m_picture->accessibleDescription());
        QPainter painter(&svg);
        painted = painter.isActive();
        if (painted) {
            painter.fillRect(QRect(0, 0, 800, 600), Qt::white);
            if (const auto &figure = m_picture->figure())
                paintSheetFigure(painter, *figure, QRectF(16, 16, 768, 568));
        }
    } else {
        // A4 at twice the screen's density: sharp, and laid out as on screen.
        QImage image(QSize(794, 1123) * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        QPainter painter(&image);
        renderSheet(painter, QRectF(0, 0, 794, 1123).adjusted(48, 48, -48, -48));
        painter.end();
        painted = image.save(&file, "PNG");
    }
    if (!painted) {
        file.cancelWriting();
        *error = QStringLiteral("The sheet could not be drawn into the file.");
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void SheetWindow::save()
{
    // The dialog asks before an existing file is replaced.
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save Calculation Sheet"), m_title->text() + QStringLiteral(".pdf"),
        QStringLiteral("PDF document (*.pdf);;SVG drawing (*.svg);;PNG picture (*.png)"));
    if (path.isEmpty())
        return;
    QString error;
    if (saveTo(path, &error))
        return;
    if (!m_warning) {
        m_warning = new QMessageBox(QMessageBox::Warning, QStringLiteral("Zyntra"), QString(), QMessageBox::Ok, this);
        m_warning->setObjectName(QStringLiteral("warning"));
        m_warning->setAttribute(Qt::WA_DeleteOnClose);
        m_warning->setWindowModality(Qt::NonModal);
    }
    m_warning->setText(QStringLiteral("The sheet was not saved to %1: %2").arg(QDir::toNativeSeparators(path), error));
    m_warning->show();
}

void SheetWindow::print()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    // Laid out in screen pixels, so that lines and labels keep their size on paper.
    const qreal scale = printer.resolution() / qreal(ScreenDpi);
    painter.scale(scale, scale);
    renderSheet(painter, QRectF(QPointF(), printer.pageLayout().paintRectPixels(printer.resolution()).size() / scale));
}

} // namespace Zyntra
