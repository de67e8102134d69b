#pragma once
// Boxes drawn round a block as a browser draws them. The office's HTML
// import draws a division's border and background round each run of text
// inside it, not round the division: a boxed note becomes a box per line, a
// rule beside a topic a bar beside each paragraph. A division with a border
// or a background therefore becomes a table of one cell that carries them,
// the one block the office boxes whole. A division that holds a heading
// keeps its content as it is and only loses its border: the office keeps a
// heading with its text only outside tables. An empty division stays.

typedef struct _xmlNode xmlNode;

// Rewrites every boxed division at or below `element`, whose elements carry
// their resolved styles.
void DrawBoxedBlocks(xmlNode* element);
