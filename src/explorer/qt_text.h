#pragma once

#include <QString>

#include <string_view>

namespace sentinel {

// The name of a routine, kind or shape, for the screen.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace sentinel
