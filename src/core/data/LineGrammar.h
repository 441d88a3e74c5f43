#pragma once
// The "key=value" line grammar shared by the data files and Settings.ini.
#include <string_view>

namespace corvale {

// Splits a line at every "=" the way repeated reads up to "=" do: one piece per "=", plus
// the text after the last "=" when it is not empty. True when that gives exactly two
// pieces, which become key and value ("k=v", "=v", "k=="); false otherwise ("k", "k=",
// "a=b=c").
bool SplitKeyValue(std::string_view line, std::string_view& key, std::string_view& value);

// The text without the blanks around it: spaces, tabs, and the carriage return a file
// written on Windows and copied elsewhere keeps before each line feed.
std::string_view TrimBlanks(std::string_view text);

} // namespace corvale
