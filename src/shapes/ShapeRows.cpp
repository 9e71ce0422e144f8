#include "shapes/ShapeRows.h"

#include "data/Database.h"
#include "platform/Val.h"

inline namespace ShapeTags {
QString FormatPictureTag(int size, int kind)
{
    return QString::number(size) + QLatin1Char('\\') + QString::number(kind);
}

PictureTag ParsePictureTag(const QString &tag)
{
    const qsizetype b = tag.indexOf(QLatin1Char('\\'));
    if (b < 0)
        throw DbError(5, QStringLiteral("Invalid procedure call or argument"));
    return {Val(tag.left(b)), Val(tag.mid(b + 1))};
}
} // namespace ShapeTags

ShapeLine ReadShapeLine(const Recordset &row)
{
    ShapeLine line;
    line.x = static_cast<float>(row.DoubleValue(QStringLiteral("XPOS")));
    line.y = static_cast<float>(row.DoubleValue(QStringLiteral("YPOS")));
    line.size = row.DoubleValue(QStringLiteral("SIZE"));
    line.kind = row.DoubleValue(QStringLiteral("LISTPTR"));
    return line;
}

void SetShapeHead(Recordset &head, const QString &hint, const QString &text, const QString &fogSignal)
{
    head.SetValue(QStringLiteral("HINT"), hint);
    head.SetValue(QStringLiteral("TEXT"), text);
    head.SetValue(QStringLiteral("FOGSIGNAL"), fogSignal);
}

void SetShapeLine(Recordset &line, const ShapeLine &element)
{
    line.SetValue(QStringLiteral("COLOUR"), 0);
    line.SetValue(QStringLiteral("XPOS"), element.x);
    line.SetValue(QStringLiteral("YPOS"), element.y);
    line.SetValue(QStringLiteral("SIZE"), element.size);
    line.SetValue(QStringLiteral("LISTPTR"), element.kind);
}
