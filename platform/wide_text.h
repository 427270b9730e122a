#pragma once

#include <string>
#include <string_view>

namespace tallyx {

// Conversions between wide text and the 8-bit encodings Tallyx meets:
// UTF-8 (files, console, this platform's narrow encoding) and Windows-1252
// (built-in texts such as the constants library).
std::wstring WidenUtf8(std::string_view text);
std::string NarrowUtf8(std::wstring_view text);
std::wstring WidenWindows1252(std::string_view text);
// Characters that Windows-1252 cannot hold become '?'.
std::string NarrowWindows1252(std::wstring_view text);

// Case-insensitive comparison of wide text, in the manner of _wcsicmp
// (ASCII letters and the Latin-1 range fold).
int CompareNoCase(std::wstring_view left, std::wstring_view right);
bool EqualNoCase(std::wstring_view left, std::wstring_view right);
std::wstring ToLowerText(std::wstring_view text);

// White space as the text parsers understand it: space, tab, CR, LF, VT, FF.
bool IsBlank(wchar_t character);
std::wstring_view TrimBlanks(std::wstring_view text);

// UTF-8 text without the byte-order mark some editors put in front.
std::string_view WithoutUtf8Bom(std::string_view text);

}  // namespace tallyx
