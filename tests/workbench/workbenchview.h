#pragma once

#include "shell/shellfixture.h"

#include "controls/globalsubs.h"
#include "controls/picture.h"
#include "workbench/frmsquare.h"
#include "workbench/squaremodes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

// The workbench window as a user sees and drives it: its controls by name,
// what is shown, and typing and clicking the way a user does.
struct WorkbenchView {
    std::unique_ptr<ShellFixture> m_program;
    Zyntra::frmSquare *m_window = nullptr;

    void startProgram() { m_program = std::make_unique<ShellFixture>(); }
    void closeProgram()
    {
        m_program.reset();
        m_window = nullptr;
        Zyntra::intSquareMode = 0;
    }

    Zyntra::frmSquare *open(const QString &menuItem)
    {
        m_window = m_program->open<Zyntra::frmSquare>(menuItem);
        if (m_window)
            (void)QTest::qWaitForWindowExposed(m_window);
        return m_window;
    }

    template <typename T>
    T *control(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    QLabel *label(const char *array, int i) const
    {
        return control<QLabel>(Zyntra::arrayName(QString::fromLatin1(array), i));
    }
    QLineEdit *field(int i) const { return control<QLineEdit>(Zyntra::arrayName(QStringLiteral("txtGivenValue"), i)); }
    QRadioButton *option(int i) const
    {
        return control<QRadioButton>(Zyntra::arrayName(QStringLiteral("optGivenrect"), i));
    }
    QPushButton *button(const char *name) const { return control<QPushButton>(QString::fromLatin1(name)); }
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
        for (int i = 0; i < 5; ++i) {
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
        for (const Zyntra::PictureBox &box : Zyntra::PictureBoxes)
            if (control<Zyntra::Picture>(QString::fromLatin1(box.name))->isVisible())
                names << QString::fromLatin1(box.name);
        return names;
    }
    QStringList answers() const
    {
        QStringList texts;
        for (int i = 0; i < 5; ++i)
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
    void calculate() { QTest::mouseClick(button("cmdCalculate"), Qt::LeftButton); }

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
