#include "ProgramInfo.h"

// The resources of a static library must be registered by hand, and from the global namespace.
static void RegisterDialogResources() {
    Q_INIT_RESOURCE(halvard_dialogs);
}

namespace halvard::ui {

QIcon ProgramIcon() {
    static const bool registered = (RegisterDialogResources(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/halvard/halvard.png"));
}

} // namespace halvard::ui
