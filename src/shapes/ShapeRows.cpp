#include "shapes/ShapeRows.h"

#include "data/Database.h"

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
