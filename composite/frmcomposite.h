#pragma once

#include "compositemodel.h"
#include "history/historystore.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace Zyntra {

// A composite figure beside the main window: its parts, each a figure's
// answer added or cut out a number of times, and their total with its
// working. Parts come from the figure windows' answers; the total follows
// the choices in force.
class frmComposite : public QWidget {
    Q_OBJECT
public:
    enum Column { Sign, Count, Figure, Quantity, Value, Contribution, Columns };

    frmComposite(HistoryStore &store, FigureLookup lookup, QWidget *owner);

    // The part joins the composite, unless it measures another kind than
    // the parts already there; then the user is told both kinds.
    bool addPart(const CompositePart &part);
    // The row's part becomes this calculation, its quantity, sign and count
    // kept; without one, the user is told how to make one.
    bool updatePart(int row, const std::optional<HistoryRecord> &calculation);
    void removeParts(QList<int> rows);
    QList<CompositePart> parts() const { return m_parts; }
    const CompositeTotal &total() const { return m_total; }

    // The composite as it is kept, under the choices in force, and back.
    CompositeRecord record() const;
    void load(const CompositeRecord &record);
    // Works the total again, as after a change of the choices in force.
    void recalculate();

    // F2 on the total: which part's value to change, and the total wanted.
    void openSolver();
    // Changes the given value of a part so that the total comes to the
    // target (typed as a value field takes it); false, and the user told
    // why, when none does, and then nothing changes.
    bool solveTotal(int row, const QString &letter, const QString &target);

    // The last message shown: a part refused, a save or an export that failed.
    QMessageBox *message() const { return m_message; }

signals:
    // Enter or a double-click on a row: the part in its figure window.
    void reopenRequested(const Zyntra::HistoryRecord &calculation);
    // "Update Part": the open figure's calculation is wanted for this row.
    void updateRequested(int row);
    void totalChanged();
    // The calculation sheet of the composite.
    void sheetRequested();
    // "Save Composite…" kept it in the history.
    void saved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Says every text of the window in the language in force.
    void sayTexts();
    void colourWarning();
    void showParts(const QList<CompositePart> &parts);
    void fillRow(int row);
    void tblParts_ItemChanged(QTableWidgetItem *item);
    void cmdSaveComposite_Click();
    void cmdExport_Click();
    // The solve row's choices, the part of this row chosen; the value chosen stays chosen.
    void fillSolver(int row);
    void cboSolvePart_Change(int row);
    void cmdSolve_Click();
    void tell(const QString &text);
    int currentRow() const;

    HistoryStore &m_store;
    FigureLookup m_lookup;
    QString m_name;
    QList<CompositePart> m_parts;
    CompositeTotal m_total;
    QTableWidget *m_table;
    QLabel *m_totalLabel;
    QLabel *m_warning;
    QFrame *m_solver;
    QComboBox *m_solvePart;
    QComboBox *m_solveGiven;
    QLineEdit *m_solveTarget;
    QPointer<QMessageBox> m_message;
    bool m_filling = false;
};

// Asks where, and writes the composite's parts and total as CSV, worked out
// under the choices it was kept with; the reason when nothing was written,
// nothing when it was or the user changed their mind.
std::optional<QString> exportCompositeCsv(QWidget *parent, const CompositeRecord &composite,
                                          const FigureLookup &lookup);

} // namespace Zyntra
