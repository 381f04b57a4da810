#include "preview/PictureVector.h"

namespace preview {

// No vector flavour on Windows: see PictureVector.h.
void addVectorPicture(QMimeData&, const word::DocumentPages&) {}

}  // namespace preview
