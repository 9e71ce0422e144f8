#include "data/Database.h"

DbError::DbError(long number, const QString &description)
    : m_number(number), m_description(description), m_what(description.toUtf8())
{
}
