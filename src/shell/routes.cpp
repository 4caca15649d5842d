#include "shell/routes.h"

#include "shell/forms.h"
#include "shell/shell.h"

namespace routes {

void open(Shell& shell, Forms& forms, const Route& route) {
    shell.setIndicator(route.panel, true);
    shell.setHint(route.hint);
    forms.show(route.window);
}

} // namespace routes
