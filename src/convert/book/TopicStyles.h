#pragma once
// Each topic styled as a browser styles it, on its own: the cascade of the
// topic's style sheets, its style attributes and a browser's default sheet
// is resolved per element by litehtml, and what it gives is written into the
// element's style attribute, so no topic's rules reach another in the book.
// Elements that are not displayed go; list items shown inline become text
// in a line.

#include <string>
#include <vector>

typedef struct _xmlNode xmlNode;

struct TopicStylesResult {
    int Styled = 0;  // elements given their style
    int Hidden = 0;  // elements left out as not displayed
};

// `root` is the page's root element; `sheets` the topic's own sheets, made
// safe, in the order the page names them. A page beyond the resolver's
// bounds is left as it is.
TopicStylesResult ResolveTopicStyles(xmlNode* root, const std::vector<std::string>& sheets);
