#include "sheet/model_ops.h"

#include "app/app_globals.h"

int EditMenuForMainWnd(int item)
{
    itemIDPass = static_cast<std::int16_t>(item);
    return 0; // cut, copy, paste and delete of models come with the clipboard
}
