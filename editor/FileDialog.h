#pragma once

#include "host/CommDlg.h"

// Shows the multi-select file dialog for request: TRUE when the user picked
// files, FALSE when the user cancelled or the dialog could not be shown.
BOOL ShowOpenFileDialog(OPENFILENAMEA& request);
