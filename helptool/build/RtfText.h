#pragma once
// Plain text in and out of RTF: the values the topic writer puts into the
// topic file (topic IDs, titles, keywords, hotspot texts) and the link
// names it reads out of link markers.

#include <string>
#include <string_view>

// `text` as RTF text: "\", "{" and "}" escaped with a backslash, control
// characters and bytes 0x80 and above as \'hh, so that no value can end
// or open a group of the topic file.
std::string RtfEscaped(std::string_view text);

// The text an RTF reader sees in `rtf`: \'hh escapes become their byte and
// "\\", "\{", "\}" their character; anything else stays as it is.
std::string RtfUnescaped(std::string_view rtf);
