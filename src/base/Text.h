#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Texts are byte strings in the shop's code page: nothing here decodes them.
namespace pondus {

// Removes blanks (space and tab) from both ends.
std::string trimBlanks(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWith(std::string_view text, std::string_view prefix);
std::string toUpperAscii(std::string_view text);

// The first n bytes of text (all of it when shorter); n <= 0 gives "".
std::string leftPart(std::string_view text, int n);
// The last n bytes of text (all of it when shorter); n <= 0 gives "".
std::string rightPart(std::string_view text, int n);

// The lines of a text file's bytes: a line ends at LF or CR LF, the byte 1A
// ends the text, and a line break at the very end starts no further line.
std::vector<std::string> splitTextLines(std::string_view text);

// A whole number as the settings store converts it: optional sign and decimal
// digits, or hexadecimal after "0x", "0X" or "$"; nothing else, and within 32 bits.
std::optional<int> parseWholeNumber(std::string_view text);

// Like parseWholeNumber, but failing with "'%s' is not a valid integer value".
int toWholeNumber(std::string_view text);

} // namespace pondus
