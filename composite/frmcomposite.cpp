#include "frmcomposite.h"

#include "controls/figuretext.h"
#include "controls/listwindow.h"
#include "controls/theme.h"
#include "entry/term.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace Zyntra {

namespace {

constexpr int MostCount = 9999;

const char *const ColumnTitles[frmComposite::Columns] = {
    QT_TRANSLATE_NOOP("Zyntra::frmComposite", "Sign"),   QT_TRANSLATE_NOOP("Zyntra::frmComposite", "Count"),
    QT_TRANSLATE_NOOP("Zyntra::frmComposite", "Figure"), QT_TRANSLATE_NOOP("Zyntra::frmComposite", "Quantity"),
    QT_TRANSLATE_NOOP("Zyntra::frmComposite", "Value"),  QT_TRANSLATE_NOOP("Zyntra::frmComposite", "Contribution")};

std::optional<int> signOf(const QString &text)
{
    const QString typed = text.trimmed();
    if (typed == u"+")
        return 1;
    if (typed == u"-" || typed == u"−")
        return -1;
    return std::nullopt;
}

} // namespace

frmComposite::frmComposite(HistoryStore &store, FigureLookup lookup, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_store(store)
    , m_lookup(std::move(lookup))
    , m_table(new QTableWidget(0, Columns, this))
    , m_totalLabel(new QLabel(this))
    , m_warning(new QLabel(this))
    , m_solver(new QFrame(this))
    , m_solvePart(new QComboBox(m_solver))
    , m_solveGiven(new QComboBox(m_solver))
    , m_solveTarget(new QLineEdit(m_solver))
{
    setObjectName(QStringLiteral("frmComposite"));
    resize(720, 360);

    // The words of the window are said by sayTexts(), in the language in force.
    setUpRowTable(m_table, QStringLiteral("tblParts"), {});
    // Typing into the sign or the count changes it; Enter on a row reopens its part.
    m_table->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_table->setColumnWidth(Sign, 40);
    m_table->setColumnWidth(Count, 50);
    m_table->setColumnWidth(Figure, 260);
    addRowAction(m_table, this, "mnuUpdatePart", {}, {}, [this] {
        if (currentRow() >= 0)
            emit updateRequested(currentRow());
    });
    addRowAction(m_table, this, "mnuChangeSign", {}, {}, [this] {
        if (const int row = currentRow(); row >= 0)
            m_table->item(row, Sign)->setText(signText(-m_parts[row].sign));
    });
    addRowAction(m_table, this, "mnuDeletePart", {}, QKeySequence::Delete, [this] {
        QList<int> rows;
        for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
            rows << index.row();
        removeParts(rows);
    });
    connect(m_table, &QTableWidget::itemChanged, this, &frmComposite::tblParts_ItemChanged);
    connect(m_table, &QTableWidget::activated, this, [this](const QModelIndex &index) {
        if (index.isValid() && index.row() < m_parts.size())
            emit reopenRequested(m_parts[index.row()].calculation);
    });

    m_totalLabel->setObjectName(QStringLiteral("lblTotal"));
    m_totalLabel->setFocusPolicy(Qt::StrongFocus);
    m_totalLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont bold = m_totalLabel->font();
    bold.setBold(true);
    m_totalLabel->setFont(bold);
    m_totalLabel->installEventFilter(this);
    m_warning->setObjectName(QStringLiteral("lblCompositeWarning"));
    m_warning->setWordWrap(true);
    m_warning->hide();

    // Working backwards from the total: hidden until F2 on it.
    m_solver->setObjectName(QStringLiteral("fraSolveTotal"));
    m_solvePart->setObjectName(QStringLiteral("cboSolvePart"));
    m_solveGiven->setObjectName(QStringLiteral("cboSolveGiven"));
    m_solveTarget->setObjectName(QStringLiteral("txtSolveTarget"));
    auto *solve = new QPushButton(m_solver);
    solve->setObjectName(QStringLiteral("cmdSolveTotal"));
    solve->setAutoDefault(false);
    auto *targetCaption = new QLabel(m_solver);
    targetCaption->setObjectName(QStringLiteral("lblSolveTarget"));
    targetCaption->setBuddy(m_solveTarget);
    auto *solverRow = new QHBoxLayout(m_solver);
    solverRow->setContentsMargins(0, 0, 0, 0);
    solverRow->addWidget(m_solvePart, 2);
    solverRow->addWidget(m_solveGiven, 1);
    solverRow->addWidget(targetCaption);
    solverRow->addWidget(m_solveTarget, 1);
    solverRow->addWidget(solve);
    m_solver->hide();
    connect(m_solvePart, &QComboBox::currentIndexChanged, this, &frmComposite::cboSolvePart_Change);
    connect(m_solveTarget, &QLineEdit::returnPressed, this, &frmComposite::cmdSolve_Click);
    connect(solve, &QPushButton::clicked, this, &frmComposite::cmdSolve_Click);
    m_solveTarget->installEventFilter(this);

    auto *save = addWindowButton(this, "cmdSaveComposite", {}, {}, &frmComposite::cmdSaveComposite_Click);
    auto *exportCsv = addWindowButton(this, "cmdExport", {}, {}, &frmComposite::cmdExport_Click);
    auto *sheet = addWindowButton(this, "cmdCompositeSheet", {}, {}, &frmComposite::sheetRequested);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(exportCsv);
    buttons->addStretch();
    buttons->addWidget(sheet);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_totalLabel);
    layout->addWidget(m_warning);
    layout->addWidget(m_solver);
    layout->addLayout(buttons);
    colourWarning();
    sayTexts();
}

