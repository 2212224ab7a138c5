// user32: SystemParametersInfoW, as far as the non-client metrics.
#include "GdiState.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace {

LOGFONTW MetricsFont(LONG height, LONG weight) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = 1;  // DEFAULT_CHARSET
    constexpr std::u16string_view face = u"Segoe UI";
    std::copy(face.begin(), face.end(), font.lfFaceName);
    return font;
}

NONCLIENTMETRICSW DesktopMetrics() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    metrics.iBorderWidth = 1;
    metrics.iScrollWidth = 17;
    metrics.iScrollHeight = 17;
    metrics.iCaptionWidth = 36;
    metrics.iCaptionHeight = 22;
    metrics.lfCaptionFont = MetricsFont(-12, 400);
    metrics.iSmCaptionWidth = 22;
    metrics.iSmCaptionHeight = 22;
    metrics.lfSmCaptionFont = MetricsFont(-12, 400);
    metrics.iMenuWidth = 19;
    metrics.iMenuHeight = 19;
    metrics.lfMenuFont = MetricsFont(-12, 400);
    metrics.lfStatusFont = MetricsFont(-12, 400);
    metrics.lfMessageFont = MetricsFont(-12, 400);
    metrics.iPaddedBorderWidth = 4;
    return metrics;
}

}  // namespace

// The caller's structure may be the full one or the older one without the
// padded border width; only as many bytes as it declares are written.
BOOL WINAPI SystemParametersInfoW(UINT action, UINT, PVOID value, UINT) {
    if (action != SPI_GETNONCLIENTMETRICS || value == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    UINT declared = 0;
    std::memcpy(&declared, value, sizeof(declared));
    constexpr UINT kOlderSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    if (declared != sizeof(NONCLIENTMETRICSW) && declared != kOlderSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    NONCLIENTMETRICSW metrics = DesktopMetrics();
    metrics.cbSize = declared;
    std::memcpy(value, &metrics, declared);
    return TRUE;
}
