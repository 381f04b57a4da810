#pragma once

#include "ServedObject.h"

#include "word/Application.h"

namespace server {

// A new Word.Application object of the server: an instance of Dorvane's
// built-in engine behind it. `onQuit` runs when the client quits it.
ServedObject* servedApplication(word::Application application, void (*onQuit)());

}  // namespace server
