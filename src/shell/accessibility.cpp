#include "shell/accessibility.h"

#include "core/fields.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>

namespace accessibility {

namespace {

// The name this code gave a control, so that it can be given again when the caption
// changes; a name that differs from it was set by hand and stays.
const char* const givenNameProperty = "nomeAutomatico";

// The unit beside a box, in words: a screen reader says "metri", not "m".
QString unitWords(const QString& unit) {
    if (unit == QLatin1String("tonn"))
        return QStringLiteral("tonnellate");
    if (unit == QLatin1String("m"))
        return QStringLiteral("metri");
    if (unit == QLatin1String("sec"))
        return QStringLiteral("secondi");
    if (unit == QLatin1String("cm"))
        return QStringLiteral("centimetri");
    return unit;
}

// A caption ends with a colon ("Peso della Struttura (W):"); a tag in front of a box
// ("ε =", "ø =") does not.
bool isCaption(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && label->isVisible() && label->text().trimmed().endsWith(QLatin1Char(':'));
}

QString captionText(const QLabel* caption) {
    QString text = caption->text().simplified();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('=')))
        text.chop(1);
    return text.trimmed();
}

bool isNamed(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QListWidget*>(w) ||
           qobject_cast<const ResultLabel*>(w);
}

QWidget* widgetAt(const QGridLayout* grid, int row, int column) {
    QLayoutItem* item = grid->itemAtPosition(row, column);
    return item ? item->widget() : nullptr;
}

// The widgets a grid cell holds: its widget or the widgets of its layout, with everything
// inside them.
QList<QWidget*> widgetsIn(QLayoutItem* item) {
    QList<QWidget*> found;
    if (QWidget* w = item->widget()) {
        found << w << w->findChildren<QWidget*>();
    } else if (QLayout* layout = item->layout()) {
        for (int i = 0; i < layout->count(); ++i)
            found << widgetsIn(layout->itemAt(i));
    }
    return found;
}

// The caption of the grid cell at row, column: the caption to its left on the same row
// (captions before values), else the caption right above it (captions over values), else
// the tag in front of the value ("ε =").
// The caption a cell shows: the cell itself, or a caption inside it (a caption with a tag
// after it, in one cell).
const QLabel* captionIn(const QWidget* cell) {
    if (!cell)
        return nullptr;
    if (isCaption(cell))
        return static_cast<const QLabel*>(cell);
    for (const QLabel* label : cell->findChildren<QLabel*>())
        if (isCaption(label))
            return label;
    return nullptr;
}

QString captionOf(const QGridLayout* grid, int row, int column, const QList<QWidget*>& cell) {
    QWidget* left = nullptr;
    for (int c = column - 1; c >= 0 && !left; --c)
        if (QWidget* w = widgetAt(grid, row, c); w && !cell.contains(w))
            left = w;
    if (const QLabel* caption = captionIn(left))
        return captionText(caption);
    if (const QLabel* caption = captionIn(row > 0 ? widgetAt(grid, row - 1, column) : nullptr))
        return captionText(caption);
    for (QWidget* w : cell)
        if (auto* tag = qobject_cast<QLabel*>(w);
            tag && !isNamed(tag) && !tag->objectName().endsWith(QLatin1String("_unita")) &&
            !tag->text().isEmpty())
            return captionText(tag);
    if (auto* tag = qobject_cast<QLabel*>(left); tag && !tag->text().isEmpty())
        return captionText(tag);
    return QString();
}

void give(QWidget* control, const QString& caption) {
    const QString given = control->property(givenNameProperty).toString();
    if (!control->accessibleName().isEmpty() && control->accessibleName() != given)
        return;
    QString name = caption;
    if (auto* unit =
            control->window()->findChild<QLabel*>(control->objectName() + QStringLiteral("_unita")))
        name += QStringLiteral(", ") + unitWords(unit->text());
    control->setAccessibleName(name);
    control->setProperty(givenNameProperty, name);
}

// A result is read as a value under the name of its caption.
class ResultInterface : public QAccessibleWidget {
  public:
    explicit ResultInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* resultFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ResultLabel"))
        return new ResultInterface(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void nameControls(QWidget* window) {
    // A value of the window's table of values is named after the caption the table gives it.
    QSet<const QWidget*> named;
    for (const fields::Field* field : fields::ofWindow(window->objectName())) {
        if (!field->control || !field->captionControl)
            continue;
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(field->control));
        auto* caption = window->findChild<QLabel*>(QString::fromLatin1(field->captionControl));
        if (!control || !isNamed(control) || !caption || caption->isHidden() ||
            captionText(caption).isEmpty())
            continue;
        give(control, captionText(caption));
        named.insert(control);
    }
    // Any other by where it stands: its caption to the left, above, or the tag before it.
    for (QGridLayout* grid : window->findChildren<QGridLayout*>()) {
        for (int i = 0; i < grid->count(); ++i) {
            const QList<QWidget*> cell = widgetsIn(grid->itemAt(i));
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            for (QWidget* control : cell)
                if (isNamed(control) && !named.contains(control))
                    give(control, captionOf(grid, row, column, cell));
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text() == QLatin1String("?") && button->accessibleName().isEmpty())
            button->setAccessibleName(QStringLiteral("Guida"));
}

} // namespace accessibility

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibility::resultFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setTextFormat(Qt::PlainText);
}
