#include "Program.h"

#include "planner/IsInstalled.h"
#include "platform/Clipboard.h"
#include "preview/Form2.h"
#include "word/PictureSink.h"

Program::Program(Tessaly::DigitSource digits) : m_tessaly(m_form1, *this, std::move(digits))
{
    word::setPictureSink([](const QImage& picture) { platform::clipboard().setPicture(picture); });
    m_form1.generateTessaly = [this] { m_tessaly.GenerateTessaly(); };
    m_form1.checkWordPresence = [] { IsInstalled::CheckWordInstalled(); };
}

Program::~Program() { word::setPictureSink({}); }

preview::Form2& Program::preview()
{
    if (!m_form2)
        m_form2 = std::make_unique<preview::Form2>();
    return *m_form2;
}

void Program::showPicture(const QImage& picture) { preview().setPicture(picture); }

void Program::resetEntryPointer() { m_form1.pointer().setShape(platform::WindowPointer::Shape::Arrow); }

void Program::setDocumentPath(const QString& path) { preview().mWordFile = path; }

void Program::showPreview()
{
    preview::Form2& form2 = preview();
    form2.setEntryWindow(&m_form1);
    form2.show();
}

void Program::hideEntryWindow() { m_form1.hide(); }
