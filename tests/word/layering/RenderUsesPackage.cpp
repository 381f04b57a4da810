// The renderer knows nothing of packages.
#include "word/render/DocumentRenderer.h"
#include "word/package/PackageWriter.h"
