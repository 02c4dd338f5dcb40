// The About box.
#pragma once

void HiAboutWnd();
