#include "historywindow.h"

#include "catalogue.h"
#include "composite/frmcomposite.h"
#include "controls/figuretext.h"
#include "controls/listwindow.h"
#include "entry/units.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace Zyntra {

namespace {

// As many records as a tall window shows, read in one statement.
constexpr int RecordsPerRead = 100;
// Rows scrolled far away are read again when they come back.
constexpr int RecordsKept = 20 * RecordsPerRead;

// "a = 4, b = 2.5", leaving out the values of the letters given; an answer
// with its exact form after it, never joined by "=": "Area = 78.50 (25π)",
// and to a screen reader "Area = 78.50, 25 pi".
QString valuesText(const QList<HistoryValue> &values, const QList<HistoryValue> &given = {}, bool spoken = false)
{
    QStringList parts;
    for (const HistoryValue &value : values) {
        if (std::ranges::any_of(given, [&value](const HistoryValue &g) { return g.letter == value.letter; }))
            continue;
        QString part = figureText(value.caption) + QStringLiteral(" = ") + value.text;
        if (!value.exact.isEmpty())
            part += spoken ? QStringLiteral(", ") + value.exactSpoken : QStringLiteral(" (%1)").arg(value.exact);
        parts << part;
    }
    return parts.join(QStringLiteral(", "));
}

QString whenText(const QDateTime &when)
{
    return when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString recordCell(const HistoryRecord &record, int column, bool spoken)
{
    switch (column) {
    case HistoryModel::When:
        return whenText(record.when);
    case HistoryModel::Figure:
        // An option that names the figure ("Sector of Circle") is the name already.
        if (!record.optionCaption.isEmpty() && record.optionCaption != record.figureName)
            return figureText(record.figureName) + QStringLiteral(" (") + figureText(record.optionCaption) + u')';
        return figureText(record.figureName);
    case HistoryModel::Given: {
        // Given values were typed in the length unit, the first of the units recorded.
        const QString given = valuesText(shown(record.givens));
        const Unit *length = record.units.length;
        return length && !given.isEmpty() ? given + QStringLiteral(" (%1)").arg(QString::fromUtf8(length->symbol))
                                          : given;
    }
    case HistoryModel::Answers:
        // The answers that echo a given value say nothing new.
        return valuesText(record.answers, shown(record.givens), spoken);
    }
    return {};
}

// A composite's row: its name, each part's figure and given values, and
// the total's working under the choices it was kept with: "Total = 20.00 +
// 6.00 − 4 × 3.14 = 13.44 m²".
QString compositeCell(const CompositeRecord &composite, int column)
{
    QStringList parts;
    for (const CompositePart &part : composite.parts)
        parts << signText(part.sign) + u' ' + countText(part.count) + partDescription(part);
    switch (column) {
    case HistoryModel::When:
        return whenText(composite.when);
    case HistoryModel::Figure:
        return HistoryModel::tr("Composite: %1").arg(composite.name);
    case HistoryModel::Given:
        return parts.join(QStringLiteral("; "));
    case HistoryModel::Answers: {
        const CompositeTotal total = evaluateComposite(composite.parts, figureById, choicesOf(composite));
        return total.failure.isEmpty() ? total.working : total.failure;
    }
    }
    return {};
}

} // namespace

HistoryModel::HistoryModel(HistoryStore &store, QObject *parent)
    : QAbstractTableModel(parent)
    , m_store(store)
{
    reload();
}

void HistoryModel::setFilter(const QString &filter)
{
    m_filter = filter;
    reload();
}

void HistoryModel::insertNewest(const HistoryRecord &record)
{
    if (!matchesFilter(record, m_filter))
        return;
    beginInsertRows({}, compositeCount(), compositeCount());
    m_ids.prepend(record.id);
    m_read.insert(record.id, record);
    endInsertRows();
}

void HistoryModel::reload()
{
    beginResetModel();
    m_composites = m_store.composites(m_filter);
    m_ids = m_store.ids(m_filter);
    m_read.clear();
    endResetModel();
}

HistoryRecord HistoryModel::recordAt(int tableRow) const
{
    const int row = tableRow - compositeCount();
    const qint64 id = m_ids.value(row);
    if (!m_read.contains(id)) {
        if (m_read.size() >= RecordsKept)
            m_read.clear();
        const int first = row - row % RecordsPerRead;
        for (const HistoryRecord &record : m_store.records(m_ids.mid(first, RecordsPerRead)))
            m_read.insert(record.id, record);
    }
    return m_read.value(id);
}

QString HistoryModel::cell(int row, int column, bool spoken) const
{
    return isComposite(row) ? compositeCell(compositeAt(row), column) : recordCell(recordAt(row), column, spoken);
}

QStringList HistoryModel::cells(int row) const
{
    QStringList texts;
    for (int column = 0; column < Columns; ++column)
        texts << cell(row, column);
    return texts;
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : compositeCount() + int(m_ids.size());
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole))
        return {};
    return cell(index.row(), index.column(), role == Qt::AccessibleTextRole);
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const Titles[] = {QT_TR_NOOP("When"), QT_TR_NOOP("Figure"), QT_TR_NOOP("Given"),
                                         QT_TR_NOOP("Answers")};
    return section >= 0 && section < Columns ? tr(Titles[section]) : QVariant();
}

