#pragma once

#include "controls/figureentry.h"
#include "controls/twips.h"
#include "entry/calculation.h"
#include "entry/measurement.h"
#include "entry/units.h"

#include <QHash>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>
#include <span>

class QGroupBox;
#include <QLabel>

class QRadioButton;

namespace Zyntra {

class AnswerLabel;
class Picture;
class SolveEditor;
class ValueField;

// What a figure window shows of its calculation, as text: captions without
// their "=", texts as shown, and each answer's working.
struct CalculationLine {
    QString caption;
    QString text;
    QString working;
    Working parts; // the same working, as formula, steps and note
    QString unit;  // " cm" after the text in units; empty without
};
struct CalculationSnapshot {
    QString figure;
    QString option;                 // the option in force, as captioned; empty without options
    qint16 optionIndex = 0;         // and its index
    QList<CalculationLine> given;   // the value fields that hold a value
    QList<CalculationLine> answers; // the answers that show a value

    // "a = 3", one a given value.
    QStringList givenLines() const;
    // An answer's working, or "Area = 12.00" where it has none.
    QStringList answerLines() const;
};

// A figure window: a borderless child of the main window's client area.
// Having no frame, title or system menu, the user cannot move, resize or
// close it; only the next figure command (through UnloadCurrentForm) or the
// end of the program closes it.
class FigureWindow : public QWidget {
    Q_OBJECT
public:
    FigureWindow(qint16 formCode, const QString &name, Twips designSize);
    ~FigureWindow() override;

    qint16 formCode() const { return m_formCode; }
    // The size the window is designed at, at the zoom in force, or the
    // larger one its layout asks for.
    QSize designedSize() const { return m_designSize.toPixels().size().expandedTo(minimumSize()); }

    // The label that names the figure: the window is called by its text and
    // a screen reader hears it as a heading. A window without one is
    // called by its accessible name.
    void setHeading(QLabel *heading);
    QLabel *heading() const { return m_heading; }
    void unload();

    // Like a freshly opened window, the figure takes the keyboard where the
    // user starts: its first value field (an option already chosen has
    // nothing to do).
    void focusFirstField();

    // The warning of the last failed calculation, if one is shown.
    QMessageBox *warning() const { return m_warning; }

    // The figure's name: its heading, or the accessible name of a window
    // without one.
    QString figureName() const;
    // The whole calculation as plain text a person can paste into a report:
    // the figure, the option in force, each given value with its caption and
    // each answer with its working, one a line (Ctrl+Shift+C).
    QString calculationText() const;
    CalculationSnapshot snapshot() const;
    void copyCalculation() const;
    // The figure the window shows, as the catalogue declares it; the
    // command that opens the window tells it.
    void setFigure(const FigureEntry *figure) { m_figure = figure; }
    const FigureEntry *figure() const { return m_figure; }
    // The calculation whose answers are shown, by the letters the figure
    // declares; nothing while no answers are shown or zeros stand for them.
    std::optional<FigureValues> values() const;
    // The texts the answers shown were worked from, by field name; none
    // while no answers are shown.
    QHash<QString, QString> calculatedTexts() const;

    // Redoes the calculation that wrote the answers shown, with the texts
    // and option it read then, so that the answers follow a change of the
    // constants or the precision; later edits of the fields play no part.
    // Nothing happens while no answers are shown.
    void recalculate();

    // Works backwards from a shown answer (F2 or its context menu): an
    // editor over it takes the value the answer should show, and Enter
    // changes one given value so that CALCULATE gives it.
    void openSolver(AnswerLabel *answer);
    SolveEditor *solver() const;

signals:
    // After every CALCULATE, CLEAR and option click, once the window has
    // done its part.
    void calculationChanged();
    // After a CALCULATE that wrote answers, a solve's included; never after
    // recalculate(), which only follows a change of choices.
    void calculated();
    // The user asked to see the working of an answer in full.
    void workingRequested();
    // The user made the answer of this index a part of the composite figure,
    // added (1) or cut out (-1).
    void compositePartRequested(int answer, int sign);
    // The user chose units from an answer ("Show In"): the program's choice.
    void unitsRequested(Zyntra::UnitChoice units);

protected:
    QWidget *form() { return this; }
    void notifyChanged();
    // The answers' lines of the calculation text.
    virtual QStringList answerLines() const;

