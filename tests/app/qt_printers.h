#pragma once

#include <QRect>
#include <QSize>

#include <ostream>

// Lets failing expectations print Qt geometry as numbers instead of bytes.
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

inline void PrintTo(const QSize& s, std::ostream* os)
{
    *os << "QSize(" << s.width() << " x " << s.height() << ")";
}
