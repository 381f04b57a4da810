#include "Clipboard.h"

#include "seam/Seam.h"

namespace platform {
namespace {

// Holds the last picture put on it for the rest of the run.
class ProgramClipboard final : public Clipboard {
public:
    std::optional<QPicture> picture(int /*format: there is one kind of picture*/) override { return m_picture; }
    void setPicture(const QPicture& picture) override { m_picture = picture; }

private:
    std::optional<QPicture> m_picture;
};

}  // namespace

Clipboard& clipboard()
{
    static ProgramClipboard own;
    return seam::service<Clipboard>(own);
}

}  // namespace platform
