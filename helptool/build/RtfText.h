#pragma once
// Plain text in and out of RTF: the values the topic writer puts into the
// topic file (topic IDs, titles, keywords, hotspot texts) and the link
// names it reads out of link markers; and the search for control words
// the source may write in either case.

#include <string>
#include <string_view>

// `text` as RTF text: "\", "{" and "}" escaped with a backslash, control
// characters and bytes 0x80 and above as \'hh, so that no value can end
// or open a group of the topic file; appended to `out`.
void AppendRtfEscaped(std::string_view text, std::string& out);

// The text an RTF reader sees in `rtf`: \'hh escapes become their byte and
// "\\", "\{", "\}" their character; anything else stays as it is.
std::string RtfUnescaped(std::string_view rtf);

// The position of the first `upperWord` (given in capitals) in `rtf`,
// comparing a-z as A-Z; npos when there is none. It is the search of the
// word in the upper-cased text, without making that copy.
size_t FindIgnoringCase(std::string_view rtf, std::string_view upperWord);
