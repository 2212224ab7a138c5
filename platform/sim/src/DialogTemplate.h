// Dialog templates as the resource compiler writes them (DLGTEMPLATE and
// DLGTEMPLATEEX), read into one form.
#pragma once

#include "simwin/Win32.h"

#include <string>
#include <vector>

namespace simdesk::detail {

// A class, title or menu field: an ordinal (0xFFFF, number) or a text.
struct TemplateName {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::u16string text;
};

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    DWORD id = 0;
    // The class by name; predefined ordinals are turned into their names.
    std::u16string className;
    TemplateName title;
    std::vector<BYTE> creationData;
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    TemplateName menu;
    TemplateName className;
    std::u16string title;
    WORD pointSize = 0;
    std::u16string typeface;
    std::vector<DialogItem> items;
};

// Parses a template; false when the bytes are not a whole template.
bool ParseDialogTemplate(const BYTE* bytes, std::size_t size, DialogTemplate& result);

// The program's dialog template resource by name; false when there is none
// or it does not parse.
bool LoadDialogTemplate(LPCWSTR name, DialogTemplate& result);

}  // namespace simdesk::detail
