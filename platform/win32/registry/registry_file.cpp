#include "win32/registry/registry_file.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "win32/codepage.h"
#include "win32/registry/registry_paths.h"

namespace win32 {

namespace {

const std::string kVersion5Header = "Windows Registry Editor Version 5.00";
const std::string kRegedit4Header = "REGEDIT4";
const std::string kLineEnd = "\r\n";

// Hex data lines are broken once they reach this many columns.
constexpr size_t kWrapColumn = 77;

bool IsStringType(uint32_t type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// ---- Export ---------------------------------------------------------------

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

// True when a quoted text gives back exactly these REG_SZ bytes.
bool FitsQuotedText(const std::string& data) {
    if (data.empty() || data.back() != '\0') return false;
    return data.find_first_of(std::string("\0\r\n", 3)) == data.size() - 1;
}

std::string Utf16LeBytes(const std::string& ansi) {
    std::string bytes;
    for (const char16_t c : MultiByteToWideChar(CP_ACP, ansi)) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

void AppendHexData(std::string& out, std::string line, const std::string& bytes) {
    char digits[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(bytes[i]));
        line += digits;
        if (i + 1 == bytes.size()) break;
        line += ',';
        if (line.size() >= kWrapColumn) {
            out += line + "\\" + kLineEnd;
            line = "  ";
        }
    }
    out += line + kLineEnd;
}

void AppendValue(std::string& out, const RegistryValue& value, RegistryFileFormat format) {
    const std::string prefix = (value.name.empty() ? std::string("@") : Quoted(value.name)) + "=";
    if (value.type == REG_SZ && FitsQuotedText(value.data)) {
        out += prefix + Quoted(value.data.substr(0, value.data.size() - 1)) + kLineEnd;
        return;
    }
    if (value.type == REG_DWORD && value.data.size() == 4) {
        uint32_t number = 0;
        for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08x", number);
        out += prefix + "dword:" + digits + kLineEnd;
        return;
    }
    std::string kind = "hex";
    if (value.type != REG_BINARY) {
        char type[16];
        std::snprintf(type, sizeof type, "(%x)", value.type);
        kind += type;
    }
    const bool wide = format == RegistryFileFormat::Version5 && IsStringType(value.type);
    AppendHexData(out, prefix + kind + ":", wide ? Utf16LeBytes(value.data) : value.data);
}

void AppendTree(std::string& out, RegistryStore& store, int64_t key, const std::string& path,
                RegistryFileFormat format) {
    out += "[" + path + "]" + kLineEnd;
    for (const auto& value : store.Values(key)) AppendValue(out, value, format);
    out += kLineEnd;
    for (const auto& sub : store.SubKeys(key)) AppendTree(out, store, sub.id, path + "\\" + sub.name, format);
}

// ---- Import ---------------------------------------------------------------

// Little-endian UTF-16 bytes as text; an odd last byte is left out.
std::u16string Utf16FromLeBytes(std::string_view bytes) {
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return text;
}

[[noreturn]] void Fail(int line, const std::string& message) { throw RegistryFileError(line, message); }

// The file's text as ANSI bytes, whatever encoding it was saved in.
std::string DecodeFile(const std::string& bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
        return WideCharToMultiByte(CP_ACP, Utf16FromLeBytes(std::string_view(bytes).substr(2)));
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return Utf8ToAnsi(bytes.substr(3));
    return bytes;
}

struct Line {
    int number;
    std::string text;
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    size_t start = 0;
    int number = 1;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back({number++, line});
        start = end + 1;
    }
    return lines;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

struct Operation {
    enum Kind { CreateKey, DeleteKey, SetValue, DeleteValue } kind;
    HKEY root;
    std::vector<std::string> path;
    RegistryValue value;
};

// Reads a quoted text starting at text[pos] == '"'; pos ends after the
// closing quote.
std::string ReadQuoted(const std::string& text, size_t& pos, int line) {
    std::string out;
    ++pos;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c == '"') return out;
        if (c == '\\' && pos < text.size() && (text[pos] == '\\' || text[pos] == '"')) {
            out += text[pos++];
            continue;
        }
        out += c;
    }
    Fail(line, "the closing quote is missing");
}

std::optional<uint32_t> ParseHex(const std::string& digits, size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
    uint32_t value = 0;
    for (const char c : digits) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return value;
}

std::string ParseHexBytes(const std::string& list, int line) {
    std::string bytes;
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string::npos) end = list.size();
        const std::string token = Trim(list.substr(start, end - start));
        start = end + 1;
        if (token.empty() && start >= list.size()) break;  // a trailing comma
        const auto byte = ParseHex(token, 2);
        if (!byte) Fail(line, "\"" + token + "\" is not a hexadecimal byte");
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

std::string AnsiFromUtf16Le(const std::string& bytes, int line) {
    if (bytes.size() % 2 != 0) Fail(line, "the text data has an odd number of bytes");
    return WideCharToMultiByte(CP_ACP, Utf16FromLeBytes(bytes));
}

// The value of a line's data part (after "="); nothing for "-".
std::optional<RegistryValue> ParseData(const std::string& data, RegistryFileFormat format, int line) {
    RegistryValue value;
    if (data == "-") return std::nullopt;
    if (!data.empty() && data.front() == '"') {
        size_t pos = 0;
        value.type = REG_SZ;
        value.data = ReadQuoted(data, pos, line) + '\0';
        if (!Trim(data.substr(pos)).empty()) Fail(line, "unexpected text after the closing quote");
        return value;
    }
    if (data.compare(0, 6, "dword:") == 0) {
        const auto number = ParseHex(Trim(data.substr(6)), 8);
        if (!number) Fail(line, "\"" + data + "\" is not a dword of up to 8 hexadecimal digits");
        value.type = REG_DWORD;
        for (int i = 0; i < 4; ++i) value.data += static_cast<char>((*number >> (8 * i)) & 0xFF);
        return value;
    }
    if (data.compare(0, 3, "hex") == 0) {
        size_t colon = data.find(':');
        if (colon == std::string::npos) Fail(line, "the hex data has no \":\"");
        const std::string kind = data.substr(3, colon - 3);
        value.type = REG_BINARY;
        if (!kind.empty()) {
            const auto type = kind.size() > 2 && kind.front() == '(' && kind.back() == ')'
                                  ? ParseHex(kind.substr(1, kind.size() - 2), 8)
                                  : std::nullopt;
            if (!type) Fail(line, "\"hex" + kind + "\" is not a value type");
            value.type = *type;
        }
        value.data = ParseHexBytes(data.substr(colon + 1), line);
        if (format == RegistryFileFormat::Version5 && IsStringType(value.type)) {
            value.data = AnsiFromUtf16Le(value.data, line);
        }
        return value;
    }
    Fail(line, "unrecognised value data \"" + data + "\"");
}

std::vector<Operation> ParseFile(const std::string& fileBytes) {
    const std::vector<Line> lines = SplitLines(DecodeFile(fileBytes));
    std::vector<Operation> operations;
    std::optional<RegistryFileFormat> format;
    std::optional<Operation> currentKey;  // the key that value lines go to
    bool inDeletedKey = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = lines[i].number;
        std::string text = Trim(lines[i].text);
        if (text.empty() || text.front() == ';') continue;
        if (!format) {
            if (text == kVersion5Header) format = RegistryFileFormat::Version5;
            else if (text == kRegedit4Header) format = RegistryFileFormat::Regedit4;
            else Fail(number, "the file does not begin with \"" + kVersion5Header + "\" or \"" + kRegedit4Header + "\"");
            continue;
        }
        if (text.front() == '[') {
            if (text.back() != ']') Fail(number, "the key line does not end with \"]\"");
            std::string path = text.substr(1, text.size() - 2);
            const bool remove = !path.empty() && path.front() == '-';
            if (remove) path.erase(0, 1);
            const size_t slash = path.find('\\');
            const std::string rootName = path.substr(0, slash);
            const auto root = registry_paths::RootFromName(rootName);
            if (!root || *root == HKEY_PERFORMANCE_DATA) Fail(number, "\"" + rootName + "\" is not a root key");
            Operation operation{remove ? Operation::DeleteKey : Operation::CreateKey, *root, {}, {}};
            const std::string rest = slash == std::string::npos ? "" : path.substr(slash + 1);
            if (registry_paths::SplitKeyPath(rest, operation.path) != ERROR_SUCCESS) {
                Fail(number, "\"" + path + "\" is not a valid key path");
            }
            if (remove && operation.path.empty()) Fail(number, "a root key cannot be deleted");
            operations.push_back(operation);
            inDeletedKey = remove;
            currentKey = operation;
            continue;
        }
        if (text.front() != '"' && text.front() != '@') Fail(number, "unrecognised line \"" + text + "\"");
        if (!currentKey) Fail(number, "a value comes before the first key");
        std::string name;
        size_t pos = 0;
        if (text.front() == '@') pos = 1;
        else name = ReadQuoted(text, pos, number);
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos >= text.size() || text[pos] != '=') Fail(number, "the value name is not followed by \"=\"");
        std::string data = Trim(text.substr(pos + 1));
        if (data.compare(0, 3, "hex") == 0) {
            while (!data.empty() && data.back() == '\\') {
                data.pop_back();
                if (++i >= lines.size()) Fail(number, "the file ends inside continued hex data");
                data += Trim(lines[i].text);
            }
        }
        const auto value = ParseData(data, *format, number);
        if (inDeletedKey) continue;  // values of a deleted key are ignored, as the registry editor does
        Operation operation{value ? Operation::SetValue : Operation::DeleteValue, currentKey->root, currentKey->path, {}};
        if (value) operation.value = *value;
        operation.value.name = name;
        operations.push_back(operation);
    }
    if (!format) Fail(lines.empty() ? 1 : lines.back().number, "the file is empty");
    return operations;
}

}  // namespace

