#pragma once

#include <QLineEdit>

#include <functional>

namespace Zyntra {

// A value field: every typed character goes through the window's
// key-press handler first, which may discard it by setting the code to 0.
// Keys that type no character and pasted text are not filtered.
class ValueField : public QLineEdit {
    Q_OBJECT
public:
    using KeyPressHandler = std::function<void(qint16 &keyAscii)>;

    explicit ValueField(QWidget *parent = nullptr);
    void setKeyPressHandler(KeyPressHandler handler) { m_keyPress = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    KeyPressHandler m_keyPress;
};

} // namespace Zyntra
