#include "sheetwindow.h"

#include "controls/theme.h"
#include "controls/twips.h"

#include "catalogue.h"
#include "controls/figuretext.h"
#include "controls/figurewindow.h"
#include "entry/term.h"
#include "entry/units.h"
#include "sheet/sheetpainter.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace Zyntra {

namespace {

// Pages are laid out in the screen's pixels: the drawing's line widths and
// label distances are given in them.
constexpr int ScreenDpi = 96;

QString nothingYet()
{
    return SheetWindow::tr("Nothing to show yet: type the given values of the figure and press CALCULATE.");
}

// The drawing's words, its notes and its own table in the language the
// program speaks, for the screen, the page and the files alike.
SheetFigure spoken(SheetFigure figure)
{
    figure.description = figureText(figure.description);
    // Labels keep their letters and numbers; their words ("Diagonal") are said.
    for (SheetShape &shape : figure.shapes)
        std::visit(
            [](auto &drawn) {
                using Drawn = std::decay_t<decltype(drawn)>;
                if constexpr (std::is_same_v<Drawn, SheetNote> || std::is_same_v<Drawn, SheetText>)
                    drawn.text = figureText(drawn.text);
                else if constexpr (std::is_same_v<Drawn, SheetDimension> || std::is_same_v<Drawn, SheetAngle>)
                    drawn.label = figureText(drawn.label);
            },
            shape);
    figure.table.caption = figureText(figure.table.caption);
    for (QString &column : figure.table.columns)
        column = figureText(column);
    return figure;
}

// The values a drawing is made from, each letter once: an answer's, as
// shown, before the given value it repeats ("5.00" for "5").
SheetInput sheetInput(const FigureValues &values)
{
    // Lengths are drawn in the unit the calculation worked in; under "ft and in" as the tape reads.
    const Unit *length = unitChoice().measured(QuantityKind::Length);
    const bool tape = unitChoice().length == tapeUnit();
    SheetInput input{values.figure->sheet,
                     values.option,
                     {},
                     length && !tape ? u' ' + QString::fromUtf8(length->symbol) : QString(),
                     tape ? tapeDenominator() : 0};
    for (const QList<FigureValue> *list : {&values.answers, &values.given})
        for (const FigureValue &value : *list)
            if (std::ranges::none_of(input.values,
                                     [&](const SheetValue &known) { return known.letter == value.letter; }))
                // A value typed with a unit of its own is written as the number it came to.
                input.values << SheetValue{value.letter, value.value,
                                           textToNumber(value.text) ? value.text : QString()};
    return input;
}

// A worked example: the given values once each, then every other answer
// with its formula, the same with the numbers, and its value. A given value
// is shown by the answer of its letter where there is one. Where the user
// chooses which values to give, the answers follow in the order they were
// worked, so that no row uses a quantity the table has not reached yet.
QList<SheetRow> sheetRows(const FigureValues &values)
{
    const auto answered = [](const QList<FigureValue> &list, const QString &letter) {
        return std::ranges::any_of(list, [&](const FigureValue &value) { return value.letter == letter; });
    };
    QList<const FigureValue *> answers;
    for (const FigureValue &answer : values.answers)
        answers << &answer;
    if (values.figure->givenFields > 0)
        std::ranges::stable_sort(answers, {}, [&](const FigureValue *answer) {
            const qsizetype at = values.worked.indexOf(answer->index);
            return at < 0 ? values.worked.size() : at;
        });
    // A value typed with a unit of its own shows its conversion: "12 ft", "144 in".
    const auto conversion = [&values](const QString &letter) -> QStringList {
        const auto typed = std::ranges::find(values.given, letter, &FigureValue::letter);
        if (typed == values.given.end() || !typed->unit.startsWith(QLatin1String(" = ")))
            return {};
        return {typed->text, typed->unit.mid(3)};
    };
    QList<SheetRow> given;
    QList<SheetRow> worked;
    for (const FigureValue *answer : answers) {
        if (answered(values.given, answer->letter)) {
            given << SheetRow{answer->caption, {}, conversion(answer->letter), answer->text + answer->unit, true, {}};
            continue;
        }
        const Working &working = answer->working;
        QStringList steps;
        for (const QString &step : working.steps)
            if (step != working.formula && step != answer->text && (steps.isEmpty() || step != steps.last()))
                steps << step;
        if (!working.measured.isEmpty())
            steps << working.measured;
        SheetRow row{
            answer->caption, working.formula, steps, answer->text + answer->unit, false, figureText(working.notes())};
        row.exact = working.exact;
        row.exactSpoken = working.exactSpoken;
        worked << row;
    }
    for (const FigureValue &field : values.given)
        if (!answered(values.answers, field.letter))
            given << SheetRow{field.caption, {}, {}, field.text + field.unit, true, {}};
    return given + worked;
}

// Spaces inside a step do not break: a line may wrap only between steps.
QString unbroken(const QString &text)
{
    return text.toHtmlEscaped().replace(u' ', QChar(0x00A0));
}

// The outlines' extent, in the figure's own units.
QRectF outlineExtent(const SheetFigure &figure)
{
    QRectF extent;
    for (const SheetShape &shape : figure.shapes)
        if (const auto *outline = std::get_if<SheetOutline>(&shape))
            extent |= outline->path.boundingRect();
    return extent;
}

} // namespace