RegistryFileError::RegistryFileError(int line, const std::string& message)
    : std::runtime_error(line > 0 ? "Line " + std::to_string(line) + ": " + message : message), line_(line) {}

std::string ExportRegistry(RegistryStore& store, const std::string& keyPath, RegistryFileFormat format) {
    std::string out = (format == RegistryFileFormat::Version5 ? kVersion5Header : kRegedit4Header) + kLineEnd + kLineEnd;
    if (keyPath.empty()) {
        const auto hives = store.Hives();
        for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA}) {
            for (const auto& hive : hives) {
                if (hive.name == registry_paths::RootName(root)) AppendTree(out, store, hive.id, hive.name, format);
            }
        }
        return out;
    }
    const size_t slash = keyPath.find('\\');
    const auto root = registry_paths::RootFromName(keyPath.substr(0, slash));
    const auto rootId = root ? registry_paths::RootKeyId(store, *root) : std::nullopt;
    if (!rootId) throw RegistryFileError(0, "\"" + keyPath + "\" does not begin with a root key");
    std::vector<std::string> names;
    if (registry_paths::SplitKeyPath(slash == std::string::npos ? "" : keyPath.substr(slash + 1), names) != ERROR_SUCCESS) {
        throw RegistryFileError(0, "\"" + keyPath + "\" is not a valid key path");
    }
    std::string path = registry_paths::RootName(*root);
    int64_t key = *rootId;
    for (const auto& name : names) {
        const auto next = store.FindSubKey(key, name);
        if (!next) throw RegistryFileError(0, "The registry key \"" + keyPath + "\" does not exist");
        key = *next;
        path += "\\" + store.KeyName(key);
    }
    AppendTree(out, store, key, path, format);
    return out;
}

void ImportRegistry(RegistryStore& store, const std::string& fileBytes) {
    const std::vector<Operation> operations = ParseFile(fileBytes);
    RegistryStore::Transaction transaction(store);
    for (const auto& operation : operations) {
        const int64_t root = *registry_paths::RootKeyId(store, operation.root);
        switch (operation.kind) {
            case Operation::CreateKey:
                registry_paths::CreateKeyPath(store, root, operation.path);
                break;
            case Operation::DeleteKey:
                if (const auto key = registry_paths::FindKey(store, root, operation.path)) store.DeleteTree(*key);
                break;
            case Operation::SetValue:
                store.SetValue(registry_paths::CreateKeyPath(store, root, operation.path), operation.value.name, operation.value.type,
                               operation.value.data);
                break;
            case Operation::DeleteValue:
                if (const auto key = registry_paths::FindKey(store, root, operation.path)) {
                    store.DeleteValue(*key, operation.value.name);
                }
                break;
        }
    }
    transaction.Commit();
}

}  // namespace win32
