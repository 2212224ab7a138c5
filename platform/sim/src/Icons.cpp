// user32: icons made from the program module's icon resources (LoadImageW,
// DestroyIcon) and the choice of an icon group's image.
//
// An icon here is a row in a table, not pixels: nothing the program does can
// observe the pixels, only the handle, its size and that it is destroyed.
#include "ResourceTable.h"

#include "State.h"
#include "WindowManager.h"
#include "simdesk/Resources.h"

#include <cstdint>
#include <map>

using namespace simdesk::detail;

namespace {

// The simulated screen is 32-bit colour; SM_CXICON and SM_CYICON are 32.
constexpr int kScreenBitsPerPixel = 32;
constexpr int kDefaultIconSize = 32;

// The directory of an icon group (RT_GROUP_ICON) and its entries.
constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kDirectoryEntrySize = 14;
constexpr WORD kIconType = 1;
constexpr WORD kCursorType = 2;

struct GroupImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    WORD id = 0;
};

GroupImage ReadGroupImage(const BYTE* entry) {
    GroupImage image;
    // A size byte of 0 stands for 256.
    image.width = entry[0] != 0 ? entry[0] : 256;
    image.height = entry[1] != 0 ? entry[1] : 256;
    image.bitsPerPixel = ReadWord(entry + 6);
    if (image.bitsPerPixel == 0) {
        // Old directories give a colour count instead; 0 counts 256 or more.
        const BYTE colours = entry[2];
        image.bitsPerPixel = colours == 2 ? 1 : colours == 16 ? 4 : 8;
    }
    image.id = ReadWord(entry + 12);
    return image;
}

// The image the platform takes: the largest size that does not exceed the
// request (the smallest image when every one does), then among images of that
// size the screen's colour depth, else the deepest below it, else the
// shallowest.
int ChooseImage(const BYTE* directory, std::size_t count, int cx, int cy) {
    bool any = false;
    GroupImage best;
    auto fits = [cx, cy](const GroupImage& image) { return image.width <= cx && image.height <= cy; };
    auto betterSize = [&](const GroupImage& image) {
        if (fits(image) != fits(best)) return fits(image);
        const int area = image.width * image.height;
        const int bestArea = best.width * best.height;
        return fits(image) ? area > bestArea : area < bestArea;
    };
    auto betterDepth = [](int candidate, int current) {
        if (current == kScreenBitsPerPixel) return false;
        if (candidate == kScreenBitsPerPixel) return true;
        if (candidate <= kScreenBitsPerPixel)
            return current > kScreenBitsPerPixel || candidate > current;
        return current > kScreenBitsPerPixel && candidate < current;
    };
    for (std::size_t i = 0; i < count; ++i) {
        const GroupImage image = ReadGroupImage(directory + kDirectoryHeaderSize + i * kDirectoryEntrySize);
        const bool sameSize = any && image.width == best.width && image.height == best.height;
        if (!any || (!sameSize && betterSize(image)) || (sameSize && betterDepth(image.bitsPerPixel, best.bitsPerPixel))) {
            best = image;
            any = true;
        }
    }
    return any ? best.id : 0;
}

bool IsIconDirectory(const BYTE* directory, std::size_t size, std::size_t& count) {
    if (directory == nullptr || size < kDirectoryHeaderSize) return false;
    if (ReadWord(directory) != 0 || ReadWord(directory + 2) != kIconType) return false;
    count = ReadWord(directory + 4);
    return count > 0 && size >= kDirectoryHeaderSize + count * kDirectoryEntrySize;
}

struct IconTable {
    std::map<std::uintptr_t, simdesk::IconFacts> live;
    // Icons the system loads for static controls of dialog templates, once
    // per resource, shared and never destroyed, as the platform's shared
    // icons: they are not the program's to leak.
    std::map<std::uintptr_t, simdesk::IconFacts> shared;
    std::map<std::u16string, HICON> sharedByName;
    std::uintptr_t nextHandle = 0x30000;
};

IconTable& Icons() {
    static IconTable table;
    // Icons belong to the program's process: a fresh desktop has none. Handle
    // values keep growing, so an icon of an earlier run never comes back live.
    static const bool resetRegistered = (OnReset([] {
                                            table.live.clear();
                                            table.shared.clear();
                                            table.sharedByName.clear();
                                        }),
                                        true);
    (void)resetRegistered;
    return table;
}

HICON AddIcon(const simdesk::IconFacts& facts) {
    IconTable& table = Icons();
    const std::uintptr_t value = table.nextHandle;
    table.nextHandle += 4;
    table.live[value] = facts;
    return reinterpret_cast<HICON>(value);
}

