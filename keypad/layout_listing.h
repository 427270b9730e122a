#pragma once

#include <string>

namespace tallyx {

struct LayoutDef;
struct SkinColors;

// A layout as text, one key a line: `<area> <position> <type> <id> <style>
// "<caption>"`, the raised caption after "^" ("x^y"); then the skin colours,
// one named line each, colours written as "red,green,blue".
std::wstring LayoutListing(const LayoutDef& layout, const SkinColors& colors);

}  // namespace tallyx