void frmComposite::sayTexts()
{
    sayControlTexts(this, staticMetaObject.className(),
                    {
                        {"tblParts", nullptr, QT_TR_NOOP("Parts")},
                        {"mnuUpdatePart", QT_TR_NOOP("Update Part"), nullptr},
                        {"mnuChangeSign", QT_TR_NOOP("Change Sign"), nullptr},
                        {"mnuDeletePart", QT_TR_NOOP("Delete"), nullptr},
                        {"fraSolveTotal", nullptr, QT_TR_NOOP("Solve for the total")},
                        {"cboSolvePart", nullptr, QT_TR_NOOP("Part to change")},
                        {"cboSolveGiven", nullptr, QT_TR_NOOP("Value to change")},
                        {"txtSolveTarget", nullptr, QT_TR_NOOP("Total wanted")},
                        {"lblSolveTarget", QT_TR_NOOP("&Total wanted:"), nullptr},
                        {"cmdSolveTotal", QT_TR_NOOP("Sol&ve"), nullptr},
                        {"cmdSaveComposite", QT_TR_NOOP("&Save Composite…"), QT_TR_NOOP("Save Composite")},
                        {"cmdExport", QT_TR_NOOP("&Export…"), QT_TR_NOOP("Export")},
                        {"cmdCompositeSheet", QT_TR_NOOP("Calculation S&heet"), QT_TR_NOOP("Calculation Sheet")},
                    });
    setWindowTitle(m_name.isEmpty() ? tr("Composite") : tr("Composite: %1").arg(m_name));
    setAccessibleName(tr("Composite"));
    QStringList titles;
    for (const char *title : ColumnTitles)
        titles << tr(title);
    m_table->setHorizontalHeaderLabels(titles);
    // The narrow columns widen to their headings where a language needs it.
    for (const int column : {Sign, Count})
        m_table->setColumnWidth(
            column, std::max(m_table->columnWidth(column), m_table->horizontalHeader()->sectionSizeHint(column)));
    // The rows, the total and its working are said again too; the numbers stay as they are.
    showParts(m_parts);
    if (m_solver->isVisible())
        fillSolver(std::min(m_solvePart->currentIndex(), int(m_parts.size()) - 1));
}

void frmComposite::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        sayTexts();
    if (event->type() == QEvent::PaletteChange)
        colourWarning();
    QWidget::changeEvent(event);
}

void frmComposite::colourWarning()
{
    // In the theme's red, which reads on the window's ground.
    QPalette palette = m_warning->palette();
    palette.setColor(QPalette::WindowText, warningInk());
    m_warning->setPalette(palette);
}

bool frmComposite::addPart(const CompositePart &part)
{
    const PartValue value = evaluatePart(part, m_lookup);
    QString refused = value.failure;
    if (refused.isEmpty())
        refused = refusal(m_total.parts.isEmpty() ? value.kind : m_total.kind, value.kind);
    if (!refused.isEmpty()) {
        tell(refused);
        return false;
    }
    showParts(m_parts + QList{part});
    m_table->selectRow(int(m_parts.size()) - 1);
    return true;
}

bool frmComposite::updatePart(int row, const std::optional<HistoryRecord> &calculation)
{
    if (row < 0 || row >= m_parts.size())
        return false;
    if (!calculation) {
        tell(tr("There is no calculation to put back: reopen the part (Enter), change it, press CALCULATE, "
                "then choose Update Part."));
        return false;
    }
    QList<CompositePart> parts = m_parts;
    parts[row].calculation = *calculation;
    const PartValue value = evaluatePart(parts[row], m_lookup);
    QString refused = value.failure;
    if (refused.isEmpty() && parts.size() > 1)
        refused = refusal(m_total.parts.value(row == 0 ? 1 : 0).kind, value.kind);
    if (!refused.isEmpty()) {
        tell(tr("The part was not updated. %1").arg(refused));
        return false;
    }
    showParts(parts);
    return true;
}

