#pragma once

#include <string>
#include <string_view>

// The tag library speaks UTF-8; Windows controls speak UTF-16 and the plain-text
// clipboard format speaks code page 936. Conversions happen here only.
namespace taggen::win32 {

std::wstring to_wide(std::string_view utf8);
std::string to_utf8(std::wstring_view wide);
// Code page 936 (GBK) bytes of a UTF-8 text; every text of the program has them.
std::string to_code_page_936(std::string_view utf8);

}  // namespace taggen::win32
