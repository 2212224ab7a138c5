#include "settings/ProgramNames.h"

namespace {

const WString* firm = nullptr;
const WString* app = nullptr;

}  // namespace

void SetProgramNames(const WString* firmName, const WString* appName) {
    firm = firmName;
    app = appName;
}

const WString* ProgramFirmName() {
    return firm;
}

const WString* ProgramAppName() {
    return app;
}
