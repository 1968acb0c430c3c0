#include "historywindow.h"

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
        QString part = value.caption + QStringLiteral(" = ") + value.text;
        if (!value.exact.isEmpty())
            part += spoken ? QStringLiteral(", ") + value.exactSpoken : QStringLiteral(" (%1)").arg(value.exact);
        parts << part;
    }
    return parts.join(QStringLiteral(", "));
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
    beginInsertRows({}, 0, 0);
    m_ids.prepend(record.id);
    m_read.insert(record.id, record);
    endInsertRows();
}

void HistoryModel::reload()
{
    beginResetModel();
    m_ids = m_store.ids(m_filter);
    m_read.clear();
    endResetModel();
}

HistoryRecord HistoryModel::recordAt(int row) const
{
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
    const HistoryRecord record = recordAt(row);
    switch (column) {
    case When:
        return record.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Figure:
        // An option that names the figure ("Sector of Circle") is the name already.
        if (!record.optionCaption.isEmpty() && record.optionCaption != record.figureName)
            return record.figureName + QStringLiteral(" (") + record.optionCaption + u')';
        return record.figureName;
    case Given: {
        // Given values were typed in the length unit, the first of the units recorded.
        const QString given = valuesText(shown(record.givens));
        const Unit *length = record.units.length;
        return length && !given.isEmpty() ? given + QStringLiteral(" (%1)").arg(QString::fromUtf8(length->symbol))
                                          : given;
    }
    case Answers:
        // The answers that echo a given value say nothing new.
        return valuesText(record.answers, shown(record.givens), spoken);
    }
    return {};
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
    return parent.isValid() ? 0 : int(m_ids.size());
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
    static const QStringList titles{QStringLiteral("When"), QStringLiteral("Figure"), QStringLiteral("Given"),
                                    QStringLiteral("Answers")};
    return titles.value(section);
}

void tellAboutHistory(QWidget *parent, const QString &text)
{
    if (text.isEmpty())
        return;
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("History"), text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("msgHistory"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

HistoryWindow::HistoryWindow(HistoryStore &store, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_store(store)
    , m_model(new HistoryModel(store, this))
    , m_filter(new QLineEdit(this))
    , m_table(new QTableView(this))
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("History"));
    setAccessibleName(QStringLiteral("History"));
    resize(720, 420);

    auto *filterCaption = new QLabel(QStringLiteral("&Filter:"), this);
    filterCaption->setObjectName(QStringLiteral("lblFilter"));
    filterCaption->setBuddy(m_filter);
    m_filter->setObjectName(QStringLiteral("txtFilter"));
    m_filter->setAccessibleName(QStringLiteral("Filter"));
    m_filter->setPlaceholderText(QStringLiteral("Figure, caption or number"));
    m_filter->setClearButtonEnabled(true);

    m_table->setObjectName(QStringLiteral("tblHistory"));
    m_table->setAccessibleName(QStringLiteral("Past calculations"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(HistoryModel::When, 150);
    m_table->setColumnWidth(HistoryModel::Figure, 150);
    m_table->setColumnWidth(HistoryModel::Given, 180);

    const auto addShortcut = [this](const char *name, const QString &text, QKeySequence keys, auto handler) {
        auto *action = new QAction(text, m_table);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        m_table->addAction(action);
        connect(action, &QAction::triggered, this, handler);
    };
    addShortcut("mnuCopyHistory", QStringLiteral("Copy"), QKeySequence::Copy, &HistoryWindow::copySelected);
    addShortcut("mnuDeleteHistory", QStringLiteral("Delete"), QKeySequence::Delete, &HistoryWindow::cmdDelete_Click);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);

    const auto addButton = [this](const char *name, const QString &text, const QString &spoken, auto handler) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(spoken);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    auto *remove =
        addButton("cmdDelete", QStringLiteral("&Delete"), QStringLiteral("Delete"), &HistoryWindow::cmdDelete_Click);
    auto *exportCsv =
        addButton("cmdExport", QStringLiteral("&Export…"), QStringLiteral("Export"), &HistoryWindow::cmdExport_Click);
    auto *clear = addButton("cmdClearHistory", QStringLiteral("&Clear History"), QStringLiteral("Clear History"),
                            &HistoryWindow::cmdClearHistory_Click);

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
    // Nothing is chosen until the user chooses: Export then writes every row shown.
    tellNotice();
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
    if (index.isValid())
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
    QList<qint64> ids;
    const QList<int> rows = selectedRows();
    for (int row : rows)
        ids << m_model->idAt(row);
    if (ids.isEmpty())
        return;
    m_store.remove(ids);
    refresh();
    // The row that took the place of the first one removed keeps the keyboard going.
    if (m_model->rowCount() > 0)
        m_table->selectRow(std::min(rows.first(), m_model->rowCount() - 1));
}

void HistoryWindow::cmdClearHistory_Click()
{
    const auto answer = QMessageBox::question(this, QStringLiteral("Clear History"),
                                              QStringLiteral("Remove every calculation from the history?"));
    if (answer != QMessageBox::Yes)
        return;
    m_store.clear();
    refresh();
}

void HistoryWindow::cmdExport_Click()
{
    // The rows the user chose, else every row the filter shows.
    const QList<int> rows = selectedRows();
    QList<qint64> ids;
    for (int row : rows)
        ids << m_model->idAt(row);
    if (rows.isEmpty())
        ids = m_model->ids();
    const QString count = integerText(ids.size()) + (rows.isEmpty() ? QString() : QStringLiteral(" chosen"))
                          + (ids.size() == 1 ? QStringLiteral(" row") : QStringLiteral(" rows"));
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export History (%1)").arg(count),
                                     QStringLiteral("history.csv"), QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (const auto failure = m_store.exportCsv(path, ids))
        tellAboutHistory(this, QStringLiteral("The history could not be exported: ") + *failure);
    tellNotice();
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
