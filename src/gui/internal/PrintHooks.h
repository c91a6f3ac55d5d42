#pragma once

// Only for gui/ and its tests: stand-ins for a person answering the printing dialogs.

#include <QPageLayout>
#include <QPrinter>
#include <functional>

namespace gui::hooks {

// Called in place of the page-setup dialog with the setup to edit; answers whether the user confirmed. As
// with the dialog, the edits are kept only when confirmed.
extern std::function<bool(QPageLayout& layout)> pageSetupDialog;
// Called in place of the print dialog; `withSetup` tells whether a confirmed page setup was handed in.
extern std::function<bool(QPrinter& printer, bool withSetup)> printDialog;

}  // namespace gui::hooks