void frmComposite::removeParts(QList<int> rows)
{
    std::ranges::sort(rows, std::greater<>());
    QList<CompositePart> parts = m_parts;
    for (int row : rows)
        if (row >= 0 && row < parts.size())
            parts.removeAt(row);
    showParts(parts);
    // The row that took the place of the first one removed keeps the keyboard going.
    if (!rows.isEmpty() && !parts.isEmpty())
        m_table->selectRow(std::min(rows.last(), int(parts.size()) - 1));
}

CompositeRecord frmComposite::record() const
{
    CompositeRecord kept;
    kept.name = m_name;
    kept.parts = m_parts;
    kept.constants = constantsName(exactConstants());
    kept.precision = precisionCaption(answerPrecision());
    kept.units = unitChoice();
    kept.exactForms = exactForms();
    return kept;
}

void frmComposite::load(const CompositeRecord &record)
{
    m_name = record.name;
    m_parts = record.parts;
    sayTexts();
}

void frmComposite::recalculate()
{
    showParts(m_parts);
}

void frmComposite::showParts(const QList<CompositePart> &parts)
{
    m_parts = parts;
    // A part follows the constants in force, as a figure's answers do, and
    // then keeps the answers they give.
    for (CompositePart &part : m_parts)
        if (part.calculation.constants != constantsName(exactConstants())) {
            part.calculation.constants = constantsName(exactConstants());
            keepAnswersTrue(part, m_lookup);
        }
    m_total = evaluateComposite(m_parts, m_lookup);
    m_filling = true;
    m_table->setRowCount(int(m_parts.size()));
    for (int row = 0; row < m_parts.size(); ++row)
        fillRow(row);
    m_filling = false;

    QString text;
    if (m_parts.isEmpty())
        text = tr("Total: no parts yet; add an answer of a figure with Ctrl+Shift+A");
    else if (m_total.failure.isEmpty())
        text = tr("Total = %1")
                   .arg(m_total.text + m_total.unit
                        + (m_total.exact.isEmpty() ? QString() : QStringLiteral("  (%1)").arg(m_total.exact)));
    else
        text = tr("Total = %1").arg(u'?');
    m_totalLabel->setText(text);
    m_totalLabel->setToolTip(m_total.working);
    m_totalLabel->setAccessibleDescription(m_total.exactSpoken.isEmpty()
                                               ? m_total.working
                                               : tr("%1, exactly %2").arg(m_total.working, m_total.exactSpoken));
    const QString warning = m_total.negative() ? negativeTotalWarning() : m_total.failure;
    m_warning->setText(warning);
    m_warning->setVisible(!warning.isEmpty());
    emit totalChanged();
}

void frmComposite::fillRow(int row)
{
    const CompositePart &part = m_parts[row];
    const PartValue value = m_total.parts.value(row);
    const bool worked = value.failure.isEmpty();
    const QString shown = worked ? value.text + m_total.unit : QStringLiteral("?");
    const QString cells[Columns] = {
        signText(part.sign),
        integerText(part.count),
        partDescription(part),
        figureText(part.quantityCaption),
        worked ? shown : value.failure,
        worked && m_total.failure.isEmpty() ? signText(part.sign) + countText(part.count) + shown : QString(),
    };
    const QString spoken = tr("Part %1: %2, count %3, %4, %5 %6")
                               .arg(integerText(row + 1), part.sign < 0 ? tr("cut out") : tr("added"),
                                    integerText(part.count), cells[Figure], cells[Quantity], cells[Value]);
    for (int column = 0; column < Columns; ++column) {
        auto *item = new QTableWidgetItem(cells[column]);
        if (column != Sign && column != Count)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        item->setData(Qt::AccessibleTextRole, tr(ColumnTitles[column]) + QStringLiteral(": ") + cells[column]);
        item->setData(Qt::AccessibleDescriptionRole, spoken);
        if (column == Value && worked)
            item->setToolTip(workingText(cells[Quantity], value.working, value.text, figureText));
        m_table->setItem(row, column, item);
    }
}

void frmComposite::tblParts_ItemChanged(QTableWidgetItem *item)
{
    if (m_filling || !item || item->row() >= m_parts.size())
        return;
    QList<CompositePart> parts = m_parts;
    CompositePart &part = parts[item->row()];
    if (item->column() == Sign) {
        const std::optional<int> sign = signOf(item->text());
        if (!sign)
            tell(tr("A part's sign is + to add it or − to cut it out."));
        else
            part.sign = *sign;
    } else if (item->column() == Count) {
        const std::optional<double> count = textToNumber(item->text());
        if (!count || *count != std::floor(*count) || *count < 1 || *count > MostCount)
            tell(tr("A count is a whole number from 1 to %1.").arg(integerText(MostCount)));
        else
            part.count = int(*count);
    }
    // Queued: the table is still inside the edit that changed the item.
    QMetaObject::invokeMethod(
        this, [this, parts] { showParts(parts); }, Qt::QueuedConnection);
}