HANDLE LoadIconResource(HINSTANCE instance, LPCWSTR name, int cx, int cy, UINT flags) {
    // The program module's own icons only; a null instance would ask for the
    // system's predefined images, which the program never uses.
    if (instance == nullptr || instance != GetModuleHandleW(nullptr)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    HRSRC groupResource = FindResourceW(instance, name, RT_GROUP_ICON);
    if (groupResource == nullptr) {
        // Seen under Wine: a missing icon group is reported as a missing
        // resource type, even where the module has other icon groups.
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    const BYTE* directory = static_cast<const BYTE*>(LockResource(LoadResource(instance, groupResource)));
    std::size_t count = 0;
    if (!IsIconDirectory(directory, SizeofResource(instance, groupResource), count)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    if ((flags & LR_DEFAULTSIZE) != 0) {
        if (cx == 0) cx = kDefaultIconSize;
        if (cy == 0) cy = kDefaultIconSize;
    }
    const WORD imageId =
        static_cast<WORD>(ChooseImage(directory, count, cx != 0 ? cx : kDefaultIconSize, cy != 0 ? cy : kDefaultIconSize));
    if (FindResourceW(instance, MAKEINTRESOURCEW(imageId), RT_ICON) == nullptr) return nullptr;

    simdesk::IconFacts facts;
    facts.imageId = imageId;
    for (std::size_t i = 0; i < count; ++i) {
        const GroupImage image = ReadGroupImage(directory + kDirectoryHeaderSize + i * kDirectoryEntrySize);
        if (image.id != imageId) continue;
        facts.imageWidth = image.width;
        facts.imageHeight = image.height;
        facts.bitsPerPixel = image.bitsPerPixel;
        break;
    }
    // The image is stretched to the size asked for; 0 keeps the image's own.
    facts.width = cx != 0 ? cx : facts.imageWidth;
    facts.height = cy != 0 ? cy : facts.imageHeight;
    return AddIcon(facts);
}

}  // namespace

namespace simdesk {

int LiveIconCount() {
    return static_cast<int>(Icons().live.size());
}

bool DescribeIcon(HICON icon, IconFacts& facts) {
    for (const auto* table : {&Icons().live, &Icons().shared}) {
        auto found = table->find(reinterpret_cast<std::uintptr_t>(icon));
        if (found == table->end()) continue;
        facts = found->second;
        return true;
    }
    return false;
}

}  // namespace simdesk

namespace simdesk::detail {

// A static control's icon, at the system's icon size.
HICON LoadStaticIcon(HINSTANCE instance, LPCWSTR name) {
    IconTable& table = Icons();
    const auto ordinal = reinterpret_cast<std::uintptr_t>(name);
    const std::u16string key = ordinal <= 0xFFFF ? u"#" + std::u16string(1, static_cast<char16_t>(ordinal))
                                                 : std::u16string(name);
    auto cached = table.sharedByName.find(key);
    if (cached != table.sharedByName.end()) return cached->second;
    HICON icon = static_cast<HICON>(LoadIconResource(instance, name, 0, 0, LR_DEFAULTSIZE));
    if (icon == nullptr) return nullptr;
    const auto value = reinterpret_cast<std::uintptr_t>(icon);
    table.shared[value] = table.live[value];
    table.live.erase(value);
    table.sharedByName[key] = icon;
    return icon;
}

}  // namespace simdesk::detail

HANDLE WINAPI LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags) {
    // Icons are the only images the program loads; any other kind or flag is
    // refused rather than half simulated.
    if (type != IMAGE_ICON || (flags & ~static_cast<UINT>(LR_DEFAULTSIZE)) != 0 || cx < 0 || cy < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return LoadIconResource(instance, name, cx, cy, flags);
}

// A handle that is not a live icon fails; as seen under Wine, the last error
// is left as it was.
BOOL WINAPI DestroyIcon(HICON icon) {
    return Icons().live.erase(reinterpret_cast<std::uintptr_t>(icon)) != 0 ? TRUE : FALSE;
}

// Like the platform's, this trusts the caller that the directory is whole.
int WINAPI LookupIconIdFromDirectoryEx(BYTE* directory, BOOL isIcon, int cx, int cy, UINT /*flags*/) {
    if (directory == nullptr || ReadWord(directory) != 0) return 0;
    if (ReadWord(directory + 2) != (isIcon ? kIconType : kCursorType)) return 0;
    return ChooseImage(directory, ReadWord(directory + 4), cx != 0 ? cx : kDefaultIconSize,
                       cy != 0 ? cy : kDefaultIconSize);
}
