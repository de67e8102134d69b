#pragma once
// Byte-wise reading of the topic links in a table of contents (.hhc) or an
// index (.hhk): every value of a parameter named "Local", in text order.

#include <string>
#include <string_view>
#include <vector>

// The values that follow each quoted "Local" (case-sensitive), each cut at
// the first '#' (an anchor inside the page). Empty values are left out.
std::vector<std::string> ReadLocalValues(std::string_view text);

// Decodes the three escapes found in topic links: "%20" and "&nbsp;" become
// a blank, then "&amp;" becomes "&". Nothing else is decoded.
std::string DecodeTopicValue(const std::string& value);
