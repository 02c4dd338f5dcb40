// Start-up: every global at its default, the preferences, the menus, the
// handlers, and the optional update check. The event loop runs after it.
#pragma once

void Startup();
