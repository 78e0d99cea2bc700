#include "Resources.h"

#include <QtGlobal>

// Outside any namespace, as the resource initialisers are declared.
static void initOrnadeckResources() {
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(help);
}

namespace ornadeck::app {

void loadResources() {
    static const bool once = (initOrnadeckResources(), true);
    (void)once;
}

} // namespace ornadeck::app
