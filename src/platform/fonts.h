// The drawing fonts by number, mapped to the families installed with the
// program (DejaVu), sized in points of 1 pixel at 1x like the screen's.
#pragma once

#include <QFont>

QFont ProgramFont(int fontNum, float size);