SheetPicture::SheetPicture(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picSheet"));
    setMinimumSize(480, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SheetPicture::setFigure(const std::optional<SheetFigure> &figure, const QString &message)
{
    setParts(figure ? QList{SheetPart{QString(), *figure}} : QList<SheetPart>{}, message);
}

void SheetPicture::setParts(const QList<SheetPart> &parts, const QString &message)
{
    m_parts = parts;
    m_figure = parts.size() == 1 && parts.first().sign.isEmpty() ? std::optional(parts.first().figure) : std::nullopt;
    m_message = message;
    QStringList described;
    for (const SheetPart &part : parts)
        described << (part.sign.isEmpty() ? QString() : part.sign + u' ') + part.figure.description;
    setAccessibleDescription(parts.isEmpty() ? message : described.join(QStringLiteral("; ")));
    update();
}

// Side by side, each under its sign, in a cell as wide and as high as its
// figure is at one scale for all, so that a larger part is drawn larger;
// but never so small that its labels cannot be read.
void SheetPicture::paintParts(QPainter &painter, const QRectF &area, const SheetPaper &colours) const
{
    qreal widths = 0;
    qreal highest = 0;
    for (const SheetPart &part : m_parts) {
        const QRectF extent = outlineExtent(part.figure);
        widths += extent.width();
        highest = std::max(highest, extent.height());
    }
    const bool alike = m_parts.size() == 1 || !(widths > 0 && highest > 0);
    QFont signFont = painter.font();
    signFont.setPointSizeF(signFont.pointSizeF() * 1.6);
    signFont.setBold(true);
    const qreal signHeight = QFontMetricsF(signFont).lineSpacing() * 1.2;
    const bool hasSigns = std::ranges::any_of(m_parts, [](const SheetPart &part) { return !part.sign.isEmpty(); });
    const QRectF room = area.adjusted(0, hasSigns ? signHeight : 0, 0, 0);
    const qreal scale = alike ? 0 : std::min(room.width() / widths, room.height() / highest);
    const qreal narrowest = room.width() / qreal(2 * m_parts.size());
    QList<qreal> cells;
    for (const SheetPart &part : m_parts)
        cells << (alike ? area.width() / qreal(m_parts.size())
                        : std::max(outlineExtent(part.figure).width() * scale, narrowest));
    const qreal fit = std::min<qreal>(1, area.width() / std::accumulate(cells.begin(), cells.end(), qreal(0)));
    qreal left = area.left();
    for (qsizetype i = 0; i < m_parts.size(); ++i) {
        const SheetPart &part = m_parts[i];
        const QRectF extent = outlineExtent(part.figure);
        const qreal width = cells[i] * fit;
        const qreal height = alike ? room.height() : std::max(extent.height() * scale, room.height() / 4);
        if (!part.sign.isEmpty()) {
            painter.save();
            painter.setFont(signFont);
            painter.setPen(colours.ink);
            painter.drawText(QRectF(left, area.top(), width, signHeight), Qt::AlignCenter, part.sign);
            painter.restore();
        }
        paintSheetFigure(painter, part.figure, QRectF(left, room.top(), width, height).adjusted(4, 0, -4, 0), colours);
        left += width;
    }
}

void SheetPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const SheetColours colours = sheetColours();
    painter.fillRect(rect(), colours.paper);
    painter.setPen(colours.ink);
    if (m_parts.isEmpty()) {
        painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    // Zoomed, the labels and lines grow with the window's text.
    painter.scale(zoom(), zoom());
    paintParts(painter, QRectF(QPointF(), QSizeF(size()) / zoom()).adjusted(8, 8, -8, -8),
               {colours.paper, colours.ink});
}

SheetWindow::SheetWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_title(new QLabel)
    , m_option(new QLabel)
    , m_picture(new SheetPicture)
    , m_text(new QTextBrowser)
    , m_stepCaption(new QLabel)
    , m_step(new QComboBox)
{
    setObjectName(QStringLiteral("frmSheet"));
    m_title->setObjectName(QStringLiteral("lblSheetTitle"));
    markAsHeading(m_title);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_option->setObjectName(QStringLiteral("lblSheetOption"));
    m_text->setObjectName(QStringLiteral("txtSheetTable"));
    // A step too wide for the window scrolls rather than break inside a number.
    m_text->setWordWrapMode(QTextOption::WordWrap);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->viewport()->setAutoFillBackground(false);

    const auto addCommand = [this](const char *name, const char *text, QKeySequence::StandardKey key,
                                   void (SheetWindow::*run)()) {
        auto *action = new QAction(this);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        auto *button = new QPushButton;
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        m_commands << Command{action, button, text};
        return button;
    };
    m_step->setObjectName(QStringLiteral("cboSheetStep"));
    m_stepCaption->setBuddy(m_step);
    connect(m_step, &QComboBox::activated, this, &SheetWindow::refresh);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_stepCaption);
    buttons->addWidget(m_step);
    buttons->addStretch();
    buttons->addWidget(addCommand("cmdSheetCopy", QT_TR_NOOP("&Copy"), QKeySequence::Copy, &SheetWindow::copy));
    buttons->addWidget(addCommand("cmdSheetSave", QT_TR_NOOP("&Save..."), QKeySequence::Save, &SheetWindow::save));
    buttons->addWidget(addCommand("cmdSheetPrint", QT_TR_NOOP("&Print..."), QKeySequence::Print, &SheetWindow::print));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_option);
    layout->addWidget(m_picture, 3);
    layout->addWidget(m_text, 2);
    layout->addLayout(buttons);
    resize(840, 760);
    sayTexts();
    refresh();
}

