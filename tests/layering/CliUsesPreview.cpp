// The command line runs without a window: it writes and prints through the
// output layer, and the preview window is above it.
#include "cli/BatchRun.h"
#include "preview/PreviewWindow.h"
