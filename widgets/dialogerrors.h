#pragma once

#include <QString>

// The message for an error number of the common dialogs. The table is
// keyed by the dialog control's own error numbers; an extended error code
// of the platform (what ErrNumber holds) is first translated to its key.
QString commonDialogErrorDescription(qint32 errNumber);
