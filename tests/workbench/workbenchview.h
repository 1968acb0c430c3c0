#pragma once

#include "shell/windowview.h"

#include "controls/picture.h"
#include "workbench/frmsquare.h"
#include "workbench/squaremodes.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

// The workbench window as a user sees and drives it: its controls by name,
// what is shown, and typing and clicking the way a user does.
struct WorkbenchView : WindowView<Zyntra::frmSquare> {
    QLabel *label(const char *array, int i) const { return control<QLabel>(QString::fromLatin1(array), i); }
    QLineEdit *field(int i) const { return control<QLineEdit>(QStringLiteral("txtGivenValue"), i); }
    QRadioButton *option(int i) const { return control<QRadioButton>(QStringLiteral("optGivenrect"), i); }
    QString heading() const { return control<QLabel>(QStringLiteral("lblTitle"))->text(); }

    // What a user reads: the captions of the shown options, value fields and result rows.
    QStringList shownOptions() const
    {
        QStringList captions;
        for (int i = 0; i < 3; ++i)
            if (option(i)->isVisible())
                captions << option(i)->text();
        return captions;
    }
    QStringList shownFields() const { return shownFieldsAs(Heard::CaptionOnly); }
    // Each shown value field as "caption|spoken name".
    QStringList shownFieldsAndNames() const { return shownFieldsAs(Heard::CaptionAndName); }
    QStringList shownRows() const
    {
        QStringList captions;
        for (int i = 0; i < Zyntra::ResultRows; ++i) {
            if (label("lblResult", i)->isVisible() != label("lblAnswer", i)->isVisible())
                captions << QStringLiteral("name and answer %1 disagree").arg(i);
            else if (label("lblResult", i)->isVisible())
                captions << label("lblResult", i)->text();
        }
        return captions;
    }
    QStringList shownPictures() const
    {
        QStringList names;
        for (const Zyntra::FigureDrawing *box : Zyntra::workbenchDrawings())
            if (control<Zyntra::Picture>(QString::fromLatin1(box->name))->isVisible())
                names << QString::fromLatin1(box->name);
        return names;
    }
    // The answers of the designed five rows, and of any further row the mode shows.
    QStringList answers() const
    {
        int rows = Zyntra::DesignedRows;
        for (int i = rows; i < Zyntra::ResultRows; ++i)
            if (label("lblAnswer", i)->isVisible())
                rows = i + 1;
        QStringList texts;
        for (int i = 0; i < rows; ++i)
            texts << label("lblAnswer", i)->text();
        return texts;
    }
    QStringList fieldTexts() const
    {
        QStringList texts;
        for (int i = 0; i < 5; ++i)
            texts << field(i)->text();
        return texts;
    }

    void type(int i, const QString &keys)
    {
        field(i)->setFocus();
        QTest::keyClicks(field(i), keys);
    }
    // Types each non-empty entry into the field of its index.
    void typeAll(const QStringList &keys)
    {
        for (int i = 0; i < keys.size(); ++i)
            if (!keys[i].isEmpty())
                type(i, keys[i]);
    }
    void click(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

private:
    enum class Heard { CaptionOnly, CaptionAndName };
    QStringList shownFieldsAs(Heard heard) const
    {
        QStringList captions;
        for (int i = 0; i < 5; ++i) {
            if (label("lblGivenValue", i)->isVisible() != field(i)->isVisible())
                captions << QStringLiteral("caption and field %1 disagree").arg(i);
            else if (field(i)->isVisible())
                captions << (heard == Heard::CaptionAndName
                                 ? label("lblGivenValue", i)->text() + u'|' + field(i)->accessibleName()
                                 : label("lblGivenValue", i)->text());
        }
        return captions;
    }
};
