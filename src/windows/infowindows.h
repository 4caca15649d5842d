#pragma once

#include "shell/shellwindow.h"

class QLabel;

// The About box: program name, version, what it computes and under which code.
class InfoTremora : public ShellWindow {
    Q_OBJECT
  public:
    InfoTremora(AppContext& context, QWidget* parent);
};

// The maker's contact window: brand, studio, authors, address, e-mail, telephones, web site.
class Lithvane : public ShellWindow {
    Q_OBJECT
  public:
    Lithvane(AppContext& context, QWidget* parent);

    void loadSteps() override;

  private:
    QLabel* m_site;
};
