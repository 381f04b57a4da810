#pragma once

#include "ScriptedPlatform.h"
#include "entry/Form1.h"
#include "planner/Tessaly.h"
#include "word/RecordingEngine.h"
#include "word/model/DocumentModel.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A recording Word engine that also notes, for every call, the line of the
// guarded procedure that made it.
class SteppedEngine final : public word::RecordingEngine {
public:
    void invoke(const word::Call& call, const std::function<void()>& work) override;
    std::vector<int> lines;  // one per recorded call
};

// Everything one generation needs, in a private TEMP folder: the entry window
// wired to the generator, scripted message boxes and clipboard, a recording
// Word engine, and a recorded program end.
class PlannerScene {
public:
    PlannerScene();
    ~PlannerScene();

    // Types number and name into row `row` of day page `page`.
    void type(int page, int row, const QString& number, const QString& name);
    // Presses Start with `title` in the title box.
    void start(const QString& title = QStringLiteral("Week 1"));
    // "< Back" in the preview: deletes the temporary document, shows the entry window.
    void back();

    // The document the preview holds, read back from its file.
    word::model::DocumentModel document() const;
    // The texts of the five (or, on heading rows, three) cells of 0-based table row `row`.
    QStringList rowTexts(int row) const;
    // File names in the TEMP folder, but for the lock file of document names.
    QStringList temporaryFiles() const;
    // The line numbers of the error reports shown, in order.
    std::vector<int> reportedLines() const;

    QTemporaryDir temp;
    ScriptedMessageBoxes boxes;
    ScriptedClipboard clipboard;
    RecordingProgramExit programExit;
    std::shared_ptr<SteppedEngine> engine = std::make_shared<SteppedEngine>();
    Form1 form;
    Tessaly tessaly{form};
};
