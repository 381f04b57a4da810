// What the program includes of the Word objects is their public headers; the engine behind them stays hidden.
#include "word/Word.h"
#include "word/engine/WordInstance.h"
