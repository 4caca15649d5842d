#include "shell/accessibility.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace accessibility {

namespace {

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

QString captionText(const QLabel* caption) {
    QString text = caption->text().simplified();
    while (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

bool isInput(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QListWidget*>(w);
}

// The inputs in (or under) a grid cell.
QList<QWidget*> inputsIn(QWidget* cell) {
    QList<QWidget*> found;
    if (isInput(cell))
        found << cell;
    for (QWidget* w : cell->findChildren<QWidget*>())
        if (isInput(w))
            found << w;
    return found;
}

// Names the inputs found in (or under) a grid cell after the row's caption.
void nameInputs(QWidget* cell, const QString& caption) {
    for (QWidget* w : inputsIn(cell)) {
        if (!w->accessibleName().isEmpty())
            continue;
        QString name = caption;
        if (auto* unit =
                cell->window()->findChild<QLabel*>(w->objectName() + QStringLiteral("_unita")))
            name += QStringLiteral(", ") + unitWords(unit->text());
        w->setAccessibleName(name);
    }
}

} // namespace

void nameControls(QWidget* window) {
    for (QGridLayout* grid : window->findChildren<QGridLayout*>()) {
        // A caption alone on its row names the inputs of the row below (a list under its
        // caption).
        QString above;
        for (int row = 0; row < grid->rowCount(); ++row) {
            // The caption of a row is its first label that ends with a colon.
            QString caption;
            QList<QWidget*> cells;
            for (int column = 0; column < grid->columnCount(); ++column) {
                QLayoutItem* item = grid->itemAtPosition(row, column);
                if (!item || !item->widget() || cells.contains(item->widget()))
                    continue;
                cells << item->widget();
                auto* label = qobject_cast<QLabel*>(item->widget());
                if (caption.isEmpty() && label &&
                    label->text().trimmed().endsWith(QLatin1Char(':')))
                    caption = captionText(label);
            }
            bool inputs = false;
            for (QWidget* cell : cells)
                inputs = inputs || !inputsIn(cell).isEmpty();
            const QString name = caption.isEmpty() ? above : caption;
            if (inputs && !name.isEmpty())
                for (QWidget* cell : cells)
                    nameInputs(cell, name);
            above = inputs ? QString() : caption;
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->text() == QLatin1String("?") && button->accessibleName().isEmpty())
            button->setAccessibleName(QStringLiteral("Guida"));
}

} // namespace accessibility
