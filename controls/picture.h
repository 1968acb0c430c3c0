#pragma once

#include <QWidget>

class QSvgRenderer;

namespace Zyntra {

// A fixed drawing from the resources, stretched to its box. Each drawing is
// read once for the whole program and painted from a pixmap made at the
// screen's own scale, so it stays sharp and opening a window stays quick.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString &resource, QWidget *parent = nullptr);

    QString resource() const { return m_resource; }
    // The drawing as read, shared by every picture of the same resource.
    QSvgRenderer *renderer() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
};

} // namespace Zyntra
