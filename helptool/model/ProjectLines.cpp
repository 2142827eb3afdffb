#include "model/ProjectLines.h"

#include <algorithm>

#include "vcl/classes/strings.h"
#include "vcl/files/inout_error.h"
#include "vcl/system/ansistrings.h"
#include "vcl/system/convert.h"
#include "vcl/system/exception.h"
#include "win32/errors.h"

bool HoldsLineBreak(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
}

void TProjectLineWriter::WriteString(std::string_view text) {
    if (HoldsLineBreak(text)) {
        const size_t firstLine = std::min(text.find('\r'), text.find('\n'));
        throw EConvertError("The text \"" + std::string(text.substr(0, firstLine)) +
                            "...\" holds a line break and cannot be saved in a project file.");
    }
    bytes_ += text;
    EndLine();
}

void TProjectLineWriter::WriteInteger(int32_t value) {
    bytes_ += IntToStr(value);
    EndLine();
}

void TProjectLineWriter::WriteBoolean(bool value) {
    bytes_ += value ? "TRUE" : "FALSE";
    EndLine();
}

void TProjectLineWriter::WriteLines(const TStrings& lines) {
    const size_t start = bytes_.size();
    WriteInteger(lines.Count());
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = lines.Strings(i);
        if (HoldsLineBreak(line)) {
            bytes_.resize(start);
            TStringList split;
            split.SetText(lines.Text());
            WriteLines(split);
            return;
        }
        bytes_ += line;
        EndLine();
    }
}

std::string_view TProjectLineReader::NextLine() {
    if (position_ >= bytes_.size()) RaiseInOutError(win32::IOERROR_READ_BEYOND_END);
    size_t end = bytes_.find('\n', position_);
    if (end == std::string_view::npos) end = bytes_.size();
    std::string_view line = bytes_.substr(position_, end - position_);
    position_ = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string TProjectLineReader::ReadString() { return std::string(NextLine()); }

int32_t TProjectLineReader::ReadInteger() {
    const std::string_view line = NextLine();
    size_t i = line.find_first_not_of(" \t");
    if (i == std::string_view::npos) RaiseInOutError(win32::IOERROR_INVALID_INPUT);
    const bool negative = line[i] == '-';
    if (line[i] == '-' || line[i] == '+') ++i;
    const size_t digitsStart = i;
    int64_t value = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        value = value * 10 + (line[i] - '0');
        if (value > int64_t{INT32_MAX} + 1) RaiseInOutError(win32::IOERROR_INVALID_INPUT);
    }
    if (i == digitsStart) RaiseInOutError(win32::IOERROR_INVALID_INPUT);
    if (negative) value = -value;
    if (value > INT32_MAX) RaiseInOutError(win32::IOERROR_INVALID_INPUT);
    return static_cast<int32_t>(value);
}

int32_t TProjectLineReader::ReadCount() {
    const int32_t count = ReadInteger();
    if (count < 0) RaiseInOutError(win32::IOERROR_INVALID_INPUT);
    return count;
}

bool TProjectLineReader::ReadBoolean() { return AnsiUpperCase(NextLine()) == "TRUE"; }

void TProjectLineReader::ReadLines(TStrings& lines) {
    const int32_t count = ReadCount();
    for (int32_t i = 0; i < count; ++i) lines.Add(ReadString());
}
