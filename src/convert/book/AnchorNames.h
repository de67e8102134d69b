#pragma once
// Names of the places in the assembled document: one at the start of every
// topic, and one for every anchor a topic brings, made unique by the topic's
// number. The names use ASCII letters, digits and "-" only: the office writes
// such bookmark names unchanged into the PDF's named destinations, and escapes
// any other character in a way of its own.

#include <string>
#include <string_view>

// The address a link to a place of another topic is written as: this and
// the place's name. The PDF finisher turns such links into jumps to the
// named destination of that name, so a link works whichever part of a book
// in parts its target is in; the ".invalid" domain never resolves, so a link
// left as it is leads nowhere outside the document.
inline constexpr const char* kPlaceAddress = "https://pellin.invalid/#";

// "PellinTopic<n>": the start of topic n (counted from 0).
std::string TopicAnchor(int topic);
// "PellinTopic<n>-<name>", with every byte of `name` other than an ASCII
// letter or digit written as "-" and two hexadecimal digits.
std::string FragmentAnchor(int topic, std::string_view name);

// A file's place relative to `folder` (both full paths, the file below the
// folder) as a relative URL, each byte that is not a letter, digit or one of
// "-._~/" percent-escaped.
std::string RelativeUrl(const std::string& folder, const std::string& path);
