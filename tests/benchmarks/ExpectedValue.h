#pragma once

#include <QString>

#include <array>
#include <string>

// What the value box must show for these five parameter texts, computed by the engine on
// its own, away from the worksheet.
QString expectedValueText(const std::array<std::string, 5>& parameters);