void SheetWindow::sayTexts()
{
    setWindowTitle(tr("Calculation Sheet - Zyntra"));
    setAccessibleName(tr("Calculation Sheet"));
    m_picture->setAccessibleName(tr("Drawing of the figure"));
    m_text->setAccessibleName(tr("Values and answers"));
    m_stepCaption->setText(tr("&Table steps:"));
    for (const auto &[action, button, english] : std::as_const(m_commands)) {
        const QString text = tr(english);
        action->setText(text);
        button->setText(QString(text).remove(QStringLiteral("...")));
        button->setToolTip(QStringLiteral("%1 (%2)").arg(QString(text).remove(u'&'),
                                                         action->shortcut().toString(QKeySequence::NativeText)));
    }
}

void SheetWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        sayTexts();
        refresh();
    }
    QWidget::changeEvent(event);
}

void SheetWindow::follow(FigureWindow *window, const FigureEntry *figure)
{
    if (m_window)
        disconnect(m_window, nullptr, this, nullptr);
    if (m_composite)
        disconnect(m_composite, nullptr, this, nullptr);
    m_composite = nullptr;
    m_window = window;
    m_figure = figure;
    if (window)
        connect(window, &FigureWindow::calculationChanged, this, &SheetWindow::refresh);
    refresh();
}

void SheetWindow::follow(frmComposite *composite)
{
    follow(nullptr, nullptr);
    m_composite = composite;
    if (composite)
        connect(composite, &frmComposite::totalChanged, this, &SheetWindow::refresh);
    refresh();
}

