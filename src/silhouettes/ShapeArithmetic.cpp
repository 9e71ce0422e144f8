#include "silhouettes/ShapeArithmetic.h"

#include "data/Database.h"
#include "platform/values/Rounding.h"

#include <cmath>
#include <limits>

void RaiseOverflow()
{
    // Numbered errors travel as DbError, whose number the error reporter shows.
    throw DbError(6, QStringLiteral("Overflow"));
}

Whole Whole::Round(double value)
{
    // Checked before rounding: far-off values (and NaN) have no whole number.
    if (!std::isfinite(value) || std::fabs(value) > 4e9)
        RaiseOverflow();
    const long rounded = RoundHalfEven(value);
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        RaiseOverflow();
    return Whole(static_cast<qint32>(rounded));
}
