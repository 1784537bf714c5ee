#include "platform/widgets/page_setup_printer_setup.h"

#include <QPageSetupDialog>

namespace korven {

void PageSetupPrinterSetup::showPrinterSetup() {
    QPageSetupDialog dialog(&printer_, parent_);
    dialog.exec();
}

} // namespace korven