void SheetWindow::showComposite()
{
    const CompositeTotal &total = m_composite->total();
    const QList<CompositePart> parts = m_composite->parts();
    m_title->setText(m_composite->windowTitle());
    m_option->setText(parts.isEmpty() || !total.failure.isEmpty() ? total.failure
                                                                  : tr("Total = %1").arg(total.text + total.unit));
    m_option->setVisible(!m_option->text().isEmpty());
    m_exactColumn = exactForms();
    QList<SheetPart> drawn;
    for (qsizetype i = 0; i < parts.size() && i < total.parts.size(); ++i) {
        const CompositePart &part = parts[i];
        const PartValue &value = total.parts[i];
        const QString sign =
            signText(part.sign) + (part.count == 1 ? QString() : u' ' + countText(part.count).trimmed());
        if (const std::optional<FigureValues> values = partValues(part, figureById))
            drawn << SheetPart{sign, spoken(drawSheetFigure(sheetInput(*values)))};
        SheetRow row{sign + u' ' + partDescription(part) + QStringLiteral(", ") + figureText(part.quantityCaption),
                     value.working.formula,
                     value.working.steps,
                     value.text + total.unit,
                     false,
                     value.failure};
        row.exact = value.working.exact;
        row.exactSpoken = value.working.exactSpoken;
        m_rows << row;
    }
    if (!parts.isEmpty() && total.failure.isEmpty()) {
        SheetRow row{tr("Total"), {}, {total.working.section(QStringLiteral(" = "), 1, 1)}, total.text + total.unit,
                     false,       {}};
        row.exact = total.exact;
        row.exactSpoken = total.exactSpoken;
        m_rows << row;
    }
    m_picture->setParts(drawn, tr("Nothing to show yet: add a figure's answer to the composite."));
    m_text->setHtml(tableHtml());
    describeRows();
}

void SheetWindow::refresh()
{
    m_rows.clear();
    m_stepCaption->hide();
    m_step->hide();
    if (m_composite) {
        showComposite();
        return;
    }
    if (!m_window || !m_figure) {
        m_title->setText(tr("Calculation Sheet"));
        m_option->clear();
        m_picture->setFigure(std::nullopt, tr("Nothing to show yet: choose a figure from the Geometry menu."));
        m_text->clear();
        m_text->setAccessibleDescription(QString());
        return;
    }
    const CalculationSnapshot shot = m_window->snapshot();
    // The figure by its menu name, or by its option where that names it;
    // an option that says what is given stays on the line below.
    const char *named = shot.optionIndex >= 0 && shot.optionIndex < m_figure->options()
                            ? m_figure->quantities[size_t(shot.optionIndex)].figure
                            : nullptr;
    m_title->setText(figureText(QString::fromLatin1(named ? named : m_figure->caption)));
    m_option->setText(shot.option.isEmpty() || named ? QString() : figureText(u"Given: %1").arg(shot.option));
    m_option->setVisible(!m_option->text().isEmpty());
    const std::optional<FigureValues> values = m_window->values();
    if (!values) {
        m_picture->setFigure(std::nullopt, nothingYet());
        m_text->setPlainText(nothingYet());
        m_text->setAccessibleDescription(nothingYet());
        return;
    }
    m_rows = sheetRows(*values);
    m_exactColumn = exactForms();
    offerTableSteps();
    SheetInput input = sheetInput(*values);
    input.tableStep = m_step->currentData().toDouble();
    input.tableStepCaption = m_step->currentText();
    const SheetFigure figure = spoken(drawSheetFigure(input));
    m_stepCaption->setVisible(!figure.table.isEmpty());
    m_step->setVisible(!figure.table.isEmpty());
    m_picture->setFigure(figure, QString());
    m_text->setHtml(tableHtml());
    describeRows();
}

void SheetWindow::describeRows()
{
    // A screen reader hears the table a row at a time, as a working is read.
    QStringList spoken;
    for (const SheetRow &row : std::as_const(m_rows)) {
        if (row.given) {
            spoken << tr("%1, given, %2")
                          .arg(row.quantity, (row.steps + QStringList{row.value}).join(QStringLiteral(" = ")));
            continue;
        }
        QStringList sides = QStringList{row.quantity, row.formula} + row.steps + QStringList{row.value};
        sides.removeAll(QString());
        spoken << sides.join(QStringLiteral(" = "))
                      + (row.exactSpoken.isEmpty() ? QString() : QStringLiteral(", ") + row.exactSpoken);
    }
    m_text->setAccessibleDescription(spoken.join(u'\n'));
}

