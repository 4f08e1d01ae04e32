// The directive marks drawn in the note flow: parentheses, white space,
// "kinkoRa", "suru" and "restKinko". The flow places them anew at every
// regeneration, so they take no hand offset.
#pragma once

#include "document/directive_type.h"
#include "model/directive.h"

inline bool inNoteFlow(const Directive *directive)
{
    return directive->kind == DirectiveType::OpeningMark ||
           directive->kind == DirectiveType::ClosingMark;
}
