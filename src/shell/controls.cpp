#include "shell/controls.h"

#include "core/numtext.h"

#include <QAbstractButton>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Some styles (Fusion among them) draw the focused current item with the highlight colour,
// much like a selected one. The current item of a focused list is only where the arrow keys
// start from, so it gets a thin dotted frame instead; selected items draw as the style wants.
class FocusFrameDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool focusOnly =
            (option.state & QStyle::State_HasFocus) && !(option.state & QStyle::State_Selected);
        if (!focusOnly) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        painter->save();
        QPen pen(option.palette.color(QPalette::Text), 0, Qt::DotLine);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
};

} // namespace

namespace controls {

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    // Room around the caption: at least a character's width on each side, and the usual
    // width of a dialog button for short captions ("?", "OK").
    const int padding = 2 * b->fontMetrics().averageCharWidth() + 12;
    b->setMinimumWidth(qMax(80, b->fontMetrics().horizontalAdvance(caption) + padding));
    return b;
}

namespace {
// A list to choose from: Space chooses the item the focus is on (the first when the focus is
// on none). The view's own Space also searches for the next item that starts with a blank
// and chooses that one instead, and the coefficient lists' items do start with one
// (" 1,0", " 1,2").
class ChoiceList : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
            if (QListWidgetItem* chosen = currentItem() ? currentItem() : item(0))
                setCurrentItem(chosen, QItemSelectionModel::ClearAndSelect);
            event->accept();
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};
} // namespace

QListWidget* list(QWidget* parent, const char* name) {
    auto* l = new ChoiceList(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    // Sized to the items, not to the 256-pixel default of a scroll area.
    l->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    l->setItemDelegate(new FocusFrameDelegate(l));
    return l;
}

QFrame* line(QWidget* parent, const char* name) {
    auto* l = new QFrame(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameShape(QFrame::HLine);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

namespace {
const char* const printedProperty = "tremoraPrinted";
} // namespace

void setPrinted(QPlainTextEdit* surface, const QString& text) {
    surface->setProperty(printedProperty, text);
    // The lines that are not empty are aligned as one text, then the empty ones put back.
    QStringList lines = text.split(QLatin1Char('\n'));
    QStringList filled;
    for (const QString& line : std::as_const(lines))
        if (!line.trimmed().isEmpty())
            filled << line;
    const QStringList aligned =
        numtext::alignNumberColumns(filled.join(QLatin1Char('\n'))).split(QLatin1Char('\n'));
    qsizetype next = 0;
    for (QString& line : lines)
        if (!line.trimmed().isEmpty())
            line = aligned.value(next++);
    surface->setPlainText(lines.join(QLatin1Char('\n')));
}

QString printed(const QPlainTextEdit* surface) {
    const QVariant written = surface->property(printedProperty);
    return written.isValid() ? written.toString() : surface->toPlainText();
}

QString text(const QObject* control) {
    if (auto* l = qobject_cast<const QLabel*>(control))
        return l->text();
    if (auto* t = qobject_cast<const QLineEdit*>(control))
        return t->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(control))
        return b->text();
    if (auto* list = qobject_cast<const QListWidget*>(control)) {
        const auto selected = list->selectedItems();
        return selected.isEmpty() ? QString() : selected.first()->text();
    }
    return QString();
}

QList<QWidget*> readingOrder(QWidget* window) {
    QList<QWidget*> found;
    // Only the window's own controls: a window opened from it (the help viewer) is its child
    // object too, but Tab never crosses from one window to another.
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window->window() && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            found << w;
    const auto at = [window](const QWidget* w) { return w->mapTo(window, QPoint(0, 0)); };
    std::stable_sort(found.begin(), found.end(),
                     [&](const QWidget* a, const QWidget* b) { return at(a).y() < at(b).y(); });
    // Controls whose tops lie within a few pixels of the first on a line share the line: a
    // box and a list side by side in a grid row are aligned on their tops, a caption-height
    // apart from the next row.
    constexpr int sameLine = 8;
    for (qsizetype start = 0; start < found.size();) {
        qsizetype end = start + 1;
        while (end < found.size() && at(found[end]).y() - at(found[start]).y() < sameLine)
            ++end;
        std::stable_sort(found.begin() + start, found.begin() + end,
                         [&](const QWidget* a, const QWidget* b) { return at(a).x() < at(b).x(); });
        start = end;
    }
    return found;
}

QList<QWidget*> orderTabs(QWidget* window) {
    const QList<QWidget*> order = readingOrder(window);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return order;
}

void markNumericResult(QWidget* result) {
    result->setProperty("numericResult", true);
}

bool isNumericResult(const QWidget* control) {
    return control->property("numericResult").toBool();
}

} // namespace controls
