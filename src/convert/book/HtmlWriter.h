#pragma once
// Writes parsed page content back as HTML text in UTF-8. Only elements,
// attributes and text are written; comments, processing instructions and
// declarations are left out.

#include <string>

typedef struct _xmlNode xmlNode;

namespace html {

// Appends the node and everything below it to `out`.
void WriteNode(const xmlNode* node, std::string& out);
// Appends the node's children (not the node itself).
void WriteChildren(const xmlNode* node, std::string& out);

}  // namespace html
