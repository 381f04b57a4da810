#pragma once

// Namespaces and relationship types of a WordprocessingML package (ECMA-376
// transitional, as Word writes it).
namespace word::oxml::ns {

inline constexpr const char* W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr const char* ContentTypes = "http://schemas.openxmlformats.org/package/2006/content-types";
inline constexpr const char* Relationships = "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr const char* CoreProperties = "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
inline constexpr const char* ExtendedProperties = "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties";
inline constexpr const char* DocPropsVTypes = "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes";
inline constexpr const char* DublinCore = "http://purl.org/dc/elements/1.1/";
inline constexpr const char* DcTerms = "http://purl.org/dc/terms/";
inline constexpr const char* DcmiType = "http://purl.org/dc/dcmitype/";
inline constexpr const char* Xsi = "http://www.w3.org/2001/XMLSchema-instance";
inline constexpr const char* WordCompat = "http://schemas.microsoft.com/office/word";

namespace rel {
inline constexpr const char* OfficeDocument = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
inline constexpr const char* CoreProperties = "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties";
inline constexpr const char* ExtendedProperties = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties";
inline constexpr const char* Styles = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
inline constexpr const char* Settings = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings";
}  // namespace rel

namespace type {
inline constexpr const char* Relationships = "application/vnd.openxmlformats-package.relationships+xml";
inline constexpr const char* Xml = "application/xml";
inline constexpr const char* Document = "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";
inline constexpr const char* Styles = "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml";
inline constexpr const char* Settings = "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml";
inline constexpr const char* CoreProperties = "application/vnd.openxmlformats-package.core-properties+xml";
inline constexpr const char* ExtendedProperties = "application/vnd.openxmlformats-officedocument.extended-properties+xml";
}  // namespace type

}  // namespace word::oxml::ns
