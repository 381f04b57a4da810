#include "windowoutput/PictureVector.h"

namespace windowoutput {

// No vector flavour on Windows: see PictureVector.h.
void addVectorPicture(QMimeData&, const word::DocumentPages&) {}

}  // namespace windowoutput
