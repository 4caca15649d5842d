#include "windows/selection.h"

#include "shell/controls.h"
#include "shell/routes.h"
#include "shell/shell.h"
#include "windows/messages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QString selectionHint =
    QStringLiteral("Consente di personalizzare il tipo di analisi da effettuare");
const QString staticItem = QStringLiteral("Analisi Statica");
const QString dynamicItem = QStringLiteral("Analisi Dinamica");

SelectionWindow::Routes masonryRoutes() {
    return {QStringLiteral("Analisi Statica e Dinamica - Edifici in muratura"),
            panels::masonry,
            QStringLiteral("Forze Orizzontali"),
            QStringLiteral("Forze Verticali"),
            QStringLiteral("forzeorizzontali"),
            QStringLiteral("forzeverticali"),
            routes::masonryDynamic};
}

SelectionWindow::Routes framedRoutes() {
    return {QStringLiteral("Analisi Statica e Dinamica - Edifici intelaiati"),
            panels::framed,
            QStringLiteral("Azioni Orizzontali"),
            QStringLiteral("Azioni Verticali"),
            QStringLiteral("azioniorizzontali"),
            QStringLiteral("azioniverticali"),
            routes::framedDynamic};
}
} // namespace

SelectionWindow::SelectionWindow(AppContext& context, QWidget* parent, const Routes& routes)
    : ShellWindow(context, parent, routes.title, routes.indicatorPanel), m_routes(routes) {
    m_list = controls::list(this, "List1");
    m_analysisCaption =
        label("Label1", QStringLiteral("Selezionare il tipo di analisi da effettuare:"));
    m_forceCaption = label("Label2", QStringLiteral("Selezionare il tipo di forza:"));
    m_forceCaption->setVisible(false);
    m_horizontal = new QRadioButton(routes.horizontalCaption, this);
    m_horizontal->setObjectName(QStringLiteral("Option2"));
    m_horizontal->setVisible(false);
    m_vertical = new QRadioButton(routes.verticalCaption, this);
    m_vertical->setObjectName(QStringLiteral("Option3"));
    m_vertical->setVisible(false);
    QPushButton* cancel = button("Command1", QStringLiteral("Annulla"));

    auto* body = new QVBoxLayout(this);
    body->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    // The two captions share one place: only one of them shows at a time.
    grid->addWidget(m_analysisCaption, 0, 0, 1, 2);
    grid->addWidget(m_forceCaption, 0, 0, 1, 2);
    grid->addWidget(m_list, 1, 0, 2, 1);
    grid->addWidget(m_horizontal, 1, 1);
    grid->addWidget(m_vertical, 2, 1);
    grid->setColumnMinimumWidth(1, 150);
    body->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    body->addLayout(buttons);

    // A choice is a selected item (a click or the arrow keys); the list getting the focus
    // only moves the cursor and chooses nothing.
    connect(m_list, &QListWidget::itemSelectionChanged, this, &SelectionWindow::listChosen);
    connect(m_horizontal, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            openStatic(m_routes.horizontalWindow);
    });
    connect(m_vertical, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            openStatic(m_routes.verticalWindow);
    });
    connect(cancel, &QPushButton::clicked, this, &SelectionWindow::closeWindow);
}

void SelectionWindow::loadSteps() {
    ctx.shell.setIndicator(indicatorPanel(), true);
    ctx.shell.setHint(selectionHint);
    m_list->addItems({staticItem, dynamicItem});
    m_list->setFixedHeight(m_list->sizeHintForRow(0) * 2 + 2 * m_list->frameWidth() + 4);
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 12);
}

void SelectionWindow::listChosen() {
    const auto selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_list->row(selected.constFirst());
    if (row == 0) {
        m_horizontal->setVisible(true);
        m_vertical->setVisible(true);
        m_analysisCaption->setVisible(false);
        m_forceCaption->setVisible(true);
    } else if (row == 1) {
        openDynamic();
    }
}

// The selection window is gone (unloaded, its status reset done) before the chosen window
// opens, so nothing of this object is touched after closeWindow().
void SelectionWindow::openStatic(const QString& window) {
    AppContext& context = ctx;
    closeWindow();
    context.forms.show(window);
}

void SelectionWindow::openDynamic() {
    AppContext& context = ctx;
    const Route dynamic = m_routes.dynamic;
    closeWindow();
    routes::open(context.shell, context.forms, dynamic);
}

Selmur::Selmur(AppContext& context, QWidget* parent)
    : SelectionWindow(context, parent, masonryRoutes()) {}

Selint::Selint(AppContext& context, QWidget* parent)
    : SelectionWindow(context, parent, framedRoutes()) {}
