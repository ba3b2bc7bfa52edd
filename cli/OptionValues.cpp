#include "cli/OptionValues.h"

#include "album/PhotoRecord.h"
#include "cli/ToolFailure.h"

#include <QStringList>

#include <climits>
#include <optional>
#include <vector>

namespace {

constexpr int kMinViewSide = 11;

std::optional<std::vector<int>> integers(const QString &text, QChar separator, qsizetype count)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != count)
        return std::nullopt;
    std::vector<int> numbers;
    for (const QString &part : parts) {
        bool ok = false;
        numbers.push_back(part.trimmed().toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

} // namespace

std::int32_t ParseGrayDepth(const QString &value)
{
    if (value == QLatin1String("4"))
        return Gray4;
    if (value == QLatin1String("16"))
        return Gray16;
    FailUsage(QStringLiteral("--gray must be 4 or 16, not \"%1\"").arg(value));
}

int ParseContrast(const QString &value)
{
    const auto number = integers(value, QLatin1Char(','), 1);
    if (!number || (*number)[0] < -1000 || (*number)[0] > 1000)
        FailUsage(QStringLiteral("--contrast must be a whole number from -1000 to 1000, not \"%1\"")
                      .arg(value));
    return (*number)[0];
}

QSize ParseViewSize(const QString &value)
{
    const auto sides = integers(value, QLatin1Char('x'), 2);
    if (!sides || (*sides)[0] < kMinViewSide || (*sides)[1] < kMinViewSide)
        FailUsage(QStringLiteral("--view must be WxH with both sides at least %1, not \"%2\"")
                      .arg(kMinViewSide)
                      .arg(value));
    return QSize((*sides)[0], (*sides)[1]);
}

CropRect ParseFrameEdges(const QString &value)
{
    const auto edges = integers(value, QLatin1Char(','), 4);
    if (!edges || (*edges)[0] >= (*edges)[2] || (*edges)[1] >= (*edges)[3])
        FailUsage(QStringLiteral("--frame must be L,T,R,B with L < R and T < B, not \"%1\"")
                      .arg(value));
    return {(*edges)[0], (*edges)[1], (*edges)[2], (*edges)[3]};
}

CropRect ParseCropRect(const QString &value)
{
    const auto numbers = integers(value, QLatin1Char(','), 4);
    const bool valid = numbers && (*numbers)[0] >= 0 && (*numbers)[1] >= 0 && (*numbers)[2] > 0
                       && (*numbers)[3] > 0
                       && qint64((*numbers)[0]) + (*numbers)[2] <= INT_MAX
                       && qint64((*numbers)[1]) + (*numbers)[3] <= INT_MAX;
    if (!valid)
        FailUsage(QStringLiteral("--crop must be X,Y,W,H with X, Y from 0 and W, H above 0, "
                                 "not \"%1\"")
                      .arg(value));
    const std::vector<int> &n = *numbers;
    return {n[0], n[1], n[0] + n[2], n[1] + n[3]};
}

int ParsePosition(const QString &value)
{
    const auto number = integers(value, QLatin1Char(','), 1);
    if (!number || (*number)[0] < 1)
        FailUsage(QStringLiteral("position must be a whole number from 1, not \"%1\"").arg(value));
    return (*number)[0];
}