    QLabel *addLabel(QWidget *parent, const QString &name, Twips at, const QString &text);
    // The window's heading, in the larger type of every window's title.
    enum class Slant { Italic, Upright };
    QLabel *addTitle(QWidget *parent, const QString &name, Twips at, const QString &text, Slant slant = Slant::Italic);
    // Captions, frame titles and buttons the design sets in bold; false
    // takes back a bold inherited from a frame.
    static void setBold(QWidget *control, bool bold = true);
    // An answer label, selectable; its row's caption becomes its description.
    enum class AnswerLook { RedOnBlack, Plain };
    AnswerLabel *addAnswer(QWidget *parent, const QString &name, Twips at, const QString &caption,
                           AnswerLook look = AnswerLook::RedOnBlack, const QString &text = QString());
    ValueField *addField(QWidget *parent, const QString &name, Twips at, QLabel *caption,
                         const QString &accessibleName);
    QPushButton *addButton(QWidget *parent, const QString &name, Twips at, const QString &text);
    struct CommandButtons {
        QPushButton *calculate;
        QPushButton *clear;
    };
    // CALCULATE and CLEAR, wired to their handlers. Built after every other
    // control, since they also set up the window's keyboard.
    template <typename Window>
    CommandButtons addCommandButtons(QWidget *parent, Twips calculateAt, Twips clearAt, void (Window::*calculate)(),
                                     void (Window::*clear)())
    {
        const CommandButtons buttons = addCommandButtons(parent, calculateAt, clearAt);
        connect(buttons.calculate, &QPushButton::clicked, static_cast<Window *>(this), calculate);
        connect(buttons.clear, &QPushButton::clicked, static_cast<Window *>(this), clear);
        return buttons;
    }
    QRadioButton *addOption(QWidget *parent, const QString &name, Twips at, const QString &text);
    // `spoken` is what a screen reader calls the group ("Given", "Values", "Results").
    QGroupBox *addFrame(QWidget *parent, const QString &name, Twips at, const QString &spoken);
    Picture *addPicture(QWidget *parent, const QString &name, Twips at, const QString &resource);
    // A figure's drawing, named and described as its entry declares.
    Picture *addDrawing(QWidget *parent, Twips at, const FigureDrawing &drawing);

    // Called once the window's controls exist. Tab follows the reading
    // order of what is shown; answers can be reached to select and copy;
    // Enter in a value field clicks CALCULATE once the field has had the key.
    CommandButtons addCommandButtons(QWidget *parent, Twips calculateAt, Twips clearAt);
    void setUpKeyboard(QPushButton *calculate);

    // Shows what a CALCULATE came to: the answers into the answer labels by
    // index, the zeros through the window's own zero routine, or a warning
    // that sends the focus back to the field to mend (in a window of one
    // field, always that field). Answers or zeros close a warning left open
    // by an earlier CALCULATE, since it no longer holds. True when answers
    // or zeros were written.
    bool showOutcome(const Outcome &outcome, std::span<AnswerLabel *const> answers, std::span<ValueField *const> fields,
                     const std::function<void()> &zeroAnswer = {});

    // CALCULATE: reads the texts of the value fields, by index, and hands
    // them to the figure's calculation, which shows the outcome and returns
    // true when it wrote answers or zeros. Then the calculation, with the
    // option it captured, and the texts are kept: recalculate() repeats
    // them, and the snapshot gives them as the values the answers came from.
    using Calculation = std::function<bool(const QStringList &fieldTexts)>;
    void calculate(std::span<ValueField *const> fields, const Calculation &calculation);

    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Tells the user why a calculation stopped, without blocking, and puts
    // the focus back on the field to mend.
    void showFailure(const Failure &failure, QWidget *field, const QString &fieldName);
    void closeWarning();
    bool showsAnswers() const;
    // What the given values of an option measure; none for a window without its figure.
    std::span<const Quantity> givenQuantities(qint16 option) const;
    // The fields' texts as the calculation reads them, each value typed with
    // a unit of its own converted once; nullopt, with a warning naming the
    // field, where one does not read as a value of its kind.
    std::optional<ProgramValues> readFields(std::span<ValueField *const> fields, const QStringList &texts,
                                            qint16 option);
    // What the answers of the option in force measure; none for a window without its figure.
    std::span<const Quantity> answerQuantities() const;
    // The unit a given value is read in: the length unit, its square or cube.
    QString givenUnit(const ValueField *field) const;
    // What the given value of a field is called on screen, without " =".
    QString fieldCaption(const ValueField *field) const;
    SolveProblem solveProblem(int answer) const;
    void solveFromAnswer(AnswerLabel *answer, const QString &target, int field);
    // The working of a value found by solving, while its field still holds it.
    const Working *solvedWorking(int field, const QString &text) const;
    // A solved value's working stands for the answer that repeats it.
    void showSolvedWorking();
    // The text the shown answers came from, or the field's own while none are shown.
    QString givenText(const ValueField *field) const;

    qint16 m_formCode;
    Twips m_designSize;
    bool m_unloading = false;
    QPointer<QMessageBox> m_warning;
    QPointer<QLabel> m_heading;
    // The last calculation that wrote answers, and the fields and texts it read.
    Calculation m_lastCalculation;
    QList<ValueField *> m_lastFields;
    QStringList m_lastTexts;
    ProgramValues m_lastRead; // the same as the calculation read them
    qint16 m_lastOption = 0;
    // What the last CALCULATE showed, and where.
    Outcome m_shown;
    QList<AnswerLabel *> m_shownIn;
    const FigureEntry *m_figure = nullptr;
    QMetaObject::Connection m_refocus;
    QPointer<QPushButton> m_calculate;
    QPointer<SolveEditor> m_solver;
    struct Solved {
        QPointer<ValueField> field;
        QString text;
        Working working;
    };
    Solved m_solved;
};

// A screen reader hears the label as a heading.
void markAsHeading(QLabel *label);

// "txtGivenValue" and 2 make "txtGivenValue(2)".
QString arrayName(const QString &name, int index);

} // namespace Zyntra
