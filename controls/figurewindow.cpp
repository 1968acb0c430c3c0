#include "figurewindow.h"

#include "answerlabel.h"
#include "captionlabel.h"
#include "figuretext.h"
#include "framebox.h"
#include "optionbutton.h"
#include "picture.h"
#include "systemcolours.h"
#include "theme.h"
#include "valuefield.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <algorithm>
#include <limits>

namespace Zyntra {

QString arrayName(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

namespace {

void collectInReadingOrder(QWidget *container, QList<QWidget *> &chain);

// A figure window is called by its heading, which the workbench changes
// with its mode; the heading itself is heard as one.
class AccessibleFigureWindow : public QAccessibleWidget {
public:
    explicit AccessibleFigureWindow(FigureWindow *window)
        : QAccessibleWidget(window, QAccessible::Client)
    {}
    QString text(QAccessible::Text t) const override
    {
        const QLabel *heading = static_cast<const FigureWindow *>(widget())->heading();
        if (t == QAccessible::Name && heading && widget()->accessibleName().isEmpty())
            return heading->text();
        return QAccessibleWidget::text(t);
    }
};

class AccessibleHeading : public QAccessibleWidget {
public:
    explicit AccessibleHeading(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Heading)
    {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

const char *const HeadingProperty = "zyntraHeading";

QAccessibleInterface *accessibleFigureWindowParts(const QString &className, QObject *object)
{
    if (className == QLatin1String(FigureWindow::staticMetaObject.className()))
        return new AccessibleFigureWindow(static_cast<FigureWindow *>(object));
    // Every label class comes here as a QLabel on its way up the class chain.
    if (className == QLatin1String("QLabel") && object->property(HeadingProperty).toBool())
        return new AccessibleHeading(static_cast<QLabel *>(object));
    return nullptr;
}

void installAccessibleParts()
{
    static const bool installed = (QAccessible::installFactory(accessibleFigureWindowParts), true);
    Q_UNUSED(installed);
}

} // namespace

void markAsHeading(QLabel *label)
{
    installAccessibleParts();
    label->setProperty(HeadingProperty, true);
}

void FigureWindow::setHeading(QLabel *heading)
{
    m_heading = heading;
    markAsHeading(heading);
}

FigureWindow::FigureWindow(qint16 formCode, const QString &name, Twips designSize)
    : m_formCode(formCode)
    , m_designSize(designSize)
{
    installAccessibleParts();
    setObjectName(name);
    // The window paints its own colour rather than carrying a palette (see
    // paintEvent).
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font = this->font();
    // The twips layouts were drawn for a narrow sans face; Liberation Sans has
    // its metrics, and the desktop's sans stands in where it is missing.
    font.setFamilies({QStringLiteral("Liberation Sans"), font.family()});
    font.setPointSizeF(8.25);
    setFont(font);
    resize(designSize.toPixels().size());
    new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, this, &FigureWindow::copyCalculation,
                  Qt::WidgetWithChildrenShortcut);
}

QString FigureWindow::figureName() const
{
    return m_heading ? m_heading->text() : accessibleName();
}

namespace {

// The shown controls of one kind, from the top left as they are read.
template <typename Control>
QList<Control *> inReadingOrder(const QWidget *window)
{
    QList<Control *> shown;
    for (Control *control : window->findChildren<Control *>())
        if (control->isVisibleTo(window))
            shown << control;
    std::ranges::stable_sort(shown, [window](const QWidget *a, const QWidget *b) {
        const QPoint pa = a->mapTo(window, QPoint());
        const QPoint pb = b->mapTo(window, QPoint());
        return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
    });
    return shown;
}

} // namespace

namespace {

// The index of a control of an array: 2 for "optGivenrect(2)", 0 for one
// without.
qint16 indexInArray(const QObject *control)
{
    const QString name = control->objectName();
    const qsizetype open = name.indexOf(u'(');
    return open < 0 ? 0 : qint16(name.mid(open + 1).chopped(1).toInt());
}

// The option in force, as shown: its caption and index.
std::pair<QString, qint16> optionInForce(const QWidget *window)
{
    for (const QRadioButton *option : inReadingOrder<QRadioButton>(window))
        if (option->isChecked())
            return {option->text(), indexInArray(option)};
    return {};
}

} // namespace

std::optional<FigureValues> FigureWindow::values() const
{
    if (!m_figure || !showsAnswers() || m_shown.kind != Outcome::Kind::Answers || m_lastOption < 0
        || m_lastOption >= m_figure->options())
        return std::nullopt;
    const OptionQuantities &declared = m_figure->quantities[size_t(m_lastOption)];
    FigureValues values{m_figure, m_lastOption, {}, {}, QList<int>(m_shown.order.begin(), m_shown.order.end())};
    for (qsizetype i = 0; i < m_lastTexts.size() && i < qsizetype(declared.given.size()); ++i) {
        const Quantity &quantity = declared.given[size_t(i)];
        if (!quantity.letter || m_lastTexts[i].isEmpty())
            continue;
        const ValueField *field = m_lastFields.value(i);
        const Working *solved = solvedWorking(int(i), m_lastTexts[i]);
        // A value typed with its own unit shows its conversion where a unit would follow it.
        const QString conversion = m_lastRead.conversions.value(i);
        values.given << FigureValue{
            int(i),
            QString::fromUtf8(quantity.letter),
            field ? fieldCaption(field) : QString(),
            quantity.kind,
            m_lastTexts[i],
            textToNumber(m_lastRead.texts.value(i)).value_or(std::numeric_limits<double>::quiet_NaN()),
            solved ? *solved : Working{},
            conversion.isEmpty() ? (field ? givenUnit(field) : QString()) : QStringLiteral(" = ") + conversion};
    }
    for (const auto &[index, text] : m_shown.answers) {
        if (index < 0 || size_t(index) >= declared.answers.size() || !declared.answers[size_t(index)].letter)
            continue;
        const Quantity &quantity = declared.answers[size_t(index)];
        const auto working = m_shown.workings.find(index);
        const auto value = m_shown.values.find(index);
        values.answers << FigureValue{index,
                                      QString::fromUtf8(quantity.letter),
                                      index < m_shownIn.size() ? m_shownIn[index]->quantity() : QString(),
                                      quantity.kind,
                                      text,
                                      value == m_shown.values.end() ? std::numeric_limits<double>::quiet_NaN()
                                                                    : value->second,
                                      working == m_shown.workings.end() ? Working{} : working->second,
                                      index < m_shownIn.size() ? m_shownIn[index]->unitSuffix() : QString()};
    }
    return values;
}

QHash<QString, QString> FigureWindow::calculatedTexts() const
{
    QHash<QString, QString> texts;
    if (m_lastCalculation && showsAnswers())
        for (qsizetype i = 0; i < m_lastFields.size(); ++i)
            texts.insert(m_lastFields[i]->objectName(), m_lastTexts.value(i));
    return texts;
}

CalculationSnapshot FigureWindow::snapshot() const
{
    CalculationSnapshot shot;
    shot.figure = figureName();
    std::tie(shot.option, shot.optionIndex) = optionInForce(this);
    // The calculation shown travels as values, in the order the window
    // reads; before one (or while zeros stand for it) the fields say what is typed.
    const std::optional<FigureValues> shown = values();
    const auto valueAt = [](const QList<FigureValue> &list, qsizetype index) -> const FigureValue * {
        const auto found = std::ranges::find(list, int(index), &FigureValue::index);
        return found == list.end() ? nullptr : &*found;
    };
    for (const ValueField *field : inReadingOrder<ValueField>(this)) {
        if (shown) {
            if (const FigureValue *given = valueAt(shown->given, m_lastFields.indexOf(field)))
                shot.given << CalculationLine{given->caption, given->text, QString(), given->working, given->unit};
            continue;
        }
        const QString text = givenText(field);
        if (text.isEmpty()) // not given: the right triangle's locked fields
            continue;
        shot.given << CalculationLine{fieldCaption(field), text, QString(), {}, givenUnit(field)};
    }
    for (const AnswerLabel *answer : inReadingOrder<AnswerLabel>(this)) {
        if (shown) {
            if (const FigureValue *value = valueAt(shown->answers, m_shownIn.indexOf(answer)))
                shot.answers << CalculationLine{
                    value->caption, value->text,
                    value->working.isEmpty() ? QString()
                                             : workingText(value->caption, value->working, value->text, figureText),
                    value->working, value->unit};
            continue;
        }
        if (!answer->text().isEmpty())
            shot.answers << CalculationLine{answer->quantity(), answer->text(), answer->workingText(),
                                            answer->working(), answer->unitSuffix()};
    }
    return shot;
}

QStringList CalculationSnapshot::givenLines() const
{
    QStringList lines;
    for (const CalculationLine &line : given)
        lines << line.caption + QStringLiteral(" = ") + line.text + line.unit;
    return lines;
}

QStringList CalculationSnapshot::answerLines() const
{
    QStringList lines;
    for (const CalculationLine &line : answers)
        lines << (line.working.isEmpty() ? line.caption + QStringLiteral(" = ") + line.text + line.unit : line.working);
    return lines;
}

QStringList FigureWindow::answerLines() const
{
    return snapshot().answerLines();
}

QString FigureWindow::calculationText() const
{
    const CalculationSnapshot shot = snapshot();
    QStringList lines{shot.figure};
    if (!shot.option.isEmpty())
        lines << figureText(u"Given: %1").arg(shot.option);
    return (lines + shot.givenLines() + answerLines()).join(u'\n');
}

// Queued, so that whoever listens sees the window after its own handlers ran.
void FigureWindow::notifyChanged()
{
    QMetaObject::invokeMethod(this, &FigureWindow::calculationChanged, Qt::QueuedConnection);
}

void FigureWindow::copyCalculation() const
{
    QGuiApplication::clipboard()->setText(calculationText());
}

bool FigureWindow::showsAnswers() const
{
    const auto answers = findChildren<AnswerLabel *>();
    return std::ranges::any_of(answers,
                               [this](const AnswerLabel *a) { return a->isVisibleTo(this) && !a->text().isEmpty(); });
}

std::span<const Quantity> FigureWindow::givenQuantities(qint16 option) const
{
    if (!m_figure || option < 0 || option >= m_figure->options())
        return {};
    return m_figure->quantities[size_t(option)].given;
}

std::optional<ProgramValues> FigureWindow::readFields(std::span<ValueField *const> fields, const QStringList &texts,
                                                      qint16 option)
{
    ProgramValues read = inProgramUnits(texts, givenQuantities(option));
    if (!read.failure)
        return read;
    const int index = read.failure->field;
    ValueField *field = index >= 0 && size_t(index) < fields.size() ? fields[size_t(index)] : nullptr;
    showFailure(*read.failure, field, field ? field->accessibleName() : QString());
    return std::nullopt;
}

void FigureWindow::calculate(std::span<ValueField *const> fields, const Calculation &calculation)
{
    QStringList texts;
    for (const ValueField *field : fields)
        texts << field->text();
    const qint16 option = optionInForce(this).second;
    const std::optional<ProgramValues> read = readFields(fields, texts, option);
    if (read && calculation(read->texts)) {
        m_lastCalculation = calculation;
        m_lastFields = QList<ValueField *>(fields.begin(), fields.end());
        m_lastTexts = texts;
        m_lastRead = *read;
        m_lastOption = option;
        showSolvedWorking();
        if (m_shown.kind == Outcome::Kind::Answers)
            emit calculated();
    }
}

QString FigureWindow::fieldCaption(const ValueField *field) const
{
    for (const QLabel *label : findChildren<QLabel *>())
        if (label->buddy() == field)
            return quantityOf(label->text());
    return field->accessibleName();
}

QString FigureWindow::givenUnit(const ValueField *field) const
{
    const qsizetype index = m_lastFields.indexOf(field);
    if (index < 0 || !m_figure || m_lastOption < 0 || m_lastOption >= m_figure->options() || !showsAnswers()
        || index >= qsizetype(MostFields))
        return {};
    const Quantity &given = m_figure->quantities[size_t(m_lastOption)].given[size_t(index)];
    const Unit *unit = given.letter ? unitChoice().measured(given.kind) : nullptr;
    return unit ? u' ' + QString::fromUtf8(unit->symbol) : QString();
}

QString FigureWindow::givenText(const ValueField *field) const
{
    const qsizetype index = m_lastFields.indexOf(field);
    return index >= 0 && showsAnswers() ? m_lastTexts.value(index) : field->text();
}

void FigureWindow::recalculate()
{
    // CLEAR and an option click empty the answers: then there is nothing to follow.
    if (!m_lastCalculation || !showsAnswers())
        return;
    // The same calculation under other choices is no new one: nothing is
    // recorded. A value typed with its unit stays that value under another
    // unit; one typed without is read in the unit now chosen.
    const std::optional<ProgramValues> read = readFields(
        std::span<ValueField *const>(m_lastFields.constData(), size_t(m_lastFields.size())), m_lastTexts, m_lastOption);
    if (!read)
        return;
    m_lastRead = *read;
    m_lastCalculation(read->texts);
    notifyChanged();
}

FigureWindow::~FigureWindow()
{
    delete m_warning;
}

void FigureWindow::unload()
{
    m_unloading = true;
    close();
}

void FigureWindow::closeEvent(QCloseEvent *event)
{
    if (!m_unloading) {
        event->ignore();
        return;
    }
    if (m_warning)
        m_warning->close();
    QWidget::closeEvent(event);
}

void FigureWindow::focusFirstField()
{
    QList<QWidget *> chain;
    collectInReadingOrder(this, chain);
    for (QWidget *control : chain) {
        if (qobject_cast<ValueField *>(control) && control->isVisibleTo(this) && control->isEnabled()) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

// The active-border face is painted here, not set as a palette: a palette
// of the window's own would give each control in it a fresh copy, the style
// would key its cached button drawings on that copy, and every window opened
// would add drawings that no later window can use.
void FigureWindow::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(event->rect(), SystemColour::activeBorder());
}

QLabel *FigureWindow::addLabel(QWidget *parent, const QString &name, Twips at, const QString &text)
{
    auto *label = new CaptionLabel(figureText(text), parent);
    label->setObjectName(name);
    label->setGeometry(at.toPixels());
    return label;
}

QLabel *FigureWindow::addTitle(QWidget *parent, const QString &name, Twips at, const QString &text, Slant slant)
{
    QLabel *title = addLabel(parent, name, at, text);
    QFont font = title->font();
    font.setPointSizeF(13.5);
    font.setItalic(slant == Slant::Italic);
    title->setFont(font);
    setHeading(title);
    return title;
}

void FigureWindow::setBold(QWidget *control, bool bold)
{
    QFont font = control->font();
    font.setBold(bold);
    control->setFont(font);
}

AnswerLabel *FigureWindow::addAnswer(QWidget *parent, const QString &name, Twips at, const QString &caption,
                                     AnswerLook look, const QString &text)
{
    auto *label = new AnswerLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(at.toPixels());
    label->setQuantity(figureText(caption));
    connect(label, &AnswerLabel::calculationCopyRequested, this, &FigureWindow::copyCalculation);
    connect(label, &AnswerLabel::workingRequested, this, &FigureWindow::workingRequested);
    connect(label, &AnswerLabel::solveRequested, this, [this, label] { openSolver(label); });
    connect(label, &AnswerLabel::compositeRequested, this, [this, label](int sign) {
        if (const qsizetype index = m_shownIn.indexOf(label); index >= 0)
            emit compositePartRequested(int(index), sign);
    });
    connect(label, &AnswerLabel::unitChosen, this,
            [this](QuantityKind kind, const Unit *unit) { emit unitsRequested(unitChoice().with(kind, unit)); });
    if (look == AnswerLook::RedOnBlack) {
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, answerInk());
        label->setPalette(palette);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

ValueField *FigureWindow::addField(QWidget *parent, const QString &name, Twips at, QLabel *caption,
                                   const QString &accessibleName)
{
    auto *field = new ValueField(parent);
    field->setObjectName(name);
    field->setGeometry(at.toPixels());
    field->setAccessibleName(figureText(accessibleName));
    if (caption)
        caption->setBuddy(field);
    connect(field, &ValueField::pasteRefused, this, [this, field](qsizetype length) {
        showFailure(Failure{Failure::Cause::PasteTooLong, -1, {}, length}, field, field->accessibleName());
    });
    return field;
}

QPushButton *FigureWindow::addButton(QWidget *parent, const QString &name, Twips at, const QString &text)
{
    auto *button = new QPushButton(figureText(text), parent);
    button->setObjectName(name);
    button->setGeometry(at.toPixels());
    button->setAutoDefault(false);
    return button;
}

QRadioButton *FigureWindow::addOption(QWidget *parent, const QString &name, Twips at, const QString &text)
{
    auto *option = new OptionButton(figureText(text), parent);
    option->setObjectName(name);
    option->setGeometry(at.toPixels());
    return option;
}

QGroupBox *FigureWindow::addFrame(QWidget *parent, const QString &name, Twips at, const QString &spoken)
{
    auto *frame = new FrameBox(parent);
    frame->setObjectName(name);
    frame->setAccessibleName(figureText(spoken));
    frame->setGeometry(at.toPixels());
    return frame;
}

Picture *FigureWindow::addPicture(QWidget *parent, const QString &name, Twips at, const QString &resource)
{
    auto *picture = new Picture(resource, parent);
    picture->setObjectName(name);
    picture->setGeometry(at.toPixels());
    return picture;
}

Picture *FigureWindow::addDrawing(QWidget *parent, Twips at, const FigureDrawing &drawing)
{
    Picture *picture = addPicture(parent, QString::fromLatin1(drawing.name), at, QString::fromLatin1(drawing.resource));
    picture->setAccessibleName(figureText(QString::fromUtf8(drawing.spoken)));
    return picture;
}

namespace {

// The controls Tab stops at, block by block from the top left: a frame is
// read whole before whatever lies below or to its right.
void collectInReadingOrder(QWidget *container, QList<QWidget *> &chain)
{
    QList<QWidget *> children = container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    std::ranges::stable_sort(children, [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QWidget *child : children) {
        if (child->focusPolicy() & Qt::TabFocus)
            chain << child;
        else
            collectInReadingOrder(child, chain);
    }
}

} // namespace

FigureWindow::CommandButtons FigureWindow::addCommandButtons(QWidget *parent, Twips calculateAt, Twips clearAt)
{
    const CommandButtons buttons{
        addButton(parent, QStringLiteral("cmdCalculate"), calculateAt, QStringLiteral("CALCULATE")),
        addButton(parent, QStringLiteral("cmdClear"), clearAt, QStringLiteral("CLEAR"))};
    // Clicking does not take the focus from the field being edited.
    buttons.calculate->setFocusPolicy(Qt::TabFocus);
    m_calculate = buttons.calculate;
    buttons.clear->setFocusPolicy(Qt::TabFocus);
    setUpKeyboard(buttons.calculate);
    return buttons;
}

void FigureWindow::setUpKeyboard(QPushButton *calculate)
{
    QList<QWidget *> chain;
    collectInReadingOrder(this, chain);
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    for (ValueField *field : findChildren<ValueField *>())
        connect(field, &QLineEdit::returnPressed, calculate, &QAbstractButton::click);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        connect(button, &QAbstractButton::clicked, this, &FigureWindow::notifyChanged);
}

std::span<const Quantity> FigureWindow::answerQuantities() const
{
    const qint16 option = optionInForce(this).second;
    if (!m_figure || option < 0 || option >= m_figure->options())
        return {};
    return m_figure->quantities[size_t(option)].answers;
}

bool FigureWindow::showOutcome(const Outcome &calculated, std::span<AnswerLabel *const> answers,
                               std::span<ValueField *const> fields, const std::function<void()> &zeroAnswer)
{
    const Outcome outcome = inChosenUnits(calculated, answerQuantities(), [this](int index) {
        return m_figure ? m_figure->pattern(index) : Pattern::TwoOrThreeDecimals;
    });
    switch (outcome.kind) {
    case Outcome::Kind::Failed: {
        const int index = outcome.failure.field;
        ValueField *field = index >= 0 && size_t(index) < fields.size() ? fields[size_t(index)]
                            : fields.size() == 1                        ? fields.front()
                                                                        : nullptr;
        showFailure(outcome.failure, field, field ? field->accessibleName() : QString());
        return false;
    }
    case Outcome::Kind::Zeros:
        closeWarning();
        m_shown = outcome;
        m_shownIn = QList<AnswerLabel *>(answers.begin(), answers.end());
        if (zeroAnswer)
            zeroAnswer();
        for (AnswerLabel *answer : answers)
            answer->setWorking(Working{{}, {}, QString::fromLatin1(NoValuesGiven)});
        return true;
    case Outcome::Kind::Answers:
        closeWarning();
        m_shown = outcome;
        m_shownIn = QList<AnswerLabel *>(answers.begin(), answers.end());
        const std::span<const Quantity> declared = answerQuantities();
        for (const auto &[index, text] : outcome.answers) {
            if (index < 0 || size_t(index) >= answers.size())
                continue;
            const auto working = outcome.workings.find(index);
            const Unit *unit = size_t(index) < declared.size() && declared[size_t(index)].letter
                                   ? unitChoice().shown(declared[size_t(index)].kind)
                                   : nullptr;
            answers[size_t(index)]->setAnswer(text, working == outcome.workings.end() ? Working{} : working->second,
                                              unit);
            const bool measures = size_t(index) < declared.size() && declared[size_t(index)].letter;
            answers[size_t(index)]->setKind(measures ? declared[size_t(index)].kind : QuantityKind::Count);
        }
        return true;
    }
    return false;
}

void FigureWindow::closeWarning()
{
    if (!m_warning)
        return;
    // The user is already where they mean to be; closing must not move the focus.
    disconnect(m_refocus);
    // Forgotten at once, so that a failure before the box is deleted opens a fresh one.
    QMessageBox *warning = m_warning;
    m_warning = nullptr;
    warning->close();
}

void FigureWindow::showFailure(const Failure &failure, QWidget *field, const QString &fieldName)
{
    if (!m_warning) {
        m_warning =
            new QMessageBox(QMessageBox::Warning, QStringLiteral("Zyntra"), QString(), QMessageBox::Ok, window());
        m_warning->setObjectName(QStringLiteral("warning"));
        m_warning->setWindowModality(Qt::NonModal);
        m_warning->setAttribute(Qt::WA_DeleteOnClose);
        m_warning->setAccessibleName(figureText(u"Zyntra warning"));
        for (QLabel *sign : m_warning->findChildren<QLabel *>())
            if (!sign->pixmap().isNull())
                sign->setAccessibleName(figureText(u"Warning sign"));
    }
    m_warning->setText(describe(failure, fieldName, figureText));
    m_warning->setAccessibleDescription(m_warning->text());
    disconnect(m_refocus);
    if (field) {
        // Closing the warning hands the activation back too, which not every desktop does by itself.
        m_refocus = connect(m_warning, &QMessageBox::finished, field, [field] {
            field->activateWindow();
            field->setFocus(Qt::OtherFocusReason);
        });
        field->setFocus(Qt::OtherFocusReason);
    }
    // A warning that opens is announced as it shows; one already open says its new text again.
    const bool alreadyShown = m_warning->isVisible();
    m_warning->show();
    m_warning->raise();
    if (alreadyShown) {
        QAccessibleEvent alert(m_warning, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

} // namespace Zyntra
