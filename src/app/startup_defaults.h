// Every global of the program at its start-up value.
#pragma once

void SetStartupDefaults();
