#include "vcl/system/paths.h"

#include "vcl/system/strutils.h"

std::string ExtractFilePath(std::string_view fileName) {
    return std::string(fileName.substr(0, LastDelimiter("\\:", fileName)));
}

std::string ExtractFileDir(std::string_view fileName) {
    int i = LastDelimiter("\\:", fileName);
    if (i > 1 && fileName[i - 1] == '\\' && fileName[i - 2] != '\\' && fileName[i - 2] != ':') --i;
    return std::string(fileName.substr(0, i));
}

std::string ExtractFileName(std::string_view fileName) {
    return std::string(fileName.substr(LastDelimiter("\\:", fileName)));
}

std::string ExtractFileExt(std::string_view fileName) {
    int i = LastDelimiter(".\\:", fileName);
    if (i > 0 && fileName[i - 1] == '.') return std::string(fileName.substr(i - 1));
    return {};
}

std::string ExtractFileDrive(std::string_view fileName) {
    if (fileName.size() >= 2 && fileName[1] == ':') return std::string(fileName.substr(0, 2));
    if (fileName.size() >= 2 && fileName[0] == '\\' && fileName[1] == '\\') {
        // Up to the "\" after the share name, or the whole text.
        int separators = 0;
        size_t i = 2;
        for (; i < fileName.size(); ++i) {
            if (fileName[i] == '\\' && ++separators == 2) break;
        }
        return std::string(fileName.substr(0, i));
    }
    return {};
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
    int i = LastDelimiter(".\\:", fileName);
    size_t stem = i > 0 && fileName[i - 1] == '.' ? static_cast<size_t>(i - 1) : fileName.size();
    return std::string(fileName.substr(0, stem)) + std::string(extension);
}

std::string IncludeTrailingBackslash(std::string_view path) {
    std::string result(path);
    if (result.empty() || result.back() != '\\') result += '\\';
    return result;
}

std::string ExcludeTrailingBackslash(std::string_view path) {
    if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return std::string(path);
}

bool IsPathDelimiter(std::string_view path, int index) {
    return index >= 1 && static_cast<size_t>(index) <= path.size() && path[index - 1] == '\\';
}
