#pragma once

#include <QCoreApplication>
#include <QString>
#include <QWidget>  // WId

namespace skin {

// The skin engine that sits on the entry window as skinEngine. A skin is
// a Qt style sheet in a file; the engine checks that Qt can parse it when it
// is loaded and sets it on a window when the window is handed over.
//
// The program drives it with five calls, always in this order:
//   LoadSkin(path, "")                    load and check the skin file
//   setApplyOptions(ApplyOptions() | 1)   switch skinning on
//   setRestyleNewControls(true)
//   setRestyleDialogs(true)
//   ApplyWindow(window->winId())          restyle that window
//
// Failures are thrown as std::runtime_error with a description for the
// common error report. The members are virtual so that a test can watch the
// calls; a subclass must call the base members to keep the engine working.
class SkinFramework {
    Q_DECLARE_TR_FUNCTIONS(skin::SkinFramework)

public:
    // Bit of ApplyOptions: windows handed to ApplyWindow are restyled only
    // while it is set; without it ApplyWindow only checks the handle.
    static constexpr int OptionSkinWindows = 1;

    virtual ~SkinFramework() = default;

    // Reads the skin file (UTF-8 text) and checks it with Qt's own style sheet
    // parser. `iniFileName` names a part of a multi-skin file; our skins hold
    // one sheet, so it must be empty. Throws when the file cannot be read, is
    // too large for a skin (over 1 MiB), or is not a style sheet Qt can parse;
    // the previously loaded skin (if any) then stays.
    virtual void LoadSkin(const QString& path, const QString& iniFileName);

    virtual int ApplyOptions() const { return m_options; }
    virtual void setApplyOptions(int options) { m_options = options; }

    // Both switches are kept for the callers that set them. With a style
    // sheet set on a window Qt already restyles controls added to it later and
    // dialogs opened over it, so neither switch changes what the engine does.
    virtual bool RestyleNewControls() const { return m_restyleNewControls; }
    virtual void setRestyleNewControls(bool on) { m_restyleNewControls = on; }
    virtual bool RestyleDialogs() const { return m_restyleDialogs; }
    virtual void setRestyleDialogs(bool on) { m_restyleDialogs = on; }

    // Sets the loaded skin on the window with this native handle. Throws when
    // no window of this program has the handle or no skin is loaded.
    virtual void ApplyWindow(WId handle);

    // The loaded style sheet; empty before the first successful LoadSkin.
    const QString& styleSheet() const { return m_styleSheet; }
    bool isLoaded() const { return m_loaded; }

private:
    QString m_styleSheet;
    bool m_loaded = false;
    int m_options = 0;
    bool m_restyleNewControls = false;
    bool m_restyleDialogs = false;
};

// True when Qt's style sheet parser accepts `sheet` (as a widget's style
// sheet, where a bare list of declarations is allowed too).
bool styleSheetParses(const QString& sheet);

}  // namespace skin
