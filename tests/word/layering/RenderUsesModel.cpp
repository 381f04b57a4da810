// The renderer draws the document model: it may include the model.
#include "word/model/DocumentModel.h"
#include "word/render/DocumentRenderer.h"
