#include "output/PictureVector.h"

namespace output {

// No vector flavour on Windows: see PictureVector.h.
void addVectorPicture(QMimeData&, const word::DocumentPages&) {}

}  // namespace output
