#pragma once

#include <QLineEdit>

#include <functional>

namespace Zyntra {

// A value field: every typed character goes through the window's
// key-press handler first, which may discard it by setting the code to 0.
// Keys that type no character and pasted text are not filtered.
// It draws its own sunken border, which turns to the highlight colour while
// the field has the keyboard: the style's rounded frame costs more to paint
// than the rest of the field.
class ValueField : public QLineEdit {
    Q_OBJECT
public:
    using KeyPressHandler = std::function<void(qint16 &keyAscii)>;

    explicit ValueField(QWidget *parent = nullptr);
    void setKeyPressHandler(KeyPressHandler handler) { m_keyPress = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int BorderWidth = 2;
    KeyPressHandler m_keyPress;
};

} // namespace Zyntra
