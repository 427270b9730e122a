#include "app/file_dialog.h"

namespace tallyx {

int ShowSaveDialog(FileDialogRequest&) { return 0; }
int ShowOpenDialog(FileDialogRequest&) { return 0; }

}  // namespace tallyx
