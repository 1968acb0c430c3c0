#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <functional>
#include <optional>

namespace Zyntra {

// A value field: every typed character goes through the window's
// key-press handler first, which may discard it by setting the code to 0.
// Keys that type no character and pasted text are not filtered.
// It holds at most MaxValueLength characters: a paste or drop that would
// make it longer is refused whole, and pasteRefused() says so.
// It draws its own sunken border, which turns to the highlight colour while
// the field has the keyboard: the style's rounded frame costs more to paint
// than the rest of the field. A value typed with a unit of its own is
// described in words ("5 feet 3 and a half inches").
class ValueField : public QLineEdit {
    Q_OBJECT
public:
    using KeyPressHandler = std::function<void(qint16 &keyAscii)>;

    explicit ValueField(QWidget *parent = nullptr);
    void setKeyPressHandler(KeyPressHandler handler) { m_keyPress = std::move(handler); }

signals:
    // A paste or drop of this many characters was refused; the field is as it was.
    void pasteRefused(qsizetype length);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The one check every way in goes through: whether `incoming` characters
    // fit, put in over the selection or beside it. When they do not, the
    // field says so and nothing may change.
    bool admits(qsizetype incoming, bool overSelection);
    bool admitsClipboard(QClipboard::Mode mode, bool overSelection);
    bool middleButtonPastes(const QMouseEvent *event) const;

    static constexpr int BorderWidth = 2;
    KeyPressHandler m_keyPress;
    // Where the cursor and selection were when a drag came in: a drag moves
    // the cursor as it passes, and a refused drop puts them back.
    struct Place {
        int cursor;
        int selectionStart;
        int selectionLength;
    };
    std::optional<Place> m_beforeDrag;
    // Whether the description holds the typed value in words, which a new text replaces.
    bool m_spokenShown = false;
};

} // namespace Zyntra