void frmComposite::cmdSaveComposite_Click()
{
    if (m_parts.isEmpty()) {
        tell(tr("There are no parts to save."));
        return;
    }
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("Save Composite"), tr("&Name:"), QLineEdit::Normal, m_name, &ok).trimmed();
    if (!ok || name.isEmpty())
        return;
    CompositeRecord kept = record();
    kept.name = name;
    if (!m_store.saveComposite(kept, &kept)) {
        const QString notice = m_store.takeNotice();
        tell(tr("The composite could not be saved.") + (notice.isEmpty() ? QString() : u' ' + figureText(notice)));
        return;
    }
    load(kept);
    emit saved();
}

std::optional<QString> exportCompositeCsv(QWidget *parent, const CompositeRecord &composite, const FigureLookup &lookup)
{
    const CompositeChoices choices = choicesOf(composite);
    const CompositeTotal total = evaluateComposite(composite.parts, lookup, choices);
    if (!total.failure.isEmpty())
        return total.failure;
    const QString path = QFileDialog::getSaveFileName(
        parent,
        composite.name.isEmpty() ? frmComposite::tr("Export Composite")
                                 : frmComposite::tr("Export Composite (%1)").arg(composite.name),
        (composite.name.isEmpty() ? QStringLiteral("composite") : composite.name) + QStringLiteral(".csv"),
        frmComposite::tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    return HistoryStore::exportCompositeCsv(composite, shownSums(composite.parts, total, choices), path);
}

void frmComposite::cmdExport_Click()
{
    if (const auto failure = exportCompositeCsv(this, record(), m_lookup))
        tell(tr("The composite could not be exported: %1").arg(figureText(*failure)));
}

void frmComposite::openSolver()
{
    if (m_parts.isEmpty() || !m_total.failure.isEmpty())
        return;
    fillSolver(std::max(currentRow(), 0));
    m_solveTarget->setText(m_total.text);
    m_solver->show();
    m_solvePart->setFocus(Qt::OtherFocusReason);
}

void frmComposite::fillSolver(int row)
{
    const int given = row == m_solvePart->currentIndex() ? m_solveGiven->currentIndex() : 0;
    {
        const QSignalBlocker quiet(m_solvePart);
        m_solvePart->clear();
        for (int part = 0; part < m_parts.size(); ++part)
            m_solvePart->addItem(integerText(part + 1) + QStringLiteral(". ") + partDescription(m_parts[part]));
        m_solvePart->setCurrentIndex(row);
    }
    cboSolvePart_Change(row);
    m_solveGiven->setCurrentIndex(std::max(given, 0));
}

void frmComposite::cboSolvePart_Change(int row)
{
    m_solveGiven->clear();
    if (row < 0 || row >= m_parts.size())
        return;
    for (const HistoryGiven &given : m_parts[row].calculation.givens)
        m_solveGiven->addItem(given.caption.isEmpty() ? given.letter : figureText(given.caption), given.letter);
}

void frmComposite::cmdSolve_Click()
{
    if (solveTotal(m_solvePart->currentIndex(), m_solveGiven->currentData().toString(), m_solveTarget->text())) {
        m_solver->hide();
        m_totalLabel->setFocus(Qt::OtherFocusReason);
    }
}

bool frmComposite::solveTotal(int row, const QString &letter, const QString &target)
{
    const std::optional<double> wanted = textToNumber(target);
    if (!wanted) {
        tell(tr("The total wanted is not a number: %1").arg(target));
        return false;
    }
    const TotalSolution solved = Zyntra::solveTotal(m_parts, row, letter, *wanted, m_lookup);
    if (!solved.part) {
        tell(solved.failure);
        return false;
    }
    QList<CompositePart> parts = m_parts;
    parts[row] = *solved.part;
    showParts(parts);
    return true;
}

bool frmComposite::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // F2 edits, as on a figure's answer: here, the total it should come to.
        if (watched == m_totalLabel && key->key() == Qt::Key_F2 && key->modifiers() == Qt::NoModifier) {
            openSolver();
            return true;
        }
        if (watched == m_solveTarget && key->key() == Qt::Key_Escape) {
            m_solver->hide();
            m_totalLabel->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmComposite::tell(const QString &text)
{
    if (m_message)
        m_message->close();
    m_message = tellWithoutStopping(this, QStringLiteral("msgComposite"), tr("Composite"), text, true);
}

int frmComposite::currentRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() && current.row() < m_parts.size() ? current.row() : -1;
}

} // namespace Zyntra
