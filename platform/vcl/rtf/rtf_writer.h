#pragma once
// The RTF that the rich-edit control writes for its document, in the shape
// of the Windows control, which the help build scans line by line:
//
//   {\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fcharset0 Arial;}}
//   {\colortbl ;\red0\green128\blue0;}
//   \viewkind4\uc1\pard\f0\fs20 See \cf1\ul\protect ##Intro##\cf0\ulnone\protect0  here\par
//   second paragraph\par
//   }
//
// - Line 1: the header and the whole font table: the fonts in the order the
//   text first uses them (the font of the first character, or the default
//   font for an empty first paragraph, is \f0).
// - Line 2, only when some text has a colour other than the automatic one:
//   the colour table, its empty first entry being the automatic colour, then
//   the colours in the order of first use (\cf1 is the first).
// - Then one line per paragraph, each ending in \par, the last one too (the
//   control's final paragraph mark; the reader takes a \par at the very end
//   of the text as that mark, not as an empty paragraph). The first line
//   starts with "\viewkind4\uc1\pard" and the formatting of the first
//   character in full (\f and \fs always); after that only changes are
//   written, in the order \cf, \ul/\ulnone, \b, \i, \strike, \protect, \f,
//   \fs, with \b0, \i0, \strike0, \protect0, \cf0 for the switches off.
// - Text: "\", "{" and "}" as "\\", "\{", "\}"; a tab as \tab; bytes 0x80
//   and above and control characters as \'hh (lower-case hex). A control
//   word is followed by a space only when plain text follows it.
// - A final line "}".
// The code page written is the machine's ANSI code page. Colours are
// written from their low 24 bits; ";" is left out of font names (it would
// end the table entry).

#include <string>
#include <vector>

#include "vcl/rtf/rich_document.h"

std::vector<std::string> WriteRtfLines(const TRichDocument& document);
// The lines, each followed by "\r\n".
std::string WriteRtf(const TRichDocument& document);
