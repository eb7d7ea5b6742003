#pragma once
// Windows-1250, the code page of every text the program keeps on disk or
// puts on the clipboard. Conversion happens only where bytes meet the disk.

#include <string>
#include <string_view>

namespace kv {

std::string Cp1250ToUtf8(std::string_view bytes);
// Characters without a place in the code page become '?'.
std::string Utf8ToCp1250(std::string_view utf8);

} // namespace kv
