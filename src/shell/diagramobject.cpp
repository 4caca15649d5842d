#include "shell/diagramobject.h"

#include "core/numtext.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextObjectInterface>
#include <QUrl>
#include <cmath>

namespace diagramobject {

namespace {

constexpr int propKind = QTextFormat::UserProperty + 20;
constexpr int propXTitle = QTextFormat::UserProperty + 21;
constexpr int propYTitle = QTextFormat::UserProperty + 22;
constexpr int propPoints = QTextFormat::UserProperty + 23;
constexpr int propLine = QTextFormat::UserProperty + 24;

// 160 x 90 mm: the width of the text on an A4 page with 20 mm margins, less a little.
constexpr double widthPt = 160.0 / 25.4 * 72.0;
constexpr double heightPt = 90.0 / 25.4 * 72.0;

const QColor barColour(70, 110, 170);
const QColor lineColour(180, 40, 40);

QPolygonF polygon(const std::vector<std::pair<double, double>>& points) {
    QPolygonF out;
    for (const auto& [x, y] : points)
        out << QPointF(x, y);
    return out;
}

std::vector<std::pair<double, double>> pairs(const QPolygonF& polygon) {
    std::vector<std::pair<double, double>> out;
    for (const QPointF& p : polygon)
        out.emplace_back(p.x(), p.y());
    return out;
}

relazione::Figure figureOf(const QTextFormat& format) {
    relazione::Figure f;
    f.kind = relazione::Figure::Kind(format.intProperty(propKind));
    f.xTitle = format.stringProperty(propXTitle);
    f.yTitle = format.stringProperty(propYTitle);
    f.points = pairs(format.property(propPoints).value<QPolygonF>());
    f.line = pairs(format.property(propLine).value<QPolygonF>());
    return f;
}

// A step of 1, 2 or 5 times a power of ten giving about five divisions up to the largest
// value, and the axis's end, a whole number of steps.
std::pair<double, double> niceAxis(double largest) {
    if (!(largest > 0.0) || !std::isfinite(largest))
        return {0.2, 1.0};
    const double rough = largest / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    return {step, std::ceil(largest / step - 1e-9) * step};
}

// A value on an axis with the decimals its step needs.
QString tickText(double value, double step) {
    const int decimals = std::max(0, int(std::ceil(-std::log10(step) - 1e-9)));
    return numtext::fixed(value, decimals);
}

double pageScale(const QTextDocument* document) {
    const QPaintDevice* device = document ? document->documentLayout()->paintDevice() : nullptr;
    return (device ? device->logicalDpiY() : 96) / 72.0;
}

class Handler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
  public:
    using QObject::QObject;
    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat&) override {
        const double scale = pageScale(document);
        return QSizeF(widthPt * scale, heightPt * scale);
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& format) override {
        paint(*painter, rect, figureOf(format));
    }
};

} // namespace

QTextCharFormat format(const relazione::Figure& figure) {
    QTextCharFormat f;
    f.setObjectType(objectType);
    f.setProperty(propKind, int(figure.kind));
    f.setProperty(propXTitle, figure.xTitle);
    f.setProperty(propYTitle, figure.yTitle);
    f.setProperty(propPoints, polygon(figure.points));
    f.setProperty(propLine, polygon(figure.line));
    return f;
}

void install(QTextDocument& document) {
    document.documentLayout()->registerHandler(objectType, new Handler(&document));
}

