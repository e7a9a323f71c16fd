#pragma once

#include <QDateTime>
#include <QString>

// The footer texts of a sheet: the system's short date and short time.
QString FooterDateText(const QDateTime &moment);
QString FooterTimeText(const QDateTime &moment);
