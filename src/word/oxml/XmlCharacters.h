#pragma once

// The characters XML 1.0 allows in a document (its production Char): the
// writer leaves the others out, and the reader refuses a part holding one.
namespace word::oxml {

inline bool isXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace word::oxml
