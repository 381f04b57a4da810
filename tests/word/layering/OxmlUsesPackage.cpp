// The XML of the parts sits below the package: the package includes it, never the other way round.
#include "word/oxml/DocumentReader.h"
#include "word/package/ZipReader.h"
