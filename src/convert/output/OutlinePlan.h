#pragma once
// The PDF outline a help file's contents tree gives: one entry per contents
// entry, with its name, nested as in the tree, jumping to the place of the
// book its topic (and anchor) landed at. An entry without a place of its own
// jumps to its first child's; one without either is left out.

#include <string>
#include <vector>

#include "convert/book/BookAnchors.h"
#include "convert/chm/ContentsTree.h"
#include "platform/pdf/PdfFinisher.h"

// `topics` are the book's topic files by index. Empty when no entry of the
// tree leads to a place of the book (the tree is then of no use).
std::vector<platform::PdfOutlineItem> OutlineFromContents(const ContentsTree& contents,
                                                          const std::vector<std::string>& topics,
                                                          const BookAnchors& anchors);

// The places of the book the outline of `contents` points at, so that the
// book keeps their anchors.
std::vector<BookPlace> OutlinePlaces(const ContentsTree& contents,
                                     const std::vector<std::string>& topics);
