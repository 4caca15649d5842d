#include "windows/infowindows.h"
#include "shell/controls.h"
#include "shell/svgicon.h"

#include "shell/maker.h"
#include "windows/messages.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* picture(QWidget* parent, const char* name, int size) {
    auto* p = new QLabel(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setPixmap(svgIcon(QStringLiteral(":/icons/app/tremora.svg")).pixmap(size, size));
    p->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return p;
}

QHBoxLayout* rightAligned(QWidget* button) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    return row;
}
} // namespace

InfoTremora::InfoTremora(AppContext& context, QWidget* parent)
    : ShellWindow(context, parent, QStringLiteral("Informazioni  su Tremora"), panels::about) {
    QLabel* icon = picture(this, "picIcon", 48);
    QLabel* title = label("lblTitle", QStringLiteral("TREMORA"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    title->setFont(titleFont);
    QLabel* version = label("Label2", QStringLiteral("Versione 1.0"));
    QLabel* description =
        label("lblDescription", QStringLiteral("Programma per l'Analisi Statica e Dinamica degli "
                                               "edifici costruiti in zona sismica (D.M. "
                                               "19/06/1984)"));
    description->setWordWrap(true);
    QLabel* disclaimer =
        label("lblDisclaimer", QStringLiteral("Per una corretta visione del programma impostare "
                                              "l'area dello schermo a 800 x 600 pixel"));
    disclaimer->setWordWrap(true);
    QPushButton* ok = button("cmdOK", QStringLiteral("OK"));
    ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setColumnMinimumWidth(1, 320);
    grid->addWidget(icon, 0, 0, 2, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(controls::line(this, "Line1"), 2, 0, 1, 2);
    grid->addWidget(description, 3, 1);
    grid->addWidget(controls::line(this, "Line2"), 4, 0, 1, 2);
    grid->addWidget(disclaimer, 5, 1);
    grid->addLayout(rightAligned(ok), 6, 0, 1, 2);

    connect(ok, &QPushButton::clicked, this, &InfoTremora::closeWindow);
}

Lithvane::Lithvane(AppContext& context, QWidget* parent)
    : ShellWindow(context, parent, QStringLiteral("Corvesta nel web"), panels::contact) {
    QLabel* logo = picture(this, "Picture1", 64);
    QLabel* brand = label("Label1", maker::brand);
    QFont brandFont = brand->font();
    brandFont.setBold(true);
    brandFont.setPointSizeF(brandFont.pointSizeF() * 1.4);
    brand->setFont(brandFont);
    QLabel* studio = label("Label2", maker::studio);
    QLabel* authors = label("Label4", maker::authors);
    QLabel* address = label("Label5", maker::street + QLatin1Char('\n') + maker::city);
    QLabel* email = label("Label6", QStringLiteral("e-mail: ") + maker::email);
    QLabel* phones = label("Label7", QStringLiteral("Tel. ") + maker::phone +
                                         QStringLiteral(" - Cell. ") + maker::mobile);
    m_site = label("Label3", QString());
    for (QLabel* l : {email, phones, m_site})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* ok = button("Command1", QStringLiteral("OK"));
    ok->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setColumnMinimumWidth(1, 300);
    grid->addWidget(logo, 0, 0, 4, 1);
    grid->addWidget(brand, 0, 1);
    grid->addWidget(studio, 1, 1);
    grid->addWidget(authors, 2, 1);
    grid->addWidget(address, 3, 1);
    grid->addWidget(controls::line(this, "Line1"), 4, 0, 1, 2);
    grid->addWidget(email, 5, 1);
    grid->addWidget(phones, 6, 1);
    grid->addWidget(m_site, 7, 1);
    grid->addLayout(rightAligned(ok), 8, 0, 1, 2);

    connect(ok, &QPushButton::clicked, this, &Lithvane::closeWindow);
}

void Lithvane::loadSteps() {
    m_site->setText(QStringLiteral("Visita il nostro sito all'indirizzo:") +
                    QStringLiteral("\r\n") + maker::web);
}