void HistoryModel::sayAgain()
{
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
    if (!m_ids.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_ids.size()) - 1, Columns - 1));
}

void tellAboutHistory(QWidget *parent, const QString &text)
{
    if (text.isEmpty())
        return;
    // The store words its notices in English; they are said in the program's language.
    tellWithoutStopping(parent, QStringLiteral("msgHistory"), HistoryWindow::tr("History"), figureText(text));
}

HistoryWindow::HistoryWindow(HistoryStore &store, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_store(store)
    , m_model(new HistoryModel(store, this))
    , m_filter(new QLineEdit(this))
    , m_table(new QTableView(this))
{
    setObjectName(QStringLiteral("frmHistory"));
    resize(720, 420);

    auto *filterCaption = new QLabel(this);
    filterCaption->setObjectName(QStringLiteral("lblFilter"));
    filterCaption->setBuddy(m_filter);
    m_filter->setObjectName(QStringLiteral("txtFilter"));
    m_filter->setClearButtonEnabled(true);

    setUpRowTable(m_table, QStringLiteral("tblHistory"), {});
    m_table->setModel(m_model);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setColumnWidth(HistoryModel::When, 150);
    m_table->setColumnWidth(HistoryModel::Figure, 150);
    m_table->setColumnWidth(HistoryModel::Given, 180);

    // Their words are said by sayTexts(), in the language in force.
    addRowAction(m_table, this, "mnuCopyHistory", {}, QKeySequence::Copy, &HistoryWindow::copySelected);
    addRowAction(m_table, this, "mnuDeleteHistory", {}, QKeySequence::Delete, &HistoryWindow::cmdDelete_Click);

    auto *remove = addWindowButton(this, "cmdDelete", {}, {}, &HistoryWindow::cmdDelete_Click);
    auto *exportCsv = addWindowButton(this, "cmdExport", {}, {}, &HistoryWindow::cmdExport_Click);
    auto *clear = addWindowButton(this, "cmdClearHistory", {}, {}, &HistoryWindow::cmdClearHistory_Click);

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterCaption);
    filterRow->addWidget(m_filter);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addWidget(exportCsv);
    buttons->addStretch();
    buttons->addWidget(clear);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(m_table);
    layout->addLayout(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &HistoryWindow::txtFilter_Change);
    // Enter in the table and a double-click both activate a row.
    connect(m_table, &QTableView::activated, this, &HistoryWindow::tblHistory_Activated);
    sayTexts();
    // Nothing is chosen until the user chooses: Export then writes every row shown.
    tellNotice();
}

