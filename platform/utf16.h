// The program's text is UTF-8; the wide Windows API takes UTF-16. Windows only.
#pragma once

#include <string>

namespace text {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

}  // namespace text
