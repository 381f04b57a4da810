#include "ServedObjects.h"

#include "word/Word.h"

namespace server {
namespace {

std::wstring wide(const QString& text) { return text.toStdWString(); }
QString qt(const std::wstring& text) { return QString::fromStdWString(text); }

void put(VARIANT* result, const QString& text)
{
    if (!result)
        return;
    result->vt = VT_BSTR;
    const std::wstring value = wide(text);
    result->bstrVal = SysAllocStringLen(value.data(), UINT(value.size()));
}

void put(VARIANT* result, long number)
{
    if (!result)
        return;
    result->vt = VT_I4;
    result->lVal = number;
}

// Runs a member of a handle; what the built-in engine refuses, Word refuses.
template <class Work>
void refusing(Work&& work)
{
    try {
        work();
    } catch (const word::AutomationError& error) {
        throw Refusal{wide(error.description()), MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 4198)};
    }
}

template <class H>
class Served : public ServedObject {
public:
    Served(const wchar_t* name, std::vector<Member> members, H handle)
        : ServedObject(name, std::move(members)), m_handle(std::move(handle))
    {
    }
    const H& handle() const { return m_handle; }

protected:
    H m_handle;
};

template <class S, class H>
ServedObject* serve(H handle)
{
    return new S(std::move(handle));
}

class ServedRange final : public Served<word::Range> {
public:
    explicit ServedRange(word::Range range) : Served(L"Range", {{L"CopyAsPicture", {}}}, std::move(range)) {}
    void call(int index, WORD, const CallArguments&, VARIANT*) override
    {
        if (index == 0)
            refusing([&] { m_handle.CopyAsPicture(); });
        else
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
    }
};

class ServedShading final : public Served<word::Shading> {
public:
    explicit ServedShading(word::Shading shading)
        : Served(L"Shading",
                 {{L"Texture", {}}, {L"ForegroundPatternColor", {}}, {L"BackgroundPatternColor", {}}},
                 std::move(shading))
    {
    }
    void call(int index, WORD flags, const CallArguments& a, VARIANT*) override
    {
        if (!(flags & DISPATCH_PROPERTYPUT))
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        const int value = int(longOf(a.putValue()));
        refusing([&] {
            if (index == 0)
                m_handle.setTexture(value);
            else if (index == 1)
                m_handle.setForegroundPatternColor(value);
            else if (index == 2)
                m_handle.setBackgroundPatternColor(value);
            else
                throw HRESULT(DISP_E_MEMBERNOTFOUND);
        });
    }
};

class ServedCells final : public Served<word::Cells> {
public:
    explicit ServedCells(word::Cells cells) : Served(L"Cells", {{L"Merge", {}}, {L"Shading", {}}}, std::move(cells)) {}
    void call(int index, WORD, const CallArguments&, VARIANT* result) override
    {
        if (index == 0)
            refusing([&] { m_handle.Merge(); });
        else if (index == 1)
            refusing([&] { answer(result, serve<ServedShading>(m_handle.Shading())); });
        else
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
    }
};

class ServedColumn final : public Served<word::Column> {
public:
    explicit ServedColumn(word::Column column)
        : Served(L"Column", {{L"Width", {}}, {L"Cells", {}}}, std::move(column))
    {
    }
    void call(int index, WORD flags, const CallArguments& a, VARIANT* result) override
    {
        if (index == 0 && (flags & DISPATCH_PROPERTYPUT)) {
            const double width = doubleOf(a.putValue());
            refusing([&] { m_handle.setWidth(width); });
        } else if (index == 1) {
            refusing([&] { answer(result, serve<ServedCells>(m_handle.Cells())); });
        } else {
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        }
    }
};

// Table.Columns: a collection whose default member, Item, takes the index.
class ServedColumns final : public Served<word::Table> {
public:
    explicit ServedColumns(word::Table table) : Served(L"Columns", {{L"Item", {L"Index"}}}, std::move(table)) {}
    void call(int index, WORD, const CallArguments& a, VARIANT* result) override
    {
        if (index != 0 && index != -1)
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        const int column = int(longOf(a.at(0)));
        refusing([&] { answer(result, serve<ServedColumn>(m_handle.Columns(column))); });
    }
    // Columns(3) is Columns.Item(3).
    const Member& defaultMember() const override
    {
        static const Member item{L"Item", {L"Index"}};
        return item;
    }
};

class ServedTable final : public Served<word::Table> {
public:
    explicit ServedTable(word::Table table)
        : Served(L"Table",
                 {{L"Columns", {}}, {L"Style", {}}, {L"ApplyStyleHeadingRows", {}}, {L"ApplyStyleLastRow", {}},
                  {L"ApplyStyleFirstColumn", {}}, {L"ApplyStyleLastColumn", {}}},
                 std::move(table))
    {
    }
    void call(int index, WORD flags, const CallArguments& a, VARIANT* result) override
    {
        const bool putting = flags & DISPATCH_PROPERTYPUT;
        switch (index) {
        case 0:
            if (a.count() && a.at(0))
                throw HRESULT(DISP_E_BADPARAMCOUNT);
            answer(result, serve<ServedColumns>(m_handle));
            return;
        case 1:
            if (putting) {
                const QString style = qt(textOf(a.putValue()));
                refusing([&] { m_handle.setStyle(style); });
            } else {
                refusing([&] { put(result, m_handle.Style()); });
            }
            return;
        default:
            break;
        }
        if (!putting || index > 5)
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        const bool on = boolOf(a.putValue());
        refusing([&] {
            if (index == 2)
                m_handle.setApplyStyleHeadingRows(on);
            else if (index == 3)
                m_handle.setApplyStyleLastRow(on);
            else if (index == 4)
                m_handle.setApplyStyleFirstColumn(on);
            else
                m_handle.setApplyStyleLastColumn(on);
        });
    }
};

class ServedTables final : public Served<word::Tables> {
public:
    explicit ServedTables(word::Tables tables)
        : Served(L"Tables",
                 {{L"Add", {L"Range", L"NumRows", L"NumColumns", L"DefaultTableBehavior", L"AutoFitBehavior"}}},
                 std::move(tables))
    {
    }
    void call(int index, WORD, const CallArguments& a, VARIANT* result) override
    {
        if (index != 0)
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        const VARIANT* rangeArgument = a.at(0);
        if (!rangeArgument || rangeArgument->vt != VT_DISPATCH)
            throw HRESULT(DISP_E_TYPEMISMATCH);
        auto* range = dynamic_cast<ServedRange*>(ServedObject::of(rangeArgument->pdispVal));
        if (!range)
            throw HRESULT(DISP_E_TYPEMISMATCH);
        const int rows = int(longOf(a.at(1))), columns = int(longOf(a.at(2)));
        const int behaviour = a.at(3) ? int(longOf(a.at(3))) : word::wdWord9TableBehavior;
        const int fit = a.at(4) ? int(longOf(a.at(4))) : word::wdAutoFitFixed;
        refusing([&] {
            answer(result, serve<ServedTable>(m_handle.Add(range->handle(), rows, columns, behaviour, fit)));
        });
    }
};

class ServedFont final : public Served<word::Font> {
public:
    explicit ServedFont(word::Font font) : Served(L"Font", {{L"Bold", {}}, {L"Name", {}}, {L"Size", {}}}, std::move(font))
    {
    }
    void call(int index, WORD flags, const CallArguments& a, VARIANT*) override
    {
        if (!(flags & DISPATCH_PROPERTYPUT))
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        if (index == 0) {
            const bool bold = boolOf(a.putValue());
            refusing([&] { m_handle.setBold(bold); });
        } else if (index == 1) {
            const QString name = qt(textOf(a.putValue()));
            refusing([&] { m_handle.setName(name); });
        } else if (index == 2) {
            const double size = doubleOf(a.putValue());
            refusing([&] { m_handle.setSize(size); });
        } else {
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        }
    }
};

class ServedParagraphFormat final : public Served<word::ParagraphFormat> {
public:
    explicit ServedParagraphFormat(word::ParagraphFormat format)
        : Served(L"ParagraphFormat", {{L"Alignment", {}}, {L"PageBreakBefore", {}}}, std::move(format))
    {
    }
    void call(int index, WORD flags, const CallArguments& a, VARIANT*) override
    {
        if (!(flags & DISPATCH_PROPERTYPUT))
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        if (index == 0) {
            const int alignment = int(longOf(a.putValue()));
            refusing([&] { m_handle.setAlignment(alignment); });
        } else if (index == 1) {
            const bool before = boolOf(a.putValue());
            refusing([&] { m_handle.setPageBreakBefore(before); });
        } else {
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        }
    }
};

class ServedSelection final : public Served<word::Selection> {
public:
    explicit ServedSelection(word::Selection selection)
        : Served(L"Selection",
                 {{L"TypeText", {L"Text"}},
                  {L"TypeParagraph", {}},
                  {L"MoveRight", {L"Unit", L"Count", L"Extend"}},
                  {L"EndKey", {L"Unit", L"Extend"}},
                  {L"Cells", {}},
                  {L"Font", {}},
                  {L"ParagraphFormat", {}},
                  {L"Range", {}}},
                 std::move(selection))
    {
    }
    void call(int index, WORD, const CallArguments& a, VARIANT* result) override
    {
        switch (index) {
        case 0: {
            const QString text = qt(textOf(a.at(0)));
            refusing([&] { m_handle.TypeText(text); });
            return;
        }
        case 1:
            refusing([&] { m_handle.TypeParagraph(); });
            return;
        case 2: {
            const int unit = a.at(0) ? int(longOf(a.at(0))) : word::wdCharacter;
            const int count = a.at(1) ? int(longOf(a.at(1))) : 1;
            const int extend = a.at(2) ? int(longOf(a.at(2))) : word::wdMove;
            refusing([&] { put(result, long(m_handle.MoveRight(unit, count, extend))); });
            return;
        }
        case 3: {
            const int unit = int(longOf(a.at(0)));
            refusing([&] { m_handle.EndKey(unit); });
            return;
        }
        case 4:
            refusing([&] { answer(result, serve<ServedCells>(m_handle.Cells())); });
            return;
        case 5:
            refusing([&] { answer(result, serve<ServedFont>(m_handle.Font())); });
            return;
        case 6:
            refusing([&] { answer(result, serve<ServedParagraphFormat>(m_handle.ParagraphFormat())); });
            return;
        case 7:
            refusing([&] { answer(result, serve<ServedRange>(m_handle.Range())); });
            return;
        default:
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        }
    }
};

class ServedWindow final : public Served<word::Window> {
public:
    explicit ServedWindow(word::Window window) : Served(L"Window", {{L"Selection", {}}}, std::move(window)) {}
    void call(int index, WORD, const CallArguments&, VARIANT* result) override
    {
        if (index != 0)
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        refusing([&] { answer(result, serve<ServedSelection>(m_handle.Selection())); });
    }
};

class ServedPageSetup final : public Served<word::PageSetup> {
public:
    explicit ServedPageSetup(word::PageSetup page)
        : Served(L"PageSetup", {{L"Orientation", {}}, {L"PageWidth", {}}, {L"PageHeight", {}}}, std::move(page))
    {
    }
    void call(int index, WORD flags, const CallArguments& a, VARIANT*) override
    {
        if (!(flags & DISPATCH_PROPERTYPUT))
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        if (index == 0) {
            const int orientation = int(longOf(a.putValue()));
            refusing([&] { m_handle.setOrientation(orientation); });
        } else if (index == 1) {
            const double width = doubleOf(a.putValue());
            refusing([&] { m_handle.setPageWidth(width); });
        } else if (index == 2) {
            const double height = doubleOf(a.putValue());
            refusing([&] { m_handle.setPageHeight(height); });
        } else {
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        }
    }
};

class ServedDocument final : public Served<word::Document> {
public:
    explicit ServedDocument(word::Document document)
        : Served(L"Document",
                 {{L"ActiveWindow", {}}, {L"Tables", {}}, {L"Range", {L"Start", L"End"}}, {L"SaveAs", {L"FileName"}},
                  {L"Close", {L"SaveChanges"}}, {L"PageSetup", {}}},
                 std::move(document))
    {
    }
    void call(int index, WORD, const CallArguments& a, VARIANT* result) override
    {
        switch (index) {
        case 0:
            refusing([&] { answer(result, serve<ServedWindow>(m_handle.ActiveWindow())); });
            return;
        case 1:
            refusing([&] { answer(result, serve<ServedTables>(m_handle.Tables())); });
            return;
        case 2:
            refusing([&] { answer(result, serve<ServedRange>(m_handle.Range())); });
            return;
        case 3: {
            const QString file = qt(textOf(a.at(0)));
            refusing([&] { m_handle.SaveAs(file); });
            return;
        }
        case 4:
            if (a.at(0)) {
                const int save = int(longOf(a.at(0)));
                refusing([&] { m_handle.Close(save); });
            } else {
                refusing([&] { m_handle.Close(); });
            }
            return;
        case 5:
            refusing([&] { answer(result, serve<ServedPageSetup>(m_handle.PageSetup())); });
            return;
        default:
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        }
    }
};

class ServedDocuments final : public Served<word::Documents> {
public:
    explicit ServedDocuments(word::Documents documents)
        : Served(L"Documents", {{L"Add", {}}, {L"Open", {L"FileName"}}}, std::move(documents))
    {
    }
    void call(int index, WORD, const CallArguments& a, VARIANT* result) override
    {
        if (index == 0) {
            refusing([&] { answer(result, serve<ServedDocument>(m_handle.Add())); });
        } else if (index == 1) {
            const QString file = qt(textOf(a.at(0)));
            refusing([&] { answer(result, serve<ServedDocument>(m_handle.Open(file))); });
        } else {
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        }
    }
};

class ServedApplication final : public Served<word::Application> {
public:
    ServedApplication(word::Application application, void (*onQuit)())
        : Served(L"Application",
                 {{L"Quit", {L"SaveChanges"}}, {L"DisplayAlerts", {}}, {L"Documents", {}}, {L"ActiveDocument", {}}},
                 std::move(application)),
          m_onQuit(onQuit)
    {
    }
    void call(int index, WORD flags, const CallArguments& a, VARIANT* result) override
    {
        switch (index) {
        case -1:
            refusing([&] { put(result, m_handle.DefaultMember()); });
            return;
        case 0:
            refusing([&] { m_handle.Quit(); });
            m_onQuit();
            return;
        case 1:
            if (!(flags & DISPATCH_PROPERTYPUT))
                throw HRESULT(DISP_E_MEMBERNOTFOUND);
            {
                const bool alerts = boolOf(a.putValue());
                refusing([&] { m_handle.setDisplayAlerts(alerts); });
            }
            return;
        case 2:
            refusing([&] { answer(result, serve<ServedDocuments>(m_handle.Documents())); });
            return;
        case 3:
            refusing([&] { answer(result, serve<ServedDocument>(m_handle.ActiveDocument())); });
            return;
        default:
            throw HRESULT(DISP_E_MEMBERNOTFOUND);
        }
    }

private:
    void (*m_onQuit)();
};

}  // namespace

ServedObject* servedApplication(word::Application application, void (*onQuit)())
{
    return new ServedApplication(std::move(application), onQuit);
}

}  // namespace server
