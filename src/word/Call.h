#pragma once

#include <QString>

namespace word {

// One call on a Word object as the program makes it, as an engine sees it.
// `member` is "Object.Member": "Selection.TypeText", "Font.Size",
// "Application.Documents". Creating and attaching to an application are
// calls too: "CreateObject" and "GetObject" with argument "Word.Application".
// `arguments` is their text as VB would show them: `Text:="Monday"`,
// `Unit:=12, count:=2`, a property value `10`, "True", `"Table Grid"`,
// derived from the typed arguments the call carries (word/Argument.h).
struct Call {
    enum class Kind { Method, Get, Set };

    Kind kind = Kind::Method;
    QString member;
    QString arguments;

    // `Selection.MoveRight(Unit:=12, count:=1)`, `Selection.Font`, `Font.Size = 10`.
    QString text() const;

    bool operator==(const Call&) const = default;
};

}  // namespace word
