#pragma once

// The Word automation objects the program uses, all in one include.
#include "word/Application.h"
#include "word/AutomationError.h"
#include "word/Cells.h"
#include "word/Column.h"
#include "word/Document.h"
#include "word/Documents.h"
#include "word/Font.h"
#include "word/Messages.h"
#include "word/ParagraphFormat.h"
#include "word/PictureSink.h"
#include "word/Range.h"
#include "word/Selection.h"
#include "word/Shading.h"
#include "word/Table.h"
#include "word/Tables.h"
#include "word/Window.h"
