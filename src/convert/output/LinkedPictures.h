#pragma once
// The converter's picture step: every picture the word processor shows as a
// link to a file is stored in the document instead, so the PDF still has it
// after the job folder, and the picture files in it, are gone.

#include "platform/automation/AutomationObject.h"
#include "platform/automation/Variant.h"

// Asks the document to store each linked picture (inline shape type 4);
// returns how many it asked for. A picture that cannot be stored stays
// linked, and a document without an InlineShapes collection has none: the
// step never fails a job.
int EmbedLinkedPictures(const platform::ObjectRef& document);
