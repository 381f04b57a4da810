#pragma once

#include "app/Program.h"
#include "ScriptedPlatform.h"
#include "word/RecordingEngine.h"
#include "word/model/DocumentModel.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace preview {
class PreviewWindow;
}

// The whole program in a private TEMP folder, for the road from Start to the
// preview window and back: both windows wired as the executable wires them,
// scripted message boxes and clipboard, a recording Word engine, and a
// recorded program end. The entry window is loaded and shown.
class PlannerScene {
public:
    PlannerScene();
    ~PlannerScene();

    // Types number and name into row `row` of day page `page`.
    void type(int page, int row, const QString& number, const QString& name);
    // Presses Start with `title` in the title box.
    void start(const QString& title = QStringLiteral("Week 1"));

    entry::EntryWindow& form() { return program.entryWindow(); }
    // The preview window; fails the test while there is none yet.
    preview::PreviewWindow& preview();
    // The document the preview holds, read back from its file.
    word::model::DocumentModel document();
    // File names in the TEMP folder.
    QStringList temporaryFiles() const;

    QTemporaryDir temp;
    ScriptedMessageBoxes boxes;
    ScriptedClipboard clipboard;
    RecordingProgramExit programExit;
    std::shared_ptr<word::RecordingEngine> engine = std::make_shared<word::RecordingEngine>();
    app::Program program;
};
