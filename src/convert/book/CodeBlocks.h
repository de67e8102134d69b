#pragma once
// Preformatted text laid out as a browser lays it. The office's HTML import
// makes a paragraph of every line of a <pre> (and of every line break in
// it), so the padding, borders and margins a sheet gives the block go to each
// line and double its height. A code block is therefore written as one
// paragraph whose lines end in line breaks, in a monospace font: a <pre>, an
// element whose style keeps its white space (white-space: pre, pre-wrap or
// pre-line), and a block made only of such lines (a generator's code listing
// of one element per line). Spaces the office would fold become no-break
// spaces and tabs the spaces up to the next multiple of 8 columns.

typedef struct _xmlNode xmlNode;

// Rewrites every code block at or below `element`.
void LayOutCodeBlocks(xmlNode* element);