void paint(QPainter& painter, const QRectF& rect, const relazione::Figure& figure) {
    using Kind = relazione::Figure::Kind;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(rect.height() / 24)));
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double unit = metrics.height();
    const QRectF plot = rect.adjusted(unit * 4.5, unit * 1.5, -unit * 1.0, -unit * 3.0);

    double xMax = 0.0, yMax = 0.0;
    for (const auto* list : {&figure.points, &figure.line})
        for (const auto& [x, y] : *list) {
            xMax = std::max(xMax, x);
            yMax = std::max(yMax, y);
        }
    const auto [xStep, xEnd] = niceAxis(xMax);
    const auto [yStep, yEnd] = niceAxis(yMax * (figure.kind == Kind::StoreyForces ? 1.05 : 1.1));
    const auto at = [&](double x, double y) {
        return QPointF(plot.left() + plot.width() * x / xEnd,
                       plot.bottom() - plot.height() * y / yEnd);
    };

    // Grid, axes and their values.
    const QPen thin(QColor(200, 200, 200), 0);
    const QPen axis(Qt::black, 0);
    for (int i = 0; i * xStep <= xEnd + 1e-9; ++i) {
        const double x = i * xStep;
        painter.setPen(i == 0 ? axis : thin);
        painter.drawLine(at(x, 0), at(x, yEnd));
        painter.setPen(axis);
        const QPointF p = at(x, 0);
        painter.drawText(QRectF(p.x() - unit * 3, p.y() + unit * 0.2, unit * 6, unit),
                         Qt::AlignHCenter | Qt::AlignTop, tickText(x, xStep));
    }
    for (int i = 0; i * yStep <= yEnd + 1e-9; ++i) {
        const double y = i * yStep;
        painter.setPen(i == 0 ? axis : thin);
        painter.drawLine(at(0, y), at(xEnd, y));
        painter.setPen(axis);
        const QPointF p = at(0, y);
        painter.drawText(QRectF(p.x() - unit * 4.3, p.y() - unit / 2, unit * 4, unit),
                         Qt::AlignRight | Qt::AlignVCenter, tickText(y, yStep));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + unit * 1.4, plot.width(), unit * 1.2),
                     Qt::AlignHCenter | Qt::AlignTop, figure.xTitle);
    painter.save();
    painter.translate(rect.left() + unit * 0.1, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), unit * 1.2),
                     Qt::AlignHCenter | Qt::AlignTop, figure.yTitle);
    painter.restore();

    if (figure.kind == Kind::StoreyForces) {
        // Bars a fifth of the smallest height between storeys thick, centred on the storey.
        double gap = figure.points.empty() ? 1.0 : figure.points.front().second;
        for (std::size_t i = 1; i < figure.points.size(); ++i)
            gap = std::min(gap, figure.points[i].second - figure.points[i - 1].second);
        const double half = gap > 0.0 ? gap / 10.0 : yEnd / 100.0;
        painter.setPen(QPen(barColour.darker(130), 0));
        painter.setBrush(barColour);
        for (const auto& [f, h] : figure.points)
            painter.drawRect(QRectF(at(0, h + half), at(f, h - half)));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(lineColour, unit / 8));
        QPolygonF steps;
        for (const auto& [v, z] : figure.line)
            steps << at(v, z);
        painter.drawPolyline(steps);
    } else {
        painter.setPen(QPen(lineColour, unit / 8));
        QPolygonF curve;
        for (const auto& [t, a] : figure.line)
            curve << at(t, a);
        painter.drawPolyline(curve);
        // The building's period: a dashed line up to the curve and a dot on it.
        for (const auto& [t, a] : figure.points) {
            painter.setPen(QPen(barColour, unit / 10, Qt::DashLine));
            painter.drawLine(at(t, 0), at(t, a));
            painter.setPen(QPen(barColour, 0));
            painter.setBrush(barColour);
            painter.drawEllipse(at(t, a), unit / 4, unit / 4);
            painter.setBrush(Qt::NoBrush);
            painter.drawText(at(t, a) + QPointF(unit / 2, -unit / 2), QStringLiteral("T"));
        }
    }

    // The legend, top right inside the plot.
    const QStringList names =
        figure.kind == Kind::StoreyForces
            ? QStringList{QStringLiteral("Forza di piano F"), QStringLiteral("Taglio di piano V")}
            : QStringList{QStringLiteral("Spettro di progetto a/g"),
                          QStringLiteral("Periodo dell'edificio T")};
    double widest = 0.0;
    for (const QString& n : names)
        widest = std::max(widest, metrics.horizontalAdvance(n));
    QPointF corner(plot.right() - widest - unit * 2.5, plot.top() + unit * 0.3);
    painter.setPen(axis);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(corner, QSizeF(widest + unit * 2.3, unit * 2.4)));
    for (int i = 0; i < 2; ++i) {
        const QPointF mark = corner + QPointF(unit * 0.3, unit * (0.3 + 1.0 * i));
        const bool bar = (figure.kind == Kind::StoreyForces) == (i == 0);
        if (bar) {
            painter.setPen(QPen(barColour.darker(130), 0));
            painter.setBrush(barColour);
            painter.drawRect(QRectF(mark + QPointF(0, unit * 0.2), QSizeF(unit * 1.2, unit * 0.6)));
        } else {
            painter.setPen(QPen(lineColour, unit / 8));
            painter.drawLine(mark + QPointF(0, unit / 2), mark + QPointF(unit * 1.2, unit / 2));
        }
        painter.setPen(axis);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(QRectF(mark + QPointF(unit * 1.6, 0), QSizeF(widest + unit, unit)),
                         Qt::AlignLeft | Qt::AlignVCenter, names[i]);
    }
    painter.restore();
}

void replaceWithImages(QTextDocument& document) {
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().objectType() != objectType)
                continue;
            // 300 dots per inch: sharp when printed from the word processor.
            const double scale = 300.0 / 72.0;
            QImage image(QSize(int(widthPt * scale), int(heightPt * scale)), QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                paint(painter, QRectF(QPointF(0, 0), QSizeF(image.size())),
                      figureOf(fragment.charFormat()));
            }
            const QString name = QStringLiteral("diagramma%1.png").arg(++count);
            document.addResource(QTextDocument::ImageResource, QUrl(name), image);
            QTextImageFormat picture;
            picture.setName(name);
            picture.setWidth(widthPt);
            picture.setHeight(heightPt);
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.insertImage(picture);
            // The block's fragments have changed: start it again.
            it = block.begin();
            if (it.atEnd())
                break;
        }
    }
}

} // namespace diagramobject

#include "diagramobject.moc"
