#include "ProgramWiring.h"

#include "IsInstalled.h"
#include "Tessaly.h"
#include "entry/Form1.h"
#include "platform/Clipboard.h"
#include "word/PictureSink.h"

void wireProgram(Form1& form1, Tessaly& tessaly)
{
    word::setPictureSink([](const QPicture& picture) { platform::clipboard().setPicture(picture); });
    form1.generateTessaly = [&tessaly] { tessaly.GenerateTessaly(); };
    form1.checkWordPresence = [] { IsInstalled::CheckWordInstalled(); };
}