QString SheetWindow::tableHtml() const
{
    // The formula and its numbers share a column, the numbers below, so that
    // the longest formula and the longest step need not stand side by side.
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
                                  "<tr><th align=\"left\">%1</th><th align=\"left\">%2</th>"
                                  "<th align=\"left\">%3</th>%4</tr>")
                       .arg(tr("Quantity"), tr("Formula, with the numbers"), tr("Value"),
                            m_exactColumn ? QStringLiteral("<th align=\"left\">%1</th>").arg(tr("Exact")) : QString());
    for (const SheetRow &row : m_rows) {
        QString working;
        if (row.given) {
            working = QStringLiteral("<i>%1</i>").arg(figureText(u"given"));
            if (!row.steps.isEmpty())
                working += u' ' + unbroken(row.steps.join(QStringLiteral(" = ")));
        } else {
            working = unbroken(row.formula);
            for (const QString &step : row.steps)
                working += (working.isEmpty() ? QString() : QStringLiteral(" =&nbsp;")) + unbroken(step);
            if (!row.note.isEmpty())
                working += QStringLiteral(" <small>(%1)</small>").arg(row.note.toHtmlEscaped());
        }
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td>%4</tr>")
                    .arg(row.quantity.toHtmlEscaped(), working, unbroken(row.value),
                         m_exactColumn ? QStringLiteral("<td>%1</td>").arg(unbroken(row.exact)) : QString());
    }
    html += QStringLiteral("</table>");
    const SheetTable *own = m_picture->figure() ? &m_picture->figure()->table : nullptr;
    if (!own || own->isEmpty())
        return html;
    html += QStringLiteral("<p><b>%1</b></p><table cellspacing=\"0\" cellpadding=\"2\"><tr>")
                .arg(own->caption.toHtmlEscaped());
    for (const QString &column : own->columns)
        html += QStringLiteral("<th align=\"right\">%1</th>").arg(column.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const QStringList &row : own->rows) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : row)
            html += QStringLiteral("<td align=\"right\">%1</td>").arg(unbroken(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void SheetWindow::offerTableSteps()
{
    const Unit *length = unitChoice().length;
    // Metric steps for metric lengths, inches and feet for the others.
    const bool metric = length && QString::fromLatin1(length->id).endsWith(u'm');
    QList<std::pair<QString, double>> steps{{tr("10 steps of the height"), 0}};
    const auto every = [&](const char *text, const char *unit, double count) {
        const Unit *of = findUnit(QString::fromLatin1(unit));
        steps << std::pair(tr("every %1").arg(QString::fromLatin1(text)),
                           length && of ? double(of->size / length->size) * count : count);
    };
    if (!length) {
        every("0.1", "", 0.1);
        every("1", "", 1);
    } else if (metric) {
        every("1 cm", "cm", 1);
        every("5 cm", "cm", 5);
        every("10 cm", "cm", 10);
    } else {
        every("1/8 in", "in", 0.125);
        every("1 in", "in", 1);
        every("1 ft", "ft", 1);
    }
    QStringList offered;
    for (int i = 0; i < m_step->count(); ++i)
        offered << m_step->itemText(i);
    QStringList wanted;
    for (const auto &[text, step] : steps)
        wanted << text;
    if (offered == wanted)
        return;
    // The same steps in another language keep the one chosen.
    bool sameSteps = offered.size() == wanted.size();
    for (int i = 0; sameSteps && i < m_step->count(); ++i)
        sameSteps = steps[i].second == m_step->itemData(i).toDouble();
    if (sameSteps) {
        for (int i = 0; i < m_step->count(); ++i)
            m_step->setItemText(i, wanted[i]);
        return;
    }
    m_step->clear();
    for (const auto &[text, step] : steps)
        m_step->addItem(text, step);
}

QString SheetWindow::sheetText() const
{
    if (m_rows.isEmpty())
        return {};
    QStringList lines{m_title->text()};
    if (!m_option->text().isEmpty())
        lines << m_option->text();
    QStringList headings{tr("Quantity"), tr("Formula"), tr("With the numbers"), tr("Value")};
    if (m_exactColumn)
        headings << tr("Exact");
    lines << headings.join(u'\t');
    for (const SheetRow &row : m_rows) {
        QString numbers = row.steps.join(QStringLiteral(" = "));
        if (!row.note.isEmpty())
            numbers += (numbers.isEmpty() ? QStringLiteral("(%1)") : QStringLiteral(" (%1)")).arg(row.note);
        QStringList cells{row.quantity, row.given ? figureText(u"given") : row.formula, numbers, row.value};
        if (m_exactColumn)
            cells << row.exact;
        lines << cells.join(u'\t');
    }
    if (const SheetTable *own = m_picture->figure() ? &m_picture->figure()->table : nullptr; own && !own->isEmpty()) {
        lines << QString() << own->caption << own->columns.join(u'\t');
        for (const QStringList &row : own->rows)
            lines << row.join(u'\t');
    }
    return lines.join(u'\n');
}

QImage SheetWindow::sheetImage() const
{
    // A4 at twice the screen's density: sharp, and laid out as on screen.
    QImage image(QSize(794, 1123) * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white); // the margins too: a fresh image holds whatever memory held
    QPainter painter(&image);
    renderSheet(painter, QRectF(0, 0, 794, 1123).adjusted(48, 48, -48, -48));
    return image;
}

void SheetWindow::copy()
{
    // A selection in the text is the user's own choice of what to copy.
    if (m_text->textCursor().hasSelection() && m_text->hasFocus()) {
        m_text->copy();
        return;
    }
    if (m_rows.isEmpty())
        return;
    // The picture for a document, the text for an editor, in one copy.
    auto *data = new QMimeData;
    data->setImageData(sheetImage());
    data->setText(sheetText());
    QGuiApplication::clipboard()->setMimeData(data);
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
    if (!m_picture->isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        m_picture->paintParts(painter, drawing, {});
    }

    // The table takes the rest of the page, in a size that lets it fit.
    const QRectF text(page.left(), drawing.bottom() + line, page.width(), page.bottom() - drawing.bottom() - line);
    QTextDocument table;
    table.documentLayout()->setPaintDevice(painter.device());
    QTextOption wrapping = table.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WordWrap);
    table.setDefaultTextOption(wrapping);
    table.setDocumentMargin(0);
    table.setTextWidth(text.width());
    if (m_rows.isEmpty())
        table.setPlainText(nothingYet());
    else
        table.setHtml(tableHtml());
    for (qreal size = 11; size >= 5; size -= 0.5) {
        font.setPointSizeF(size);
        table.setDefaultFont(font);
        if (table.size().height() <= text.height() && table.idealWidth() <= text.width())
            break;
    }
    painter.translate(text.topLeft());
    table.drawContents(&painter, QRectF(QPointF(), text.size()));
    painter.restore();
}

bool SheetWindow::saveTo(const QString &path, QString *error)
{
    const QString kind = QFileInfo(path).suffix().toLower();
    const SheetTable *own = m_picture->figure() ? &m_picture->figure()->table : nullptr;
    if (kind == QLatin1String("csv") && (!own || own->isEmpty())) {
        *error = tr("This sheet has no table of its own to save as .csv.");
        return false;
    }
    if (kind != QLatin1String("pdf") && kind != QLatin1String("svg") && kind != QLatin1String("png")
        && kind != QLatin1String("csv")) {
        *error = tr("Zyntra saves a sheet as .pdf, .svg or .png, not as \"%1\".").arg(kind);
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
            m_picture->paintParts(painter, QRectF(16, 16, 768, 568), {});
        }
    } else if (kind == QLatin1String("csv")) {
        painted = file.write(own->csv().toUtf8()) >= 0;
    } else {
        painted = sheetImage().save(&file, "PNG");
    }
    if (!painted) {
        file.cancelWriting();
        *error = tr("The sheet could not be drawn into the file.");
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
        this, tr("Save Calculation Sheet"), m_title->text() + QStringLiteral(".pdf"),
        tr("PDF document (*.pdf);;SVG drawing (*.svg);;PNG picture (*.png);;The table alone, CSV (*.csv)"));
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
    m_warning->setText(tr("The sheet was not saved to %1: %2").arg(QDir::toNativeSeparators(path), error));
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
