#include "picture.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace Zyntra {

namespace {

// A screen reader says "graphic" with the drawing's name.
QAccessibleInterface *accessibleDrawing(const QString &, QObject *object)
{
    auto *picture = qobject_cast<Picture *>(object);
    return picture ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
}

} // namespace

Picture::Picture(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
{
    [[maybe_unused]] static const bool spoken = [] {
        QAccessible::installFactory(accessibleDrawing);
        return true;
    }();
}

QSvgRenderer *Picture::renderer() const
{
    static QHash<QString, QSvgRenderer *> renderers;
    QSvgRenderer *&renderer = renderers[m_resource];
    if (!renderer)
        renderer = new QSvgRenderer(m_resource, QCoreApplication::instance());
    return renderer;
}

void Picture::paintEvent(QPaintEvent *)
{
    const qreal scale = devicePixelRatioF();
    const QString key = QStringLiteral("%1@%2x%3x%4").arg(m_resource).arg(width()).arg(height()).arg(scale);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap(size() * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer()->render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
        painter.end();
        QPixmapCache::insert(key, pixmap);
    }
    QPainter(this).drawPixmap(0, 0, pixmap);
}

} // namespace Zyntra
