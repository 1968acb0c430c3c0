#include "zoom.h"

#include "twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLayout>
#include <QProxyStyle>
#include <QVariant>
#include <QWidget>

#include <cmath>
#include <vector>

namespace Zyntra {

namespace {

double inForce = 1.0;

// What rescale() set last and what it stood for at actual size, so that
// going up and down the steps never drifts; a value changed since by the
// window's own code is taken as laid out at the zoom it was changed at.
const char *const DesignRect = "zyntraDesignRect";
const char *const ShownRect = "zyntraShownRect";
const char *const DesignFont = "zyntraDesignFont";
const char *const ShownFont = "zyntraShownFont";
const char *const DesignSection = "zyntraDesignSection";
const char *const ShownSection = "zyntraShownSection";
const char *const DesignColumns = "zyntraDesignColumns";
const char *const ShownColumns = "zyntraShownColumns";

template <typename Value, typename Design>
Design designOf(const QWidget *widget, const char *designKey, const char *shownKey, const Value &now, Design fromNow)
{
    if (widget->property(shownKey).value<Value>() == now && widget->property(designKey).isValid())
        return widget->property(designKey).value<Design>();
    return fromNow;
}

QRect scaled(const QRectF &design, double to)
{
    const auto at = [to](double v) { return int(std::lround(v * to)); };
    return QRect(QPoint(at(design.left()), at(design.top())), QPoint(at(design.right()) - 1, at(design.bottom()) - 1));
}

// Controls placed by hand: the children of the window and of its frames.
bool placesByHand(const QWidget *container, const QWidget *window)
{
    return !container->layout()
           && (container == window || qobject_cast<const QGroupBox *>(container)
               || container->metaObject() == &QWidget::staticMetaObject);
}

struct Change {
    QWidget *widget;
    QRectF designRect;
    bool moves;
    double designFont; // points, or pixels for a font sized in pixels; 0 for an inherited font
};

void collect(QWidget *widget, QWidget *window, double from, Rescale what, std::vector<Change> &changes)
{
    Change change{widget, {}, false, 0};
    if (what == Rescale::Geometry && widget != window && placesByHand(widget->parentWidget(), window)) {
        change.moves = true;
        change.designRect =
            designOf(widget, DesignRect, ShownRect, widget->geometry(),
                     QRectF(QRectF(widget->geometry()).topLeft() / from, QRectF(widget->geometry()).size() / from));
    }
    if (widget == window || widget->testAttribute(Qt::WA_SetFont)) {
        const QFont font = widget->font();
        const double now = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
        change.designFont = designOf(widget, DesignFont, ShownFont, now, now / from);
    }
    changes.push_back(change);
    for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            collect(child, window, from, what, changes);
}

// The rows of a table grow with their text, and so do its columns.
void rescaleSections(QWidget *window, double from, double to)
{
    for (QHeaderView *header : window->findChildren<QHeaderView *>()) {
        QList<int> columns;
        QList<double> columnsAtActualSize;
        // The last column, where it takes the room left, grows with the window.
        const int sized = header->count() - (header->stretchLastSection() ? 1 : 0);
        for (int i = 0; header->orientation() == Qt::Horizontal && i < sized; ++i) {
            columns << header->sectionSize(i);
            columnsAtActualSize << columns.last() / from;
        }
        const QList<double> designColumns = designOf(header, DesignColumns, ShownColumns, columns, columnsAtActualSize);
        const int now = header->defaultSectionSize();
        const double design = designOf(header, DesignSection, ShownSection, now, now / from);
        const int size = int(std::lround(design * to));
        header->setDefaultSectionSize(size);
        header->setProperty(DesignSection, design);
        header->setProperty(ShownSection, size);
        // A new default size lays every column out anew: each gets its own back, grown.
        columns.clear();
        for (qsizetype i = 0; i < designColumns.size(); ++i) {
            header->resizeSection(int(i), int(std::lround(designColumns[i] * to)));
            columns << header->sectionSize(int(i));
        }
        header->setProperty(DesignColumns, QVariant::fromValue(designColumns));
        header->setProperty(ShownColumns, QVariant::fromValue(columns));
    }
}

// The application's style, with its marks measured at the zoom in force.
class ZoomedStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int measure = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
            return int(std::lround(measure * zoom()));
        default:
            return measure;
        }
    }
};

} // namespace

void drawMarksAtZoom()
{
    if (!dynamic_cast<const ZoomedStyle *>(QApplication::style()))
        QApplication::setStyle(new ZoomedStyle);
}

double zoom()
{
    return inForce;
}

double validZoom(double zoom)
{
    const double steps = (zoom - MinZoom) / ZoomStep;
    if (!(zoom >= MinZoom && zoom <= MaxZoom) || std::abs(steps - std::round(steps)) > 1e-9)
        return MinZoom;
    return zoom;
}

void setZoom(double zoom)
{
    inForce = validZoom(zoom);
}

void rescale(QWidget *window, double from, double to, Rescale what)
{
    if (from == to)
        return;
    std::vector<Change> changes;
    collect(window, window, from, what, changes);
    for (const Change &change : changes) {
        QWidget *widget = change.widget;
        if (change.designFont > 0) {
            QFont font = widget->font();
            const double size = change.designFont * to;
            font.pointSizeF() > 0 ? font.setPointSizeF(size) : font.setPixelSize(std::max(1, int(std::lround(size))));
            widget->setFont(font);
            widget->setProperty(DesignFont, change.designFont);
            widget->setProperty(ShownFont, font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize());
        }
        if (change.moves) {
            const QRect rect = scaled(change.designRect, to);
            widget->setGeometry(rect);
            widget->setProperty(DesignRect, change.designRect);
            widget->setProperty(ShownRect, rect);
        }
    }
    if (what == Rescale::Geometry) {
        rescaleSections(window, from, to);
        const double ratio = to / from;
        const auto times = [ratio](QSize size) {
            return QSize(int(std::lround(size.width() * ratio)), int(std::lround(size.height() * ratio)));
        };
        if (window->maximumSize() != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX))
            window->setMaximumSize(times(window->maximumSize()).boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
        if (!window->minimumSize().isNull())
            window->setMinimumSize(times(window->minimumSize()));
        if (window->isWindow())
            window->resize(times(window->size()));
    }
}

} // namespace Zyntra
