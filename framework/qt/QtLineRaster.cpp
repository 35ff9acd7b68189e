#include "QtLineRaster.h"

#include <algorithm>
#include <cstdint>

namespace {

// Products of two 32-bit coordinate spans need more than 64 bits.
__extension__ typedef __int128 Wide;

struct Axis {
    std::int64_t start;   // coordinate of the first pixel
    std::int64_t length;  // span to the end point, never negative
    int step;             // +1 or -1
    int clipLow;
    int clipHigh;
};

Axis MakeAxis(int from, int to, int clipLow, int clipHigh)
{
    const std::int64_t span = std::int64_t{to} - from;
    return {from, span < 0 ? -span : span, span < 0 ? -1 : 1, clipLow, clipHigh};
}

}  // namespace

void AppendLineRuns(QPoint from, QPoint to, const QRect& clip, QList<QRect>& runs)
{
    if (clip.isEmpty())
        return;
    const Axis xAxis = MakeAxis(from.x(), to.x(), clip.left(), clip.right());
    const Axis yAxis = MakeAxis(from.y(), to.y(), clip.top(), clip.bottom());
    const bool xMajor = xAxis.length >= yAxis.length;
    const Axis& major = xMajor ? xAxis : yAxis;
    const Axis& minor = xMajor ? yAxis : xAxis;
    if (major.length == 0)
        return;  // a line to its own start sets no pixel

    // Steps i = 0 .. length - 1 set pixels; keep those whose major coordinate is inside the clip.
    std::int64_t first = 0;
    std::int64_t last = major.length - 1;
    if (major.step > 0) {
        first = std::max<std::int64_t>(first, major.clipLow - major.start);
        last = std::min<std::int64_t>(last, major.clipHigh - major.start);
    } else {
        first = std::max<std::int64_t>(first, major.start - major.clipHigh);
        last = std::min<std::int64_t>(last, major.start - major.clipLow);
    }

    bool bOpen = false;
    std::int64_t runMinor = 0;
    std::int64_t runFirst = 0;
    std::int64_t runLast = 0;
    auto flush = [&] {
        if (!bOpen)
            return;
        const int low = static_cast<int>(std::min(runFirst, runLast));
        const int count = static_cast<int>((runFirst < runLast ? runLast - runFirst : runFirst - runLast) + 1);
        const int across = static_cast<int>(runMinor);
        runs.append(xMajor ? QRect(low, across, count, 1) : QRect(across, low, 1, count));
        bOpen = false;
    };
    for (std::int64_t i = first; i <= last; ++i) {
        const Wide offset = (Wide{2} * i * minor.length + major.length) / (Wide{2} * major.length);
        const std::int64_t across = minor.start + minor.step * static_cast<std::int64_t>(offset);
        const std::int64_t along = major.start + major.step * i;
        if (across < minor.clipLow || across > minor.clipHigh) {
            flush();
            continue;
        }
        if (bOpen && across == runMinor) {
            runLast = along;
            continue;
        }
        flush();
        bOpen = true;
        runMinor = across;
        runFirst = runLast = along;
    }
    flush();
}
