#include "app/startup_defaults.h"

#include "app/app_globals.h"
#include "app/bundle.h"
#include "calc/calc_globals.h"
#include "calc/calc_texts.h"
#include "docs/doc_globals.h"
#include "link/link_globals.h"
#include "prefs/prefs_format.h"
#include "prefs/prefs_globals.h"
#include "print/print_globals.h"
#include "sheet/clipboard_text.h"
#include "sheet/draw_state.h"
#include "sheet/sheet_globals.h"

void SetStartupDefaults()
{
    PrefsGlobalsDefaults();
    const std::string site = WebServerBase(MakerWebHost());
    checkVerURL = Str255(site + "/versions/Merestone_version.txt");
    downloadURL = Str255(site + "/downloads/apps/Merestone.zip");
    SheetGlobalsDefaults();
    DrawStateDefaults();
    ClipboardTextDefaults();
    DocGlobalsDefaults();
    AppGlobalsDefaults();
    CalcGlobalsDefaults();
    CalcTextsDefaults();
    LinkGlobalsDefaults();
    PrintGlobalsDefaults();
}
