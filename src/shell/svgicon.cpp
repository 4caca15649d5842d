#include "shell/svgicon.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QSet>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QWidget>
#include <functional>
#include <memory>

namespace {

class LazySvgEngine : public QIconEngine {
  public:
    explicit LazySvgEngine(const QString& path) : m_path(path) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(
            rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const quint64 key =
            (quint64(size.width()) << 32) | (quint64(size.height()) << 2) | quint64(mode);
        auto it = m_pixmaps.constFind(key);
        if (it != m_pixmaps.constEnd())
            return it.value();
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_path);
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            m_renderer->render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        if (mode == QIcon::Disabled) {
            // A disabled command shows its icon greyed and faded.
            QImage image = pm.toImage().convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    const int grey = qGray(line[x]);
                    line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 3);
                }
            }
            pm = QPixmap::fromImage(image);
        }
        m_pixmaps.insert(key, pm);
        return pm;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new LazySvgEngine(m_path); }
    QString key() const override { return QStringLiteral("tremora-svg"); }

  private:
    QString m_path;
    std::unique_ptr<QSvgRenderer> m_renderer;
    QHash<quint64, QPixmap> m_pixmaps;
};

// An icon made by the first request that needs its images; everything is then asked of it.
class DeferredIconEngine : public QIconEngine {
  public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString iconName() override { return icon().name(); }
    QIconEngine* clone() const override {
        return m_made ? new DeferredIconEngine([i = m_icon] { return i; })
                      : new DeferredIconEngine(m_make);
    }
    QString key() const override { return QStringLiteral("tremora-deferred"); }

  private:
    const QIcon& icon() {
        if (!m_made) {
            m_icon = m_make();
            m_made = true;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
    bool m_made = false;
};

class DeferredIconStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option,
                       const QWidget* widget) const override {
        const bool extension = pixmap == SP_ToolBarHorizontalExtensionButton ||
                               pixmap == SP_ToolBarVerticalExtensionButton;
        // The arrow depends only on the direction, the option's or else the application's; a
        // widget of its own direction makes it ambiguous, and it is then made at once.
        const Qt::LayoutDirection app = QGuiApplication::layoutDirection();
        if (!extension || (!option && widget && widget->layoutDirection() != app))
            return QProxyStyle::standardIcon(pixmap, option, widget);
        QStyleOption direction;
        direction.direction = option ? option->direction : app;
        return QIcon(new DeferredIconEngine([this, pixmap, direction] {
            return baseStyle()->standardIcon(pixmap, &direction, nullptr);
        }));
    }
};

} // namespace

QStyle* deferredIconStyle() {
    return new DeferredIconStyle;
}

QIcon svgIcon(const QString& resourcePath) {
    static QHash<QString, QIcon> icons;
    auto it = icons.constFind(resourcePath);
    if (it != icons.constEnd())
        return it.value();
    QIcon icon(new LazySvgEngine(resourcePath));
    icons.insert(resourcePath, icon);
    return icon;
}

QString installedFamily(const QStringList& families) {
    // The installed families are listed once; asking the font database family by family would
    // have fontconfig work out the aliases of each absent Windows family, which start-up pays
    // for every window font.
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (const QString& family : QFontDatabase::families()) {
            // A family found under several foundries is listed as "Family [Foundry]".
            const qsizetype foundry = family.indexOf(QLatin1String(" ["));
            names.insert((foundry < 0 ? family : family.left(foundry)).toCaseFolded());
        }
        return names;
    }();
    for (const QString& family : families)
        if (installed.contains(family.toCaseFolded()))
            return family;
    return families.isEmpty() ? QString() : families.constLast();
}
