#include "win32/version/version_block_writer.h"

#include <cstring>
#include <functional>
#include <stdexcept>

namespace win32 {
namespace {

void Pad4(std::string& out)
{
    while (out.size() % 4)
        out.push_back('\0');
}

void Put16(std::string& out, uint16_t value)
{
    out.push_back(char(value & 0xFF));
    out.push_back(char(value >> 8));
}

void PutText(std::string& out, std::u16string_view text)
{
    for (char16_t c : text)
        Put16(out, c);
    Put16(out, 0);
}

uint16_t Checked16(size_t value)
{
    if (value > 0xFFFF)
        throw std::length_error("version block too large: a length exceeds 65535");
    return uint16_t(value);
}

// Appends one node: header, key, value, children (written by `children`),
// then fills in its length. The block starts at offset 0 of `out`, which
// keeps every 32-bit alignment relative to the block.
void PutNode(std::string& out, std::u16string_view key, bool isText, uint16_t valueLength,
             const std::string& value, const std::function<void()>& children = {})
{
    Pad4(out);
    const size_t start = out.size();
    Put16(out, 0);
    Put16(out, valueLength);
    Put16(out, isText ? 1 : 0);
    PutText(out, key);
    Pad4(out);
    out += value;
    if (children)
        children();
    const uint16_t length = Checked16(out.size() - start);
    out[start] = char(length & 0xFF);
    out[start + 1] = char(length >> 8);
}

void PutString(std::string& out, std::u16string_view key, std::u16string_view value)
{
    std::string text;
    PutText(text, value);
    PutNode(out, key, true, Checked16(value.size() + 1), text);
}

}  // namespace

std::string BuildVersionBlock(const VersionBlockContents& contents)
{
    uint32_t words[sizeof(VS_FIXEDFILEINFO) / 4];
    std::memcpy(words, &contents.fixed, sizeof words);
    std::string fixed;
    for (uint32_t word : words) {
        Put16(fixed, uint16_t(word & 0xFFFF));
        Put16(fixed, uint16_t(word >> 16));
    }

    std::string out;
    PutNode(out, kVersionInfoKey, false, uint16_t(fixed.size()), fixed, [&] {
        if (!contents.stringTables.empty()) {
            PutNode(out, u"StringFileInfo", true, 0, {}, [&] {
                for (const VersionStringTable& table : contents.stringTables) {
                    PutNode(out, table.name, true, 0, {}, [&] {
                        for (const auto& [key, value] : table.strings)
                            PutString(out, key, value);
                    });
                }
            });
        }
        if (!contents.translations.empty()) {
            PutNode(out, u"VarFileInfo", true, 0, {}, [&] {
                std::string list;
                for (const VersionTranslation& t : contents.translations) {
                    Put16(list, t.language);
                    Put16(list, t.codePage);
                }
                PutNode(out, u"Translation", false, Checked16(list.size()), list);
            });
        }
    });
    return out;
}

}  // namespace win32
