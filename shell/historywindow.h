#pragma once

#include "history/historystore.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QWidget>

class QLineEdit;
class QTableView;

namespace Zyntra {

// The history as a table: the saved composites the filter lets through,
// newest first, and below them the calculations, newest first. Of these it
// holds only the ids and reads the records a page at a time as they are
// shown, so that a long history opens and filters at once.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { When, Figure, Given, Answers, Columns };

    explicit HistoryModel(HistoryStore &store, QObject *parent = nullptr);

    void setFilter(const QString &filter);
    void reload();
    // A calculation just recorded, as the newest row where the filter lets
    // it through; the other rows are not read again.
    void insertNewest(const HistoryRecord &record);
    // The calculations' ids, of the rows below the composites.
    const QList<qint64> &ids() const { return m_ids; }
    int compositeCount() const { return int(m_composites.size()); }
    bool isComposite(int row) const { return row >= 0 && row < compositeCount(); }
    CompositeRecord compositeAt(int row) const { return m_composites.value(row); }
    // A calculation's row: its id and its record.
    qint64 idAt(int row) const { return m_ids.value(row - compositeCount()); }
    HistoryRecord recordAt(int row) const;
    // A row as the table shows it, one cell a column; `spoken` as a screen
    // reader hears it, exact forms in words.
    QString cell(int row, int column, bool spoken = false) const;
    QStringList cells(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The headings and rows again, in the language the program now speaks.
    void sayAgain();

private:
    HistoryStore &m_store;
    QString m_filter;
    QList<CompositeRecord> m_composites; // saved by name, so few
    QList<qint64> m_ids;
    mutable QHash<qint64, HistoryRecord> m_read;
};

// Tells the user about the history without stopping them: the store's
// one-time notice, or why an export failed.
void tellAboutHistory(QWidget *parent, const QString &text);

// The window of past calculations, beside the main window: a filter, the
// table, and what can be done to the rows chosen in it.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(HistoryStore &store, QWidget *owner);

    // After a calculation was recorded: its row, and the rows the user chose stay chosen.
    void recorded(const HistoryRecord &record);
    // Reads the rows again, as after the history was changed here or its file set aside.
    void refresh();

signals:
    // Enter or a double-click on a row: open the calculation again.
    void reopenRequested(const Zyntra::HistoryRecord &record);
    // The same on a composite's row.
    void compositeReopenRequested(const Zyntra::CompositeRecord &composite);

protected:
    void changeEvent(QEvent *event) override;

private:
    // The window's fixed texts, in the language the program speaks.
    void sayTexts();
    void txtFilter_Change(const QString &text);
    void tblHistory_Activated(const QModelIndex &index);
    void cmdDelete_Click();
    void cmdClearHistory_Click();
    void cmdExport_Click();
    void exportComposite(const CompositeRecord &composite);
    void copySelected() const;
    QList<int> selectedRows() const;
    // The store may have turned itself off or set its file aside.
    void tellNotice();

    HistoryStore &m_store;
    HistoryModel *m_model;
    QLineEdit *m_filter;
    QTableView *m_table;
};

} // namespace Zyntra
