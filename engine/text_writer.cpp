#include "engine/text_writer.h"

namespace tallyx {

void TextWriter::Append(wchar_t character)
{
    if (size_ == storage_.size()) {
        overflowed_ = true;
        return;
    }
    storage_[size_++] = character;
}

void TextWriter::Append(std::wstring_view text)
{
    for (const wchar_t character : text) Append(character);
}

void TextWriter::Append(std::string_view text)
{
    for (const char character : text) Append(static_cast<wchar_t>(static_cast<unsigned char>(character)));
}

}  // namespace tallyx
