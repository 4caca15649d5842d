#include "shell/svgicon.h"

#include <QFontDatabase>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QSvgRenderer>
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

} // namespace

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
