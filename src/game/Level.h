#pragma once

#include <QString>

// The three levels: the time allowed and what stays on the board as a guide.
enum class Level { Easy = 0, Medium = 1, Difficult = 2 };

// Seconds allowed in countdown mode: 300, 240 or 180.
constexpr int timeLimit(Level level)
{
    switch (level) {
    case Level::Easy:
        return 300;
    case Level::Medium:
        return 240;
    case Level::Difficult:
        return 180;
    }
    return 0;
}
