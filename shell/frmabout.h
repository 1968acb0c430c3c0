#pragma once

#include <QDialog>

class QLabel;

namespace Zyntra {

// The About window: a top-level window of its own, left alone by the
// figure commands.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *owner);

    void cmdOK_Click();

protected:
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    // The title and the button, in the language in force.
    void sayTexts();
    // The face in the active-border colour of the theme in force.
    void paintFace();

    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label4;
    QLabel *m_label5;
};

} // namespace Zyntra
