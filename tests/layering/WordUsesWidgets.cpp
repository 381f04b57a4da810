// The Word objects and their engine make documents without any window.
#include "word/Word.h"
#include <QWidget>
