#include "options/Option.h"

WString& Option::GetKey() {
    return key;
}

void Option::SetKey(const WString& name) {
    key = name;
}
