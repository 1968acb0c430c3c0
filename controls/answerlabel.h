#pragma once

#include "entry/calculation.h"
#include "entry/units.h"

#include <QLabel>

namespace Zyntra {

// A caption without its trailing "=" or ":": what it names.
QString quantityOf(const QString &caption);

// A label a result is written into. Its text can be selected and copied by
// mouse or keyboard, and Tab stops at it while it shows a value. The
// selection machinery behind a label is costly to build and most answers
// are only read, so it is built the first time the user reaches for the
// label: a click, a right click or the keyboard focus.
// An answer also carries its working, shown on hover, on Shift+F1 and from
// its context menu. A screen reader hears the quantity with the value as
// its name and the working as its description, and nothing at all while
// the answer is empty.
class AnswerLabel : public QLabel {
    Q_OBJECT
public:
    // The text given here is set before the label takes the focus policy
    // that makes Qt build the selection machinery on the next setText.
    AnswerLabel(const QString &text, QWidget *parent);

    // Writes an answer. Qt builds the selection machinery for any label that
    // can take the focus as soon as its text is set; until the user reaches
    // for this one, the text goes in without it.
    // The unit, if any, and the working's exact form are drawn after the
    // value and heard with it, while the label's text, which Ctrl+C copies,
    // stays the number.
    void setAnswer(const QString &text, const Working &working = {}, const Unit *unit = nullptr);
    // Hides QLabel::clear so that an emptied answer leaves the Tab order
    // and loses its working too.
    void clear() { setAnswer(QString()); }
    void setWorking(const Working &working);

    // What the answer is, from its row's caption: "Area", "Perimeter".
    void setQuantity(const QString &caption);
    QString quantity() const { return m_quantity; }
    // "Area = a × b = 3 × 4 = 12.00"; empty while there is no value.
    QString workingText() const;
    const Working &working() const { return m_working; }
    const Unit *unit() const { return m_unit; }
    // What the answer measures, so that "Show In" can offer the units of its kind.
    void setKind(QuantityKind kind) { m_kind = kind; }
    QuantityKind kind() const { return m_kind; }
    // " cm²" after the value; empty without a unit.
    QString unitSuffix() const;
    // What is drawn after the value: its unit and, where the answer has
    // one and it fits, its exact form, " cm²  25π"; empty for neither.
    QString drawnAfter() const;
    // The working's exact form where it says more than the value shown: "25π",
    // not the "5" of 5.00.
    QString exactShown() const;
    // Where that is drawn; empty while nothing is.
    QRect unitRect() const;

    // Shows the working beside the label, as a tooltip is shown.
    void showWorking();

signals:
    void calculationCopyRequested();
    // "Show working" from the context menu: the window decides where.
    void workingRequested();
    // F2 or "Solve From This Answer…": the user will give the value this
    // answer should show.
    void solveRequested();
    // "Add to Composite" (1) or "Cut Out of Composite" (-1), also Ctrl+Shift+A
    // and Ctrl+Shift+X: this answer of the calculation becomes a part.
    void compositeRequested(int sign);
    // "Show In" and a unit: the user wants answers of this kind in it.
    void unitChosen(Zyntra::QuantityKind kind, const Zyntra::Unit *unit);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // A red answer on black takes the theme's ink for it.
    void changeEvent(QEvent *event) override;

private:
    void becomeSelectable();
    bool selectable() const { return textInteractionFlags() & Qt::TextSelectableByMouse; }
    void describe();
    // Makes room for the unit and the exact form after the value: a margin
    // the text stays out of, and a wider label where they would not fit and
    // the label's parent has the room. The form is left out where even that
    // is too little.
    void fitUnit();
    // The same for one text after the value; false where it does not fit.
    bool fitAfter(const QString &after);

    QString m_quantity;
    Working m_working;
    const Unit *m_unit = nullptr;
    QuantityKind m_kind = QuantityKind::Count;
    int m_unitRoom = 0; // the right margin kept for the unit
    int m_widened = 0;  // how much wider than designed the unit made the label
    bool m_formFits = true;
};

} // namespace Zyntra