void HistoryWindow::sayTexts()
{
    sayControlTexts(this, staticMetaObject.className(),
                    {
                        {"lblFilter", QT_TR_NOOP("&Filter:"), nullptr},
                        {"txtFilter", nullptr, QT_TR_NOOP("Filter")},
                        {"tblHistory", nullptr, QT_TR_NOOP("Past calculations")},
                        {"mnuCopyHistory", QT_TR_NOOP("Copy"), nullptr},
                        {"mnuDeleteHistory", QT_TR_NOOP("Delete"), nullptr},
                        {"cmdDelete", QT_TR_NOOP("&Delete"), QT_TR_NOOP("Delete")},
                        {"cmdExport", QT_TR_NOOP("&Export…"), QT_TR_NOOP("Export")},
                        {"cmdClearHistory", QT_TR_NOOP("&Clear History"), QT_TR_NOOP("Clear History")},
                    });
    setWindowTitle(tr("History"));
    setAccessibleName(tr("History"));
    m_filter->setPlaceholderText(tr("Figure, composite, caption or number"));
    m_model->sayAgain();
}

void HistoryWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        sayTexts();
    QWidget::changeEvent(event);
}

void HistoryWindow::recorded(const HistoryRecord &record)
{
    m_model->insertNewest(record);
}

void HistoryWindow::refresh()
{
    m_model->reload();
    tellNotice();
}

void HistoryWindow::tellNotice()
{
    tellAboutHistory(this, m_store.takeNotice());
}

void HistoryWindow::txtFilter_Change(const QString &text)
{
    m_model->setFilter(text);
}

void HistoryWindow::tblHistory_Activated(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    if (m_model->isComposite(index.row()))
        emit compositeReopenRequested(m_model->compositeAt(index.row()));
    else
        emit reopenRequested(m_model->recordAt(index.row()));
}

QList<int> HistoryWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    std::ranges::sort(rows);
    return rows;
}

void HistoryWindow::cmdDelete_Click()
{
    QList<qint64> ids, composites;
    const QList<int> rows = selectedRows();
    for (int row : rows) {
        if (m_model->isComposite(row))
            composites << m_model->compositeAt(row).id;
        else
            ids << m_model->idAt(row);
    }
    if (rows.isEmpty())
        return;
    if (!ids.isEmpty())
        m_store.remove(ids);
    if (!composites.isEmpty())
        m_store.removeComposites(composites);
    refresh();
    // The row that took the place of the first one removed keeps the keyboard going.
    if (m_model->rowCount() > 0)
        m_table->selectRow(std::min(rows.first(), m_model->rowCount() - 1));
}

void HistoryWindow::cmdClearHistory_Click()
{
    const auto answer =
        QMessageBox::question(this, tr("Clear History"), tr("Remove every calculation from the history?"));
    if (answer != QMessageBox::Yes)
        return;
    m_store.clear();
    refresh();
}

void HistoryWindow::cmdExport_Click()
{
    // A composite chosen: its parts. Else the calculations chosen, else
    // every calculation the filter shows.
    const QList<int> rows = selectedRows();
    const auto isComposite = [this](int row) { return m_model->isComposite(row); };
    const auto composites = std::ranges::count_if(rows, isComposite);
    if (composites == 1)
        return exportComposite(m_model->compositeAt(*std::ranges::find_if(rows, isComposite)));
    if (composites > 1)
        return tellAboutHistory(this, tr("Choose one composite to export its parts."));
    QList<qint64> ids;
    for (int row : rows)
        ids << m_model->idAt(row);
    if (rows.isEmpty())
        ids = m_model->ids();
    const char *const Counts[2][2] = {{QT_TR_NOOP("%1 row"), QT_TR_NOOP("%1 rows")},
                                      {QT_TR_NOOP("%1 chosen row"), QT_TR_NOOP("%1 chosen rows")}};
    const QString count = tr(Counts[rows.isEmpty() ? 0 : 1][ids.size() == 1 ? 0 : 1]).arg(integerText(ids.size()));
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export History (%1)").arg(count), QStringLiteral("history.csv"),
                                     tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (const auto failure = m_store.exportCsv(path, ids))
        tellAboutHistory(this, tr("The history could not be exported: %1").arg(*failure));
    tellNotice();
}

void HistoryWindow::exportComposite(const CompositeRecord &composite)
{
    if (const auto failure = exportCompositeCsv(this, composite, figureById))
        tellAboutHistory(this, tr("The composite could not be exported: %1").arg(*failure));
}

void HistoryWindow::copySelected() const
{
    QStringList lines;
    for (int row : selectedRows())
        lines << m_model->cells(row).join(u'\t');
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines.join(u'\n'));
}

} // namespace Zyntra
