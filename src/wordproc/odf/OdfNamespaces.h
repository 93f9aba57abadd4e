// The namespaces of the OpenDocument vocabularies the readers look for.
#pragma once

#include <string_view>

namespace harvelux::wordproc::odf {

inline constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
inline constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
inline constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
inline constexpr std::string_view kStyle = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";
inline constexpr std::string_view kDrawing = "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0";
inline constexpr std::string_view kManifest = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";
inline constexpr std::string_view kXlink = "http://www.w3.org/1999/xlink";

}  // namespace harvelux::wordproc::odf
