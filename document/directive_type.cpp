#include "document/directive_type.h"

namespace DirectiveType {

int longRepeatKind(int type)
{
    switch (type) {
    case LongRepeatSimile:
        return 1;
    case LongRepeat:
        return 2;
    case LongRepeat2:
        return 3;
    case LongRepeat3:
        return 4;
    case LongRepeat4:
        return 5;
    case LongRepeatAccel:
        return 6;
    case LongRepeatBeat1:
        return 7;
    case LongRepeatBeat2:
        return 8;
    case LongStepUp:
        return 9;
    case LongStepDown:
        return 10;
    default:
        return 0;
    }
}

} // namespace DirectiveType
